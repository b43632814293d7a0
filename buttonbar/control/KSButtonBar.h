#pragma once

#include "buttonbar/control/ButtonHitIndex.h"
#include "buttonbar/control/LayoutState.h"
#include "buttonbar/control/WidestCaption.h"
#include "buttonbar/model/CButtonListener.h"
#include "buttonbar/model/CButtons.h"
#include "buttonbar/model/CGroupButtons.h"
#include "buttonbar/model/CGroupListener.h"
#include "buttonbar/model/CGroups.h"

#include "shared/gdi/CResourceMgr.h"
#include "shared/subclass/cSubclassListener.h"
#include "shared/tooltip/CTooltip.h"

#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/typeinfo/ICategorizeProperties.h"
#include "platform/win/gdi/DcGuards.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace shelfstrip {

// Enumerations of the control's type library.
enum ksControlAppearance : int32_t { ksFlatControl = 0, ks3dControl = 1 };
enum ksAppearance : int32_t {
    ksFlat = 0,
    ksFlatWithBorder = 1,
    ksClassic3DRaised = 2,
    ksModern3dRaised = 3,
    ksClassic3dSunken = 4,
    ksModern3dSunken = 5
};
enum ksBorderStyle : int32_t { ksNone = 0, ksFixedSingle = 1 };
enum ksButtonLayout : int32_t { ksTiled = 0, ksLinear = 1 };
enum ksButtonSize : int32_t { ksAutoCalculated = 0, ksUserSpecified = 1 };
enum ksShowInfo : int32_t { ksPictureOnly = 0, ksPictureAndCaption = 1 };
enum ksFlowDirection : int32_t { ksVertical = 0, ksHorizontal = 1 };
enum ksTextPosition : int32_t { ksLeft = 0, ksRight = 1, ksTop = 2, ksBottom = 3 };
enum ksButtonHighlightZone : int32_t { ksZonePictureAndText = 0, ksZonePicture = 1 };
enum ksHitType : int32_t {
    ksCaptionHit = 0,
    ksCloseButtonHit = 1,
    ksGroupHit = 2,
    ksButtonHit = 3,
    ksTLScrollButtonHit = 4,
    ksBRScrollButtonHit = 5,
    ksUnknownHit = 6
};
enum ksGradientType : int32_t {
    ksGradientNone = 0,
    ksGradientHorizontal = 1,
    ksGradientHorizontalCenter = 2,
    ksGradientVertical = 3,
    ksGradientVerticalCenter = 4
};

