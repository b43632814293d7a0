#pragma once

#include "formdesigner/control/BoundsEstimate.h"
#include "formdesigner/control/ControlRectIndex.h"
#include "formdesigner/control/InvertedShapes.h"
#include "formdesigner/hooks/IHookListener.h"

#include "shared/gdi/CResourceMgr.h"
#include "shared/subclass/cSubclassListener.h"

#include "platform/forms/host/UserControl.h"
#include "platform/ole/collection/Collection.h"
#include "platform/ole/object/WeakRef.h"
#include "platform/ole/picture/Picture.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ole {
class Error;
}

namespace layoutdesk {

class ContainerChildren;
class CPropertyBag;

// Enumerations of the control's type library.
enum ksMode : int32_t { ksModeRun = 0, ksModeDraw = 1, ksModeSelect = 2 };
enum ksScope : int32_t { ksScopeThis = 0, ksScopeSelected = 1, ksScopeAll = 2 };
enum ksAlignTypes : int32_t {
    ksAlignLeft = 0,
    ksAlignTop = 1,
    ksAlignRight = 2,
    ksAlignBottom = 3,
    ksAlignGrid = 4
};
enum ksResizeType : int32_t {
    ksSizeHorzAbsolute = 0,
    ksSizeHorzShrinkToSmallest = 1,
    ksSizeHorzExpandToLargest = 2,
    ksSizeVertAbsolute = 3,
    ksSizeVertShrinkToSmallest = 4,
    ksSizeVertExpandToLargest = 5
};
// The type library names these "None" and "Fixed Single".
enum ksBorderStyle : int32_t { ksBorderNone = 0, ksBorderFixedSingle = 1 };

// What a point hits: nothing, a grab handle, a body, or a Line's ends and body.
enum HitCode : int32_t {
    HitNone = 0,
    HitLeft = 1,
    HitTop = 2,
    HitRight = 3,
    HitBottom = 4,
    HitTopLeft = 5,
    HitTopRight = 6,
    HitBottomRight = 7,
    HitBottomLeft = 8,
    HitBody = 9,
    HitLineStart = 10,
    HitLineEnd = 11,
    HitLineBody = 12,
};

// The form designer: a user control whose contained controls are the design surface. In run mode
// it is an ordinary container. In the design modes its thread's mouse hook takes every mouse
// message aimed at it or at a window inside it (the hosted controls never see them) and turns
// them into selection, move, resize and rubber-band gestures; its CBT hook keeps the focus on the
// designer and turns Tab into a selection walk.
//
// Hosted controls are reached only through their automation members by name, and every read may
// fail (a control removed from its form stays as a dead object): a failed read counts as "no" or
// "skip". The selection and locked collections hold the controls by key, and every loop over
// them or over hosted controls walks a snapshot of weak ids, so host handlers raised inside a
// loop may change anything.
//
// Coordinates: the designer's scale units with the origin at its client area's top-left.
// Containers in user scale (ScaleMode 0) are converted through the designer's own ScaleX and
// ScaleY, which know nothing of the container's user system: such containers are unsupported.
class ZORudeRuduvozu : public forms::UserControl,
                       public shared::cSubclassListener,
                       public IHookListener {
public:
    static constexpr const char* kProgId = "Layoutdesk.ZORudeRuduvozu";
    static constexpr const char* kLibraryName = "Layoutdesk";

    enum Id : ole::DISPID {
        IdMouseIcon = 0x68030001,
        IdMousePointer = 0x68030002,
        IdHandleBorderColor = 0x68030003,
        IdHandleColor = 0x68030004,
        IdShowGrid = 0x68030005,
        IdSelectedControls = 0x68030006,
        IdMode = 0x68030007,
        IdHandleSizeY = 0x68030009,
        IdHandleSizeX = 0x6803000A,
        IdGridSizeY = 0x6803000B,
        IdGridSizeX = 0x6803000C,
        IdBackColor = 0x6803000D,
        IdForeColor = 0x6803000E,
        IdAlignToGrid = 0x6803000F,
        IdAlignSelectedControls = 0x60030010,
        IdDeselectAllControl = 0x60030011,
        IdDeselectControl = 0x60030012,
        IdIsLocked = 0x60030013,
        IdIsSelected = 0x60030014,
        IdLockControls = 0x60030015,
        IdResizeSelectedControls = 0x60030016,
        IdSelectControl = 0x60030017,
        IdUnlockControls = 0x60030018,
        IdIsContainer = 0x6003002E,
        IdRefresh = 0x60030056,
        IdSaveLayout = 0x6003005D,
        IdLoadLayout = 0x6003005F,
    };
    // Ids, not positions: position 17 is CreateControl (id 18), position 18 DisplayError (id 17).
    enum EventId : ole::DISPID {
        EvKeyPress = 1,
        EvKeydown = 2,
        EvKeyUp = 3,
        EvMouseDown = 4,
        EvMouseMove = 5,
        EvMouseUp = 6,
        EvControlResized = 7,
        EvControlMoved = 8,
        EvRubberBandStart = 9,
        EvRubberBandEnd = 10,
        EvControlMoving = 11,
        EvControlResizing = 12,
        EvSaveFormData = 13,
        EvSaveControlData = 14,
        EvLoadFormData = 15,
        EvLoadControlData = 16,
        EvDisplayError = 17,
        EvCreateControl = 18,
        EvControlSelected = 19,
        EvControlDeselected = 20,
    };

    static ole::Ptr<ZORudeRuduvozu> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    // Registers the class and the library's types (static linking and tests; the shared library
    // registers through its exports).
    static void Register();
    ~ZORudeRuduvozu() override;

    bool IsControlContainer() const override { return true; }

    // ---- Public properties ----
    int32_t GetMode() const { return m_Mode; }
    void LetMode(int32_t eMode);
    bool GetAlignToGrid() const { return m_AlignToGrid; }
    void LetAlignToGrid(bool value);
    int32_t GetForeColor() const;
    void LetForeColor(int32_t value);
    int32_t GetBackColor() const;
    void LetBackColor(int32_t value);
    float GetGridSizeX() const { return m_GridSizeX; }
    void LetGridSizeX(float value);
    float GetGridSizeY() const { return m_GridSizeY; }
    void LetGridSizeY(float value);
    float GetHandleSizeX() const { return m_HandleSizeX; }
    void LetHandleSizeX(float value);
    float GetHandleSizeY() const { return m_HandleSizeY; }
    void LetHandleSizeY(float value);
    bool GetShowGrid() const { return m_ShowGrid; }
    void LetShowGrid(bool value);
    int32_t GetHandleColor() const { return static_cast<int32_t>(m_HandleColor); }
    void LetHandleColor(int32_t value);
    int32_t GetHandleBorderColor() const { return static_cast<int32_t>(m_HandleBorderColor); }
    void LetHandleBorderColor(int32_t value);
    int32_t GetMousePointer() const { return m_MousePointer; }
    void LetMousePointer(int32_t value);
    ole::Ptr<ole::Picture> GetMouseIcon() const;
    void SetMouseIcon(const ole::Ptr<ole::Picture>& value);
    ole::Ptr<ole::Collection> GetSelectedControls() const { return m_SelectedControls; }
    // Not on the automation interface: the selection code and the release hold repaints with it.
    bool GetLockRefresh() const { return m_LockRefresh; }
    void LetLockRefresh(bool value);

    // Defaults of the persisted sizes: the set-up values in the current scale mode.
    float DefaultGridSizeX() const;
    float DefaultGridSizeY() const;
    float DefaultHandleSizeX() const;
    float DefaultHandleSizeY() const;

    // ---- Methods: align and size ----
    void AlignSelectedControls(int32_t eAlignType);
    // newValue below 0 (the default -1) asks for the smallest or largest of the selection; it is
    // never written back.
    void ResizeSelectedControls(int32_t eResizeType, float newValue);

    // ---- Methods: layout files ----
    // True when nothing had to be reported through DisplayError and the call ran to its end (a
    // host handler may take the designer off its form in the middle; nothing is saved then).
    bool SaveLayout(const std::string& sFile);
    bool LoadLayout(const std::string& sFile);

    // ---- Methods: selection and locking ----
    void SelectControl(const ole::Variant& aControl);
    void DeselectControl(const ole::Variant& aControl);
    void DeselectAllControl();
    bool IsSelected(const ole::Variant& aControl);
    bool IsLocked(const ole::Variant& aControl);
    void LockControls(int32_t eScope, const ole::Variant& aControl);
    bool UnlockControls(int32_t eScope, const ole::Variant& aControl);
    bool IsContainer(const ole::Variant& aControl);
    // Refreshes the contained controls and repaints the designer, unless LockRefresh is set.
    void Refresh();

    // ---- Hooks and subclassing ----
    int32_t NotifyHookedEvent(int32_t nHookType, int32_t nCode, win::WPARAM wParam,
                              win::LPARAM lParam, bool& bNoCallNextHook) override;
    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

    // ---- Geometry and hit testing (designer scale units unless `inPixels`) ----
    // False when the control cannot be placed in designer coordinates (its container chain does
    // not lead to this designer, or a read failed).
    bool GetControlRect(const ole::Ptr<ole::Object>& control, win::RECT& rect,
                        bool inPixels = false);
    bool ContainerOffset(const ole::Ptr<ole::Object>& control, float& dx, float& dy);
    // Hit geometry runs in twips whatever the scale mode: whole inches or characters would lose
    // clicks inside a control and every handle smaller than a unit.
    int32_t HitTestHandles(const ole::Ptr<ole::Object>& control, float X, float Y, bool bodyOnly);
    // X, Y in whole twips.
    int32_t HitTestLine(const ole::Ptr<ole::Object>& line, int32_t X, int32_t Y, bool bodyOnly);
    // `container` in: where to look (null: the designer); the hit control's container stays as
    // it was given.
    ole::Ptr<ole::Object> ControlFromPoint(float X, float Y, bool selectedOnly, int32_t& hitCode,
                                           bool bodyOnly,
                                           const ole::Ptr<ole::Object>& container = {});
    bool ControlIntersectsRect(const ole::Ptr<ole::Object>& control, const win::RECT& pixels);
    bool LineIntersectsRect(const ole::Ptr<ole::Object>& line, const win::RECT& rect,
                            bool inPixels);
    bool HasNameProperty(const ole::Ptr<ole::Object>& control);
    static bool HasVisibleProperty(const ole::Ptr<ole::Object>& control);
    static std::string ControlKey(const ole::Ptr<ole::Object>& control);
    void PurgeDeadControls();
    void AddDirtyRect(const ole::Ptr<ole::Object>& control);
    void AddSelectionDirtyRect();
    void FlushDirtyRect();
    void SetHitCursor(int32_t hitCode);
    int32_t ContainerScaleMode(const ole::Ptr<ole::Object>& container);
    // A value in `container`'s units (its scale mode `mode`) from or to scale mode `other`; a
    // position counts from the container's client origin. A container with a scale of its own
    // (ScaleMode 0) converts through its own ScaleX and ScaleY and its ScaleLeft and ScaleTop.
    float FromContainerUnits(const ole::Ptr<ole::Object>& container, int32_t mode, float value,
                             int32_t other, bool vertical, bool position);
    float ToContainerUnits(const ole::Ptr<ole::Object>& container, int32_t mode, float value,
                           int32_t other, bool vertical, bool position);
    bool HasWindowHandle(const ole::Ptr<ole::Object>& control);
    void ContainerBorderInset(const ole::Ptr<ole::Object>& control, int32_t scaleMode, float& x,
                              float& y);
    bool IsLineControl(const ole::Ptr<ole::Object>& control) const;

    // ---- Painting (pixels) ----
    // Grid and grab handles in the design modes; nothing in run mode.
    void PaintDesigner(const win::RECT& rect);
    void DrawGrid(win::HDC hdc, const win::RECT& rect);
    void DrawHandles(win::HDC hdc, const ole::Ptr<ole::Object>& control, uint32_t fill,
                     uint32_t border);
    void DrawLineHandles(win::HDC hdc, const ole::Ptr<ole::Object>& line, uint32_t fill,
                         uint32_t border);

    // ---- Gesture (designer scale units) ----
    // The point as the hook converted it: what lies under it is found there, while the gesture
    // itself (frames, band, events) runs on the point rounded to whole units.
    void DesignMouseDown(win::HWND hWnd, float X, float Y, bool ctrlDown, bool shiftDown);
    void DesignMouseMove(win::HWND hWnd, float X, float Y, bool ctrlDown, bool shiftDown);
    void DesignMouseUp(win::HWND hWnd, float X, float Y, bool ctrlDown, bool shiftDown);
    void ApplyDrag(const ole::Ptr<ole::Object>& control, const win::RECT& rect, bool setSize);

    // ---- Keyboard: Ctrl+arrow moves, Shift+arrow sizes the selection by NudgeStep ----
    void NudgeSelection(int16_t keyCode);
    void NudgeResizeSelection(int16_t keyCode);

    // ---- Selection walks ----
    void SelectNextControl();
    void SelectPreviousControl();
    bool BelongsToDesigner(const ole::Ptr<ole::Object>& control);
    void SelectControlsInRect(const win::RECT& pixels, const ole::Ptr<ole::Object>& container);

    // ---- State for painting, the second half's commands and tests ----
    bool HasFocus() const { return m_HasFocus; }
    bool IsSubclassed() const { return m_IsSubclassed; }
    bool IsCapturing() const { return m_IsCapturing; }
    int32_t CurrentHitCode() const { return m_HitCode; }
    float HitTolerance() const { return m_HitTolerance; }
    float NudgeStep() const { return m_NudgeStep; }
    const win::RECT& TrackRect() const { return m_TrackRect; }
    const win::RECT& DirtyRect() const { return m_DirtyRect; }
    ole::Ptr<ole::Object> DragContainer() const { return m_DragContainer.Lock(); }
    bool AllLocked() const { return m_AllLocked; }
    ole::Ptr<ole::Collection> LockedControls() const { return m_LockedControls; }
    shared::CResourceMgr* ResourceMgr() const { return m_ResourceMgr.get(); }
    const InvertedShapes& ShapesOnScreen() const { return m_shapes; }

    // Conversions on the designer's surface; mode 3 is pixels.
    float ConvertX(float value, int32_t from, int32_t to) const;
    float ConvertY(float value, int32_t from, int32_t to) const;
    int32_t PixelsX(float units) const;
    int32_t PixelsY(float units) const;

protected:
    ZORudeRuduvozu();

    void OnInitProperties() override;
    void OnReadProperties(ole::PropertyBag& bag) override;
    void OnWriteProperties(ole::PropertyBag& bag) override;
    void OnTerminate() override;
    void OnAmbientChanged(const std::string& name) override;
    void OnPaint() override;
    void OnEnterFocus() override;
    void OnExitFocus() override;
    void OnKeyDown(int16_t& keyCode, int16_t shift) override;
    void OnKeyPress(int16_t& keyAscii) override;
    void OnKeyUp(int16_t& keyCode, int16_t shift) override;
    void OnMouseDown(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseMove(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseUp(int16_t button, int16_t shift, float x, float y) override;

private:
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    // The reference edges of an alignment, in the container's units.
    struct AlignEdges {
        float left = 0;
        float top = 0;
        float right = 0;
        float bottom = 0;
    };

    // DisplayError to the host, then the box unless the host cleared bShowMsgBox.
    void DisplayError(ole::Error error);
    // One step of a layout operation: a failure is reported and the caller goes on.
    bool LayoutStep(const std::function<void()>& step);
    // Raises 6 for a container with more children than a file can count, or nested deeper than
    // a load reads back; other failures are reported and the save goes on.
    void SaveControls(const ole::Ptr<ole::Object>& control, CPropertyBag& parent, int32_t index,
                      int32_t level);
    void LoadControls(const ole::Ptr<ole::Object>& container, CPropertyBag& parent, int32_t index,
                      int32_t level);
    // The form's controls by container, grouped again once anything moved.
    std::shared_ptr<const ContainerChildren> SaveChildren(const ole::Ptr<ole::Object>& form);

    void InitDesigner();
    // True while the container's bag is read: the lets only store.
    bool Stored(const std::function<void()>& store);
    void TeardownDesigner();
    void SubclassSelf();
    void UnsubclassSelf();
    int32_t OnCbtHook(int32_t nCode, win::WPARAM wParam, win::LPARAM lParam, bool& bNoCallNextHook);
    int32_t OnMouseHook(int32_t nCode, win::WPARAM wParam, win::LPARAM lParam,
                        bool& bNoCallNextHook);
    void FocusDesigner(win::HWND pressed);
    static bool IsKeyDown(int vk);
    void RaiseMouseEvent(ole::DISPID eventId, int16_t button, int16_t shift, float x, float y);
    void RaiseWithControl(ole::DISPID eventId, const ole::Ptr<ole::Object>& control);
    void RaiseTracked(ole::DISPID eventId, const ole::Ptr<ole::Object>& control,
                      const win::RECT& rect, bool lineForm);
    // The selection code raises 0x800407D4 for anything that is not a control on a form.
    ole::Ptr<ole::Object> RequireControl(const ole::Variant& aControl) const;
    bool IsFormControl(const ole::Ptr<ole::Object>& object) const;
    bool Holds(const ole::Ptr<ole::Collection>& collection, const ole::Ptr<ole::Object>& control);
    std::optional<std::string> HeldKey(const ole::Ptr<ole::Collection>& collection,
                                       const ole::Ptr<ole::Object>& control);
    static std::string IdentityKey(const std::string& key, const ole::Ptr<ole::Object>& control);
    void Enter(const ole::Ptr<ole::Collection>& collection, const ole::Ptr<ole::Object>& control);
    void Leave(const ole::Ptr<ole::Collection>& collection, const ole::Ptr<ole::Object>& control);
    ole::Ptr<ole::Object> ExtenderObject() const;
    // The designer's form, climbing Parent; null without one.
    ole::Ptr<ole::Object> FindForm() const;
    std::vector<ole::Ptr<ole::Object>> FormControls(const ole::Ptr<ole::Object>& form) const;
    std::vector<ole::Ptr<ole::Object>> ContainedSnapshot() const;
    // The form's controls whose Container is `container` and whose place may meet `pixels`
    // (designer client pixels) widened by `margin` pixels, in the form's Controls order, from the
    // container's rectangle index; nullopt when the container cannot be placed, and the caller
    // walks every control.
    std::optional<std::vector<ole::Ptr<ole::Object>>>
    ControlsNear(const ole::Ptr<ole::Object>& container, const win::RECT& pixels, float margin);
    std::optional<std::vector<ole::Ptr<ole::Object>>>
    ControlsNear(const ole::Ptr<ole::Object>& container, float left, float top, float right,
                 float bottom, float margin);
    const ControlRectIndex* RectIndexOf(const ole::Ptr<ole::Object>& container);
    // Where `container`'s client origin lies in designer client pixels.
    bool PixelOriginOf(const ole::Ptr<ole::Object>& container, float& x, float& y);
    BoundsEstimate EstimateIn(const ole::Ptr<ole::Object>& container);
    BoundsEstimate SelectionEstimate(const std::vector<uint32_t>& selected);
    // How far past a control's exact rectangle its handles reach, in pixels; -1 when unknown.
    int64_t HandleReach() const;
    // GetControlRect in scale mode `mode` (designer units, pixels or twips), widened by half a
    // unit of that mode on every side before rounding.
    bool ControlRectIn(const ole::Ptr<ole::Object>& control, win::RECT& rect, int32_t mode);
    float TwipsX(float units) const;
    float TwipsY(float units) const;
    // Where `container`'s client origin lies in designer units; false when its chain does not
    // lead to this designer.
    bool OffsetOfContainer(ole::Ptr<ole::Object> container, float& dx, float& dy);
    std::vector<uint32_t> SelectedSnapshot() const;
    bool IsThisDesigner(const ole::Ptr<ole::Object>& object) const;
    void StepSelection(bool forward);
    // Stores a new handle size and repaints the selection's handles, old and new.
    void ResizeHandles(const std::function<void()>& store);
    // Clears AllLocked and marks the selection for repainting; false when it was clear already.
    bool EndLockAll();
    // Runs a batch of selection or lock changes under LockRefresh and flushes once at the end.
    void WithOneFlush(const std::function<void()>& changes);

    // ---- Drawing of the gesture ----
    void DrawDragFrame(win::HDC hdc, const win::RECT& rect, bool bLine);
    void UpdateDragFrame(int32_t hit, float dx, float dy);
    void DrawRubberBand(const win::RECT& rect);
    void UpdateRubberBand(float dx, float dy);
    // Brushes from the resource cache and the handle size in pixels.
    struct HandleStyle {
        win::HBRUSH fill;
        win::HBRUSH border;
        int32_t width = 0;
        int32_t height = 0;
    };
    // The dots a paint draws: the first and last in each direction and the steps, in pixels.
    struct GridDots {
        int64_t left = 0;
        int64_t top = 0;
        int64_t right = 0;
        int64_t bottom = 0;
        int64_t stepX = 1;
        int64_t stepY = 1;
    };
    bool DrawGridRows(win::HDC hdc, const GridDots& dots, win::COLORREF color);
    std::optional<HandleStyle> HandleStyleFor(win::HDC hdc, uint32_t fill, uint32_t border);
    static void PaintHandle(win::HDC hdc, const win::RECT& handle, const HandleStyle& style);
    // The control's rectangle in pixels, pinned to the drawing range.
    bool PixelRect(const ole::Ptr<ole::Object>& control, win::RECT& rect);
    void InvertFrame(win::HDC hdc, const InvertedShapes::Frame& frame);
    void InvertBand(win::HDC hdc, const win::RECT& pixels);
    win::RECT ToPixels(const win::RECT& units) const;
    // Erases every shape on the screen, on `hdc` or on a gesture DC of its own.
    void EraseShapes(win::HDC hdc);
    void EraseShapes();
    // Inverts the recorded shapes again and keeps the record: twice around a repaint, the
    // shapes go off the screen before it and come back after it.
    void InvertRecordedShapes();
    // Paints what the press queued, so the first inverted shape is not painted over.
    void RunPendingPaints();
    // Repaints the surface when an earlier gesture still has shapes recorded, and forgets them.
    void ClearStaleShapes();
    void ShowPointer();
    void MoveFrames(int32_t dx, int32_t dy);
    void EndGesture(int32_t X, int32_t Y);
    // Ends a gesture without applying it: capture released, shapes erased.
    void AbandonGesture();
    void ReleaseMove(int32_t X, int32_t Y);
    void ReleaseResize();
    void ReleaseBand();
    ole::Ptr<ole::Object> SingleSelected();
    bool Eligible(const ole::Ptr<ole::Object>& control);
    // Each eligible selected control in selection order between two AddDirtyRect calls (the
    // event after the second, when given), then one flush.
    void ChangeEachEligible(const std::function<void(const ole::Ptr<ole::Object>&)>& change,
                            ole::DISPID eventAfter = 0);
    // The step for an arrow key in the selection's container; false for other keys or an empty
    // selection.
    bool NudgeOffsets(int16_t keyCode, float& dx, float& dy);
    void AlignEdge(const ole::Ptr<ole::Object>& control, int32_t eAlignType,
                   const AlignEdges& edges);
    void AlignLine(const ole::Ptr<ole::Object>& line, int32_t eAlignType, const AlignEdges& edges);
    void AlignToGridOf(const ole::Ptr<ole::Object>& control);
    void
    ForEachMovable(const std::function<void(const ole::Ptr<ole::Object>&, const win::RECT&)>& step);

    // Set-up values and properties.
    int32_t m_Mode = ksModeRun;
    ole::Ptr<ole::Collection> m_SelectedControls;
    ole::Ptr<ole::Collection> m_LockedControls;
    bool m_AllLocked = false;
    float m_HandleSizeX = 0;
    float m_HandleSizeY = 0;
    float m_HitTolerance = 0;
    float m_NudgeStep = 0;
    bool m_ShowGrid = true;
    bool m_AlignToGrid = false;
    float m_GridSizeX = 0;
    float m_GridSizeY = 0;
    uint32_t m_HandleBorderColor = 0x8000000E;
    uint32_t m_HandleColor = 0x8000000D;
    int32_t m_MousePointer = 0;
    bool m_LockRefresh = false;
    // A Refresh was asked for while LockRefresh held; the batch's flush does it.
    bool m_refreshWaiting = false;
    std::unique_ptr<shared::CResourceMgr> m_ResourceMgr;
    bool m_HasFocus = false;
    // What the coming WM_PAINT repaints, hosted windows included; the paint DC's clip box
    // leaves those out.
    std::optional<win::RECT> m_paintArea;
    bool m_IsSubclassed = false;
    bool m_hooked = false;
    bool m_initialized = false;
    bool m_readingBag = false;
    int64_t m_layoutErrors = 0;
    std::shared_ptr<const ContainerChildren> m_saveChildren;
    win::HWND m_subclassedWnd;
    win::RECT m_DirtyRect{};

    // The gesture.
    int32_t m_HitCode = HitNone;
    bool m_IsCapturing = false;
    ole::WeakRef<ole::Object> m_DragContainer;
    win::RECT m_TrackRect{};
    float m_DragStartX = 0;
    float m_DragStartY = 0;
    float m_DragLastX = 0;
    float m_DragLastY = 0;
    InvertedShapes m_shapes;
    // A paint ran while shapes were on record: it may have taken some of them off the screen.
    bool m_shapesPainted = false;

    // Rectangle indexes by container id, all built at one layout version.
    std::unordered_map<uint32_t, std::unique_ptr<ControlRectIndex>> m_rectIndexes;
};

} // namespace layoutdesk