// The button bar: stacked group bars with the active group's picture buttons between them, on
// four constituent boxes (caption bar, upper group bars, button area, lower group bars).
//
// Life cycle, as the container drives it:
//   Initialize                  nothing: the control does nothing when it is constructed
//   InitProperties |            set-up (boxes, model, cache, font, memory DC; in user mode the
//   ReadProperties              tooltip and the button area's subclassing), then the properties
//   Resize                      layout of the boxes and buttons, then the Resize event
//   Terminate                   releases in order; the GDI objects go with the cache
// Before the set-up every member is safe: object getters give none, and layout, paint and
// refresh steps are skipped.
class KSButtonBar : public forms::UserControl,
                    public CGroupListener,
                    public CButtonListener,
                    public shared::cSubclassListener,
                    public ole::ICategorizeProperties {
public:
    static constexpr const char* kProgId = "Shelfstrip.KSButtonBar";

    enum Id : ole::DISPID {
        IdButtonPictureMaskColor = 0x68030000,
        IdMouseIcon = 0x68030001,
        IdMousePointer = 0x68030002,
        IdButtonHighlightZone = 0x68030003,
        IdButtonSize = 0x68030004,
        IdShowCloseButton = 0x68030005,
        IdShowCaptionBar = 0x68030006,
        IdCaption = 0x68030007,
        IdButtonTextPosition = 0x68030008,
        IdButtonForeColor = 0x68030009,
        IdSelectedButtonForeColor = 0x6803000a,
        IdSelectedButtonBackColor = 0x6803000b,
        IdGroupForeColor = 0x6803000c,
        IdGroupBackColor = 0x6803000d,
        IdHighlightedButtonBackColor = 0x6803000e,
        IdHighlightedButtonForeColor = 0x6803000f,
        IdSelectedButton = 0x68030010,
        IdGroupFlow = 0x68030011,
        IdButtonFlow = 0x68030012,
        IdButtonWidth = 0x68030013,
        IdButtonHeight = 0x68030014,
        IdActiveGroup = 0x68030015,
        IdShowButtonInfo = 0x68030016,
        IdSelectedButtonAppearance = 0x68030017,
        IdGroups = 0x68030018,
        IdGroupAppearance = 0x68030019,
        IdFont = 0x6803001a,
        IdButtonLayout = 0x6803001b,
        IdButtonAppearance = 0x6803001c,
        IdBorderStyle = 0x6803001d,
        IdButtonBackColor = 0x6803001e,
        IdAppearance = 0x6803001f,
        IdRefresh = 0x60030064,
        IdHwnd = 0x68030065,
        IdLockRefresh = 0x68030067,
        IdButtonGradientColor = 0x68030068,
        IdButtonGradientType = 0x68030069,
        IdGroupGradientColor = 0x6803006a,
        IdGroupGradientType = 0x6803006b,
    };
    enum EventId : ole::DISPID {
        EvCloseButtonClick = 1,
        EvGroupAdded = 2,
        EvButtonAdded = 3,
        EvGroupRemoved = 4,
        EvActiveGroupChanged = 5,
        EvButtonRemoved = 6,
        EvButtonSelectionChanged = 7,
        EvButtonHighlightChanged = 8,
        EvMouseDown = 9,
        EvMouseUp = 10,
        EvMouseMove = 11,
        EvResize = 12,
    };

    static ole::Ptr<KSButtonBar> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    // Registers the class with the class registry (static linking and tests; the shared library
    // registers through its exports).
    static void Register();
    // The control's own four pages by class id, then the platform's standard pages.
    std::vector<std::string> PropertyPages() const override;
    // Answers ICategorizeProperties for a categorized property browser.
    ole::Ptr<ole::Object> QueryInterface(const ole::Guid& iid) override;
    int32_t MapPropertyToCategory(ole::DISPID memberId) override;
    std::string GetCategoryName(int32_t category, uint32_t lcid) override;
    ~KSButtonBar() override;

    // ---- Public properties ----
    int32_t GetAppearance() const;
    void LetAppearance(int32_t value);
    int32_t GetButtonBackColor() const { return m_ButtonBackColor; }
    void LetButtonBackColor(int32_t value);
    int32_t GetBorderStyle() const { return m_BorderStyle; }
    void LetBorderStyle(int32_t value);
    int32_t GetButtonAppearance() const { return m_ButtonAppearance; }
    void LetButtonAppearance(int32_t value);
    int32_t GetButtonLayout() const { return m_ButtonLayout; }
    void LetButtonLayout(int32_t value);
    ole::Ptr<ole::Font> GetFont() const { return m_Font; }
    void SetFont(const ole::Ptr<ole::Font>& value);
    int32_t GetGroupAppearance() const { return m_GroupAppearance; }
    void LetGroupAppearance(int32_t value);
    ole::Ptr<CGroups> GetGroups() const { return m_Groups; }
    int32_t GetSelectedButtonAppearance() const { return m_SelectedButtonAppearance; }
    void LetSelectedButtonAppearance(int32_t value);
    int32_t GetShowButtonInfo() const { return m_ShowButtonInfo; }
    void LetShowButtonInfo(int32_t value);
    ole::Ptr<CGroup> GetActiveGroup() const { return m_ActiveGroup; }
    void SetActiveGroup(const ole::Ptr<CGroup>& aGroup);
    int32_t GetButtonHeight() const { return m_ButtonHeight; }
    void LetButtonHeight(int32_t value);
    int32_t GetButtonWidth() const { return m_ButtonWidth; }
    void LetButtonWidth(int32_t value);
    int32_t GetButtonFlow() const { return m_ButtonFlow; }
    void LetButtonFlow(int32_t value);
    int32_t GetGroupFlow() const { return m_GroupFlow; }
    void LetGroupFlow(int32_t value);
    ole::Ptr<CButton> GetSelectedButton() const { return m_SelectedButton; }
    void SetSelectedButton(const ole::Ptr<CButton>& aButton);
    int32_t GetHighlightedButtonForeColor() const { return m_HighlightedButtonForeColor; }
    void LetHighlightedButtonForeColor(int32_t& value);
    int32_t GetHighlightedButtonBackColor() const { return m_HighlightedButtonBackColor; }
    void LetHighlightedButtonBackColor(int32_t& value);
    int32_t GetGroupBackColor() const { return m_GroupBackColor; }
    void LetGroupBackColor(int32_t& value);
    int32_t GetGroupForeColor() const { return m_GroupForeColor; }
    void LetGroupForeColor(int32_t& value);
    int32_t GetSelectedButtonBackColor() const { return m_SelectedButtonBackColor; }
    void LetSelectedButtonBackColor(int32_t& value);
    int32_t GetSelectedButtonForeColor() const { return m_SelectedButtonForeColor; }
    void LetSelectedButtonForeColor(int32_t& value);
    int32_t GetButtonForeColor() const { return m_ButtonForeColor; }
    void LetButtonForeColor(int32_t& value);
    int32_t GetButtonTextPosition() const { return m_ButtonTextPosition; }
    void LetButtonTextPosition(int32_t value);
    std::string GetCaption() const { return m_Caption; }
    void LetCaption(const std::string& value);
    bool GetShowCaptionBar() const { return m_ShowCaptionBar; }
    void LetShowCaptionBar(bool value);
    bool GetShowCloseButton() const { return m_ShowCloseButton; }
    void LetShowCloseButton(bool value);
    int32_t GetButtonSize() const { return m_ButtonSize; }
    void LetButtonSize(int32_t value);
    int32_t GetButtonHighlightZone() const { return m_ButtonHighlightZone; }
    void LetButtonHighlightZone(int32_t value);
    int32_t GetMousePointer() const { return m_MousePointer; }
    void LetMousePointer(int32_t value);
    ole::Ptr<ole::Picture> GetMouseIcon() const { return m_MouseIcon; }
    void SetMouseIcon(const ole::Ptr<ole::Picture>& value);
    int32_t GetButtonPictureMaskColor() const { return m_ButtonPictureMaskColor; }
    void LetButtonPictureMaskColor(int32_t value);
    int32_t GetGroupGradientType() const { return m_GroupGradientType; }
    void LetGroupGradientType(int32_t value);
    int32_t GetGroupGradientColor() const { return m_GroupGradientColor; }
    void LetGroupGradientColor(int32_t value);
    int32_t GetButtonGradientType() const { return m_ButtonGradientType; }
    void LetButtonGradientType(int32_t value);
    int32_t GetButtonGradientColor() const { return m_ButtonGradientColor; }
    void LetButtonGradientColor(int32_t value);
    bool GetLockRefresh() const { return m_LockRefresh; }
    void LetLockRefresh(bool value);
    int32_t GetHwnd() const;

    // ---- Defaults of the stored properties that the container or the scale mode decide ----
    // The container's ambient fore colour and font (not the ambient this control gives its boxes).
    int32_t ContainerForeColor();
    ole::Ptr<ole::Font> ContainerFont();
    // 48 pixels in the control's scale units, unrounded.
    float DefaultButtonHeight() const;
    float DefaultButtonWidth() const;

    // ---- Method ----
    // The caption bar always, then the group bars and the button area unless LockRefresh.
    void Refresh();

    // ---- For the rest of the library ----
    void HighlightButton(const ole::Ptr<CButton>& aButton);
    // While set, neither the boxes nor the buttons are laid out; clearing it lays out both.
    bool LayoutSuspended() const { return m_bLayoutSuspended; }
    void LetLayoutSuspended(bool value);
    bool HasMsImg32() const { return m_bHasMsImg32; }
    bool Subclassed() const { return m_bSubclassed; }
    shared::CTooltip* ToolTip() const { return m_ToolTip.get(); }
    shared::CResourceMgr* ResourceMgr() const { return m_ResourceMgr.get(); }
    win::HDC MemDC() const { return m_hMemDC ? m_hMemDC->Get() : win::HDC{}; }
    ole::Ptr<CButton> HighlightedButton() const { return m_HighlightedButton; }
    const CGroupButtons* UpperGroups() const { return m_UpperGroups.get(); }
    const CGroupButtons* LowerGroups() const { return m_LowerGroups.get(); }
    // The constituent boxes, null before the set-up.
    forms::PictureBox* CaptionBar() const { return m_picCaptionBar.Get(); }
    forms::PictureBox* UpperGroupsBox() const { return m_PicUpperGroups.Get(); }
    forms::PictureBox* ButtonsBox() const { return m_PicButtons.Get(); }
    forms::PictureBox* LowerGroupsBox() const { return m_PicLowerGroups.Get(); }
    const LayoutState& Layout() const { return m_layout; }
    LayoutState& Layout() { return m_layout; }
    // Whether a group or button takes part in layout, painting and input: always at design
    // time, else when it is Visible.
    bool TakesPart(const CBarItem& item) const;
    // The user cell size in pixels, each side 1 to kMaxCellPixels.
    std::pair<int32_t, int32_t> UserCellSize() const;
    // The cell size the layout uses: the user's, or the automatic one it last worked out.
    std::pair<int32_t, int32_t> CellSize() const;

    // ---- Layout ----
    void LayoutControl();
    void CalcGroupBarHeight();
    int32_t CalcGroupBoxExtent(const CGroupButtons& list) const;
    void SplitGroupLists(const ole::Ptr<CGroup>& aGroup);
    void LayoutGroupBars(const CGroupButtons& list, forms::PictureBox& box);
    void LayoutButtons();
    int32_t CountLayoutButtons(const CButtons& buttons) const;
    std::pair<int32_t, int32_t> CalcButtonCellSize(const CButtons& buttons);
    int32_t MaxPictureWidth(const CButtons& buttons) const;
    int32_t MaxPictureHeight(const CButtons& buttons) const;
    int32_t MeasureButtonCaption(const CButtons& buttons, int32_t wrap);
    void PlaceButtons(const CButtons& buttons, int32_t cw, int32_t ch, int32_t x0, int32_t y0);
    void CalcCloseButtonRect();

    // ---- Painting of the button area ----
    // The whole pass: background, then the active group's buttons meeting `update`.
    void PaintButtonArea(win::HDC hdc, const win::RECT& update);
    // The back colour, or the active group's background picture by its layout.
    void PaintButtonBackground(win::HDC hdc, const win::RECT& update);
    // The picture's tiles that the update meets, anchored at the area's origin.
    void PaintTiles(win::HDC hdc, const ole::Picture& picture, win::HBRUSH back,
                    const win::RECT& update);
    // Directions of the scroll arrows.
    enum ArrowDirection : int32_t { kArrowUp = 0, kArrowDown = 1, kArrowLeft = 2, kArrowRight = 3 };
    void PaintScrollArrows(win::HDC hdc);
    void PaintScrollArrow(win::HDC hdc, win::RECT rect, int32_t direction, bool pressed);
    void DrawArrowGlyph(win::HDC hdc, const win::RECT& rect, int32_t direction);
    void PaintButtons(win::HDC hdc, const CGroup& group, const win::RECT& update);
    void PaintButton(win::HDC hdc, const CButton& button, const win::RECT& rc, bool hot);
    // Fills the button's background and draws its picture; gives the caption rectangle and the
    // picture zone, both empty for a button without a picture.
    std::pair<win::RECT, win::RECT> DrawButtonPicture(win::HDC hdc, const CButton& button,
                                                      const win::RECT& rc, bool hot);
    // One edge for a ksAppearance value; ksFlat and unknown values draw nothing.
    void DrawButtonEdge(win::HDC hdc, win::RECT rect, int32_t appearance);

    // ---- Group bars and caption bar ----
    // A mouse event of a constituent box, in the box's scale units.
    struct BoxMouse {
        int16_t button = 0;
        int16_t shift = 0;
        float x = 0;
        float y = 0;
    };
    void PaintCaptionBar(bool bClosePressed);
    void PaintGroupBars(forms::PictureBox& box, const CGroupButtons& list);
    void DrawFittedText(win::HDC hdc, const std::string& sText, win::RECT rect, win::UINT nFormat);
    void DrawGroupBarFocus(win::HDC hdc, const CGroup& group);
    void ActivateGroupAtCursor(const CGroupButtons& list, forms::PictureBox& box);
    void HandleGroupBarKey(int32_t keyCode);
    // The upper box when the group is in the upper list, else the lower box.
    forms::PictureBox& GroupBarBoxOf(const CGroup& group);
    void RaiseGroupBarMouse(const BoxMouse& mouse, bool bDown, bool bUpper);
    void TrackGroupBarMouse(const BoxMouse& mouse, bool bUpper);
    void CaptionBarMouseDown(const BoxMouse& mouse);
    void CaptionBarMouseMove(const BoxMouse& mouse);
    void CaptionBarMouseUp(const BoxMouse& mouse);
    ole::Ptr<CGroup> FocusGroup() const { return m_FocusGroup; }
    // The group's 1-based position in Groups, 0 when it is not there.
    int32_t GroupPosition(const CGroup& group) const;

    // Whether a group other than this one is Visible.
    bool OtherGroupVisible(const CGroup& aGroup) const;

    // ---- Button area input ----
    void HandleButtonAreaClick(int32_t x, int32_t y);
    // Whether the point (area pixels) lies on one of the area's own pixels.
    bool InButtonArea(win::POINT pt) const;
    // The first button of the active group, in collection order, that takes part and holds the
    // point (area pixels, strict on every side).
    ole::Ptr<CButton> ButtonAt(win::POINT pt) const;
    // The group's buttons that take part and whose Bounds meet the rectangle, in collection order.
    std::vector<ole::Ptr<CButton>> ButtonsMeeting(const CGroup& group, const win::RECT& rect) const;
    void RaiseButtonAreaMouse(const BoxMouse& mouse, bool bDown);
    void TrackButtonAreaMouse(const BoxMouse& mouse);
    void HandleButtonAreaKey(int32_t keyCode);
    void ClearButtonHighlight();
    // Empties the area's tooltip tool, so it shows over no button.
    void EmptyButtonTip();
    // Lets go of the highlighted button without a word to the host when it is `button` or one of
    // `group`'s (either may be null), which left the bar.
    void DropHighlightOf(const CGroup* group, const CButton* button);
    bool ArrowPressed() const { return m_bArrowPressed; }
    bool FirstArrowPressed() const { return m_bFirstArrowPressed; }

    // ---- Repainting ----
    // Each does nothing while LockRefresh is set.
    void RefreshButtonArea();
    void RefreshGroupBars();

    // ---- CGroupListener, CButtonListener, cSubclassListener ----
    void GroupAdded(const ole::Ptr<CGroup>& aGroup) override;
    void GroupRemoved(const ole::Ptr<CGroup>& aGroup) override;
    void GroupPropertyChanged(const ole::Ptr<CGroup>& aGroup,
                              const std::string& sPropName) override;
    bool GroupKeyChanged(const ole::Ptr<CGroup>& aGroup, const std::string& sNewKey,
                         const std::string& sOldKey) override;
    void GroupReIndexed(const ole::Ptr<CGroup>& aGroup) override;
    void ButtonAdded(const ole::Ptr<CButton>& aButton) override;
    void ButtonRemoved(const ole::Ptr<CButton>& aButton) override;
    void ButtonPropertyChanged(const ole::Ptr<CButton>& aButton,
                               const std::string& sProperty) override;
    void ButtonReIndexed(const ole::Ptr<CButton>& aButton) override;
    void ButtonsCleared(const ole::Ptr<CGroup>& aGroup) override;
    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

protected:
    KSButtonBar();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void OnInitProperties() override;
    void OnReadProperties(ole::PropertyBag& bag) override;
    void OnWriteProperties(ole::PropertyBag& bag) override;
    void OnResize() override;
    void OnAmbientChanged(const std::string& name) override;
    void OnEnterFocus() override;
    void OnExitFocus() override;
    void OnTerminate() override;

private:
    // ---- Life cycle ----
    void InitControlObjects();
    void CreateBoxes();
    void ConnectBoxEvents();
    void AttachButtonAreaHook(win::HWND hWnd);
    void DetachButtonAreaHook(win::HWND hWnd);
    // ---- Persistence ----
    // The defaults of a new control, through the setters.
    void ApplyDefaults();
    // The one group "General", made active, when there is no group.
    void EnsureGroup();
    // One stored property of the control: the value given to its setter; a value of a type the
    // setter cannot take, or outside a layout enumeration, gives the default instead.
    void PutStored(ole::DISPID id, ole::Variant value);
    // ButtonFlow and ButtonLayout, whose setters refuse what their enumerations do not hold.
    static bool IsLayoutEnumeration(ole::DISPID id);
    void ReadStored(ole::PropertyBag& bag);
    void ReadGroups(ole::PropertyBag& bag);
    void ReadGroup(ole::PropertyBag& bag, const std::string& prefix, bool& skippedCurrent);
    void ReadButton(ole::PropertyBag& bag, CButtons& buttons, const std::string& prefix);
    void WriteGroup(ole::PropertyBag& bag, const CGroup& group, const std::string& prefix);
    void WriteButton(ole::PropertyBag& bag, const CButton& button, const std::string& prefix);
    void ReleaseAll();

    // ---- Helpers ----
    // Runs `change` when the value differs, then tells the container.
    template <class T, class F>
    void Change(T& field, const T& value, const char* name, F&& apply);
    // Raises one of the control's events, holding a reference to itself.
    void Raise(EventId id, std::span<ole::Variant> args = {});
    void Raise(EventId id, const ole::Ptr<ole::Object>& item);
    // Lengths in the control's scale units to whole pixels, halves to even.
    int32_t PixelsX(double units) const;
    int32_t PixelsY(double units) const;
    bool UserMode();
    // Whether the group is this control's and still in its groups; the button likewise in its
    // group's buttons.
    bool Owns(const CGroup& aGroup) const;
    bool Owns(const CButton& aButton) const;
    // Whether the button's group is this control's and still in its groups.
    bool InOwnGroup(const CButton& aButton) const;
    bool IsActive(const CButton& aButton) const;
    void InvalidateButton(const CButton& aButton);
    // A box's mouse-up lets go of the capture any box took.
    void EndCapture();
    // Whether a box still holds the capture one of them took.
    bool HoldsCapture();
    // A box's point in whole pixels.
    static win::POINT BoxPixels(const forms::PictureBox& box, const BoxMouse& mouse);
    // The box's point in the control's units, as the mouse events report it.
    void RaiseBoxMouse(EventId id, const forms::PictureBox& box, const BoxMouse& mouse,
                       int32_t eHitType, const ole::Ptr<ole::Object>& hitItem,
                       bool rounded = false);
    // The first group of the list taking part whose bar holds the point.
    ole::Ptr<CGroup> GroupBarAt(const CGroupButtons& list, win::POINT pt) const;
    // Ascending collection positions of the group's buttons that may meet the rectangle: from the
    // hit index while it follows the group, else every one.
    std::vector<int32_t> ButtonsToTry(const CGroup& group, const win::RECT& rect) const;
    // Moves every button of the active group by whole cell steps (positive scrolls on).
    void ScrollButtons(int32_t steps);
    void InvalidateArrow(bool first);
    void MoveButtonTooltip(const CBarItem& item, win::HWND tool);
    // The bar that loses the mark is repainted in the box that shows it.
    void SetFocusGroup(const ole::Ptr<CGroup>& group);
    static void RepaintBox(forms::PictureBox* box);

    // Set-up state.
    bool m_setUp = false;
    bool m_released = false;
    std::optional<bool> m_userMode;
    std::unique_ptr<shared::CResourceMgr> m_ResourceMgr;
    std::unique_ptr<shared::CTooltip> m_ToolTip;
    ole::Ptr<CButton> m_HighlightedButton;
    std::optional<win::MemoryDc> m_hMemDC;
    std::unique_ptr<CGroupButtons> m_UpperGroups;
    std::unique_ptr<CGroupButtons> m_LowerGroups;
    win::HWND m_hWndButtons;
    win::HWND m_hWndUpperGroups;
    win::HWND m_hWndLowerGroups;
    bool m_bSubclassed = false;
    bool m_bHasMsImg32 = false;
    // A scroll arrow is held, and whether it is the up/left one.
    bool m_bArrowPressed = false;
    bool m_bFirstArrowPressed = false;
    // The marked group bar and its 1-based position in Groups (0 until first set).
    ole::Ptr<CGroup> m_FocusGroup;
    int32_t m_FocusGroupIndex = 0;
    bool m_bClosePressed = false;
    // A box holds the capture; the control has the focus.
    bool m_bCaptured = false;
    bool m_bHasFocus = false;
    ole::Ptr<CGroups> m_Groups;
    ole::Ptr<CGroup> m_ActiveGroup;
    ole::Ptr<CButton> m_SelectedButton;
    ole::Ptr<ole::Font> m_Font;
    ole::Ptr<ole::Picture> m_MouseIcon;
    std::vector<std::pair<ole::Ptr<ole::Object>, uint32_t>> m_connections;

    ole::Ptr<forms::PictureBox> m_picCaptionBar;
    ole::Ptr<forms::PictureBox> m_PicUpperGroups;
    ole::Ptr<forms::PictureBox> m_PicButtons;
    ole::Ptr<forms::PictureBox> m_PicLowerGroups;

    // Property values.
    bool m_ShowCloseButton = true;
    bool m_ShowCaptionBar = false;
    int32_t m_ButtonAppearance = ksFlat;
    int32_t m_GroupAppearance = ksModern3dRaised;
    int32_t m_SelectedButtonAppearance = ksClassic3dSunken;
    int32_t m_ShowButtonInfo = ksPictureAndCaption;
    int32_t m_ButtonBackColor = 0;
    int32_t m_BorderStyle = ksNone;
    int32_t m_ButtonLayout = ksLinear;
    int32_t m_ButtonHeight = 0;
    int32_t m_ButtonWidth = 0;
    int32_t m_ButtonFlow = ksVertical;
    int32_t m_GroupFlow = ksVertical;
    int32_t m_HighlightedButtonForeColor = 0;
    int32_t m_HighlightedButtonBackColor = 0;
    int32_t m_GroupBackColor = 0;
    int32_t m_GroupForeColor = 0;
    int32_t m_SelectedButtonBackColor = 0;
    int32_t m_SelectedButtonForeColor = 0;
    int32_t m_ButtonForeColor = 0;
    int32_t m_ButtonTextPosition = ksBottom;
    std::string m_Caption;
    int32_t m_ButtonSize = ksAutoCalculated;
    int32_t m_ButtonHighlightZone = ksZonePictureAndText;
    int32_t m_MousePointer = 0;
    int32_t m_ButtonPictureMaskColor = 0;
    int32_t m_GroupGradientType = ksGradientNone;
    int32_t m_GroupGradientColor = 0;
    int32_t m_ButtonGradientType = ksGradientNone;
    int32_t m_ButtonGradientColor = 0;
    bool m_LockRefresh = false;
    bool m_bLayoutSuspended = false;
    // The stored groups and buttons are being rebuilt.
    bool m_bReading = false;

    LayoutState m_layout;
    ButtonHitIndex m_hitIndex;
    WidestCaption m_widestCaption;
};

} // namespace shelfstrip
