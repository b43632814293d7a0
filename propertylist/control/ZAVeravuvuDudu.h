#pragma once

#include "propertylist/control/GridSettings.h"
#include "propertylist/control/RowPlacement.h"
#include "propertylist/control/ScrollScale.h"
#include "propertylist/control/splitter/CSplitter.h"
#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"
#include "propertylist/model/property/CProperties.h"
#include "propertylist/model/property/CPropertyListener.h"
#include "propertylist/model/property/CPropertyOwner.h"
#include "propertylist/model/rows/CNodes.h"
#include "propertylist/model/rows/CNodesOwner.h"
#include "propertylist/model/rows/CRowTrees.h"

#include "shared/gdi/CResourceMgr.h"
#include "shared/subclass/cSubclassListener.h"
#include "shared/tooltip/CTooltip.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/VScrollBar.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/collection/Collection.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace attrgrid {

// Enumerations of the control's type library.
enum ksActiveView : int32_t { ksAlphabetic = 0, ksCatagorized = 1 };
// ksAppearance comes with the property model.
enum ksBorderStyle : int32_t { ksNone = 0, ksFixedSingle = 1 };
enum ksGrid : int32_t { ksGridNone = 0, ksGridSolid = 1, ksGridDotted = 2 };
enum ksHeaders : int32_t { ksHeadersNone = 0, ksHeadersFlat = 1, ksHeaders3d = 2 };
enum ksPictureLayout : int32_t {
    ksPictureCentered = 0,
    ksPictureStretched = 1,
    ksPictureTiled = 2
};
enum ksSortOrder : int32_t { ksAscending = 0, ksDescending = 1 };
enum ksTreeStyle : int32_t {
    ksText = 0,
    ksPlusMinusText = 1,
    ksTreelinesText = 2,
    ksTreeLinesPlusMinusText = 3
};

// The property list: a user control that shows a property collection as rows of a grid, in an
// alphabetic or a categorized view, and edits values in place.
//
// Life cycle, as the container drives it:
//   Initialize            owned objects (resource cache, fonts, listeners, tooltip, collection,
//                         row trees); no windows of its own yet
//   InitProperties |      run-time set-up once (grid subclass in user mode, editors, row height,
//   ReadProperties        tooltip window, splitters), then the properties
//   Resize, AmbientChanged("ScaleUnits"), WriteProperties
//   WM_DESTROY of the     the teardown; Terminate runs it again and finds nothing left
//   grid, Terminate
// After the teardown every public member is inert: setters and methods do nothing, getters give
// their plain field, nothing for objects and 0 for hwnd.
class ZAVeravuvuDudu : public forms::UserControl,
                       public CNodesOwner,
                       public CPropertyOwner,
                       public CPropertyListener,
                       public shared::cSubclassListener {
public:
    static constexpr const char* kProgId = "Attrgrid.ZAVeravuvuDudu";
    static constexpr const char* kLibraryName = "Attrgrid";

    enum Id : ole::DISPID {
        IdActiveView = 0x68030028,
        IdAlphabeticTabCaption = 0x68030027,
        IdAppearance = 0x68030026,
        IdBackColor = 0x68030025,
        IdBorderStyle = 0x68030024,
        IdCategorizedTabCaption = 0x68030023,
        IdCategoryAppearance = 0x68030022,
        IdCategoryBackColor = 0x68030021,
        IdCategoryBold = 0x68030020,
        IdCategoryForeColor = 0x6803001F,
        IdCategorySeparator = 0x6803001E,
        IdCustomSort = 0x6803001D,
        IdDefaultCategory = 0x6803001C,
        IdEnabled = 0x6803001B,
        IdFont = 0x6803001A,
        IdForeColor = 0x68030019,
        IdGrid = 0x68030018,
        IdHeaders = 0x68030017,
        IdHighlightBackColor = 0x68030016,
        IdHighlightForeColor = 0x68030015,
        IdHwnd = 0x68030014,
        IdIndentation = 0x68030013,
        IdLineColor = 0x68030012,
        IdLoadObjectProperties = 0x6003009C,
        IdLockRefresh = 0x68030011,
        IdNameCaption = 0x68030010,
        IdPicture = 0x6803000F,
        IdPictureLayout = 0x6803000E,
        IdProperties = 0x6803000D,
        IdPropertyBackColor = 0x6803000C,
        IdPropertyForeColor = 0x6803000B,
        IdRefresh = 0x6003009E,
        IdRegisterEditor = 0x6003009F,
        IdSelectedProperty = 0x6803000A,
        IdShowDescription = 0x68030009,
        IdShowTabs = 0x68030008,
        IdShowToolTip = 0x68030007,
        IdSorted = 0x68030006,
        IdSortOnHeaderClick = 0x68030005,
        IdSortOrder = 0x68030004,
        IdTreeStyle = 0x68030003,
        IdUnRegisterEditor = 0x600300A0,
        IdValueCaption = 0x68030002,
    };
    enum EventId : ole::DISPID {
        EvPropertyAdded = 1,
        EvPropertyDeleted = 2,
        EvPropertyDraw = 3,
        EvPropertyCompare = 4,
        EvCategoryCompare = 5,
        EvSelChanged = 6,
        EvHelpRequested = 7,
        EvValidateValue = 8,
        EvShowEditorDialog = 9,
        EvActiveViewChanged = 10,
        EvDisplayError = 11,
    };

    static ole::Ptr<ZAVeravuvuDudu> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    // Registers the class with the class registry (static linking and tests; the shared library
    // registers through its exports).
    static void Register();
    ~ZAVeravuvuDudu() override;

    // ---- Public properties ----
    int32_t GetActiveView() const;
    void LetActiveView(int32_t value);
    std::string GetAlphabeticTabCaption() const;
    void LetAlphabeticTabCaption(const std::string& value);
    int32_t GetAppearance() const;
    void LetAppearance(int32_t value);
    int32_t GetBackColor() const;
    void LetBackColor(int32_t value);
    int32_t GetBorderStyle() const;
    void LetBorderStyle(int32_t value);
    std::string GetCategorizedTabCaption() const;
    void LetCategorizedTabCaption(const std::string& value);
    int32_t GetCategoryAppearance() const;
    void LetCategoryAppearance(int32_t value);
    int32_t GetCategoryBackColor() const;
    void LetCategoryBackColor(int32_t value);
    bool GetCategoryBold() const;
    void LetCategoryBold(bool value);
    int32_t GetCategoryForeColor() const;
    void LetCategoryForeColor(int32_t value);
    std::string GetCategorySeparator() const;
    void LetCategorySeparator(const std::string& value);
    bool GetCustomSort() const;
    void LetCustomSort(bool value);
    std::string GetDefaultCategory() const;
    void LetDefaultCategory(const std::string& value);
    bool GetEnabled() const;
    void LetEnabled(bool value);
    ole::Ptr<ole::Font> GetFont() const;
    void SetFont(const ole::Ptr<ole::Font>& value);
    int32_t GetForeColor() const;
    void LetForeColor(int32_t value);
    int32_t GetGrid() const;
    void LetGrid(int32_t value);
    int32_t GetHeaders() const;
    void LetHeaders(int32_t value);
    int32_t GetHighlightBackColor() const;
    void LetHighlightBackColor(int32_t value);
    int32_t GetHighlightForeColor() const;
    void LetHighlightForeColor(int32_t value);
    int32_t GetHwnd() const;
    float GetIndentation() const;
    void LetIndentation(float value);
    int32_t GetLineColor() const;
    void LetLineColor(int32_t value);
    bool GetLockRefresh() const;
    void LetLockRefresh(bool value);
    std::string GetNameCaption() const;
    void LetNameCaption(const std::string& value);
    ole::Ptr<ole::Picture> GetPicture() const;
    void SetPicture(const ole::Ptr<ole::Picture>& value);
    int32_t GetPictureLayout() const;
    void LetPictureLayout(int32_t value);
    ole::Ptr<CProperties> GetProperties() const;
    int32_t GetPropertyBackColor() const;
    void LetPropertyBackColor(int32_t value);
    int32_t GetPropertyForeColor() const;
    void LetPropertyForeColor(int32_t value);
    ole::Ptr<CProperty> GetSelectedProperty() const;
    void SetSelectedProperty(const ole::Ptr<CProperty>& value);
    bool GetShowDescription() const;
    void LetShowDescription(bool value);
    bool GetShowTabs() const;
    void LetShowTabs(bool value);
    bool GetShowToolTip() const;
    void LetShowToolTip(bool value);
    bool GetSorted() const;
    void LetSorted(bool value);
    bool GetSortOnHeaderClick() const;
    void LetSortOnHeaderClick(bool value);
    int32_t GetSortOrder() const;
    void LetSortOrder(int32_t value);
    int32_t GetTreeStyle() const;
    void LetTreeStyle(int32_t value);
    std::string GetValueCaption() const;
    void LetValueCaption(const std::string& value);

    // ---- Methods ----
    bool LoadObjectProperties(ole::Variant& aVBObject, const ole::Variant& bClear,
                              const ole::Variant& bAutoUpdate);
    // Repaints the whole control unless LockRefresh is set.
    void Refresh();
    bool RegisterEditor(const std::string& sKey, const ole::Ptr<ole::Object>& anEditor);
    void UnRegisterEditor(const std::string& sKey);

    // ---- For painting, layout and tests inside the library ----
    bool Released() const { return m_released; }
    const GridSettings& Settings() const { return m_settings; }
    win::HWND GridWnd() const { return m_GridWnd; }
    int32_t RowHeight() const { return m_RowHeight; }
    int32_t HeaderHeightPixels() const { return m_HeaderHeight; }
    ole::Ptr<CNodes> ActiveNodes() const { return m_ActiveNodes; }
    ole::Ptr<CNodes> AlphabeticNodes() const;
    ole::Ptr<CNodes> CategorizedNodes() const;
    ole::Ptr<CNode> SelectedNode() const { return m_SelectedNode; }
    ole::Ptr<CEditor> ActiveEditor() const { return m_ActiveEditor; }
    CSplitter* HeaderSplitter() const { return m_HeaderSplitter.Get(); }
    CSplitter* ContainerSplitter() const { return m_ContainerSplitter.Get(); }
    forms::PictureBox* Panel(std::string_view name) const;
    forms::VScrollBar* ScrollBar() const { return m_VScroll.Get(); }
    bool ScrollBarShown() const;

    // ---- Unit conversions: pixels and the control's own scale units ----
    float PixelsToScaleX(float pixels) const;
    float PixelsToScaleY(float pixels) const;
    float ScaleToPixelsX(float units) const;
    float ScaleToPixelsY(float units) const;

    // ---- Layout and selection ----
    void ApplyScaleUnits(std::string_view scaleUnits);
    void LayoutControls();
    void UpdateScrollBar();
    void LayoutRows();
    // How rows and their cells are placed at the current size, name column and scroll bar.
    RowPlacement Placement() const;
    win::RECT GetCellRect(const ole::Ptr<CNode>& node, int32_t column) const;
    int32_t ColumnFromX(int32_t x) const;
    void SelectNode(const ole::Ptr<CNode>& node);
    // Header height in the control's scale units (stored in pixels).
    int32_t GetHeaderHeight() const;
    void LetHeaderHeight(int32_t value);

    // ---- Row trees ----
    void ExpandAncestors(const ole::Ptr<CNode>& node);
    void InvalidateNodeRow(const ole::Ptr<CNode>& node);
    // The rows a user can reach, top to bottom; f returns false to stop.
    template <class F>
    void ForEachVisibleRow(F&& f) const;

    // ---- Painting ----
    void CalcRowHeight();
    void PaintGridArea(win::HDC hdc, const win::RECT& update);
    // Repaints the grid window unless LockRefresh is set.
    void RefreshGrid();

    // ---- Editing ----
    // Commits the open editor; a failing Commit is reported through DisplayError, then the
    // editor is hidden and forgotten and the grid takes the focus. Returns false on failure.
    bool CommitActiveEditor();
    // Raises DisplayError and shows the box unless the host clears bShowMsgBox.
    void DisplayError(const ole::Error& error);

    // ---- CNodesOwner, CPropertyOwner, CPropertyListener, cSubclassListener ----
    ole::Ptr<CProperty> NodeProperty(std::string_view internalKey) override;
    void NodeExpandedChanged(CNode& node) override;
    int32_t PropertyBackColor() const override { return m_settings.propertyBackColor; }
    int32_t PropertyForeColor() const override { return m_settings.propertyForeColor; }
    void PropertyChanged(CProperty& aProperty) override;
    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

protected:
    ZAVeravuvuDudu();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void OnInitialize() override;
    void OnInitProperties() override;
    void OnReadProperties(ole::PropertyBag& bag) override;
    void OnWriteProperties(ole::PropertyBag& bag) override;
    void OnResize() override;
    void OnAmbientChanged(const std::string& name) override;
    void OnTerminate() override;

private:
    // ---- Life cycle ----
    void InitRuntime();
    void CreateChildren();
    void ConnectChildEvents();
    void CreateBuiltinEditors();
    void InstallGridSubclass();
    void RemoveGridSubclass();
    void ReleaseResources();
    // Defaults of the persisted properties that depend on the control: the container's font, and
    // 10 pixels of indentation in the control's scale units.
    ole::Ptr<ole::Font> DefaultFont();
    float DefaultIndentation() const;
    // The ambient font and every default: where a control starts, new or read from a bag.
    void StartFromDefaults();

    // ---- Handlers of the collection's events ----
    void OnPropertyAdded(const ole::Ptr<CProperty>& aProperty);
    void OnPropertyDeleted(const ole::Ptr<CProperty>& aProperty);
    void OnPropertiesCleared();
    // False when every row that adding or removing the property under `key` makes, removes or
    // changes lies past the row laid out below the grid, so the rows on screen stay as they are:
    // a host adding or removing row by row pays for what is shown, not for what exists. `made` is
    // the number of rows the add just made in the active tree (0 for a removal).
    bool KeyRowsMayShow(const std::string& key, int32_t made) const;
    // After rows came or went: the scroll range follows, and the rows are laid out and repainted
    // unless `mayShow` is false and the bar kept its visibility and its top row.
    void FollowRowChange(bool mayShow);
    // Drops a selected or edited row that the active tree no longer holds.
    void DropStaleSelection();
    // True while the active tree still holds the row (host code may remove or replace rows).
    bool HoldsRow(const ole::Ptr<CNode>& row) const;
    CategoryLook CurrentCategoryLook() const;
    // Applies a category setting to every category row of the categorized tree.
    void ForEachCategoryRow(const std::function<void(CNode&)>& apply);

    // ---- Handlers of the children's events ----
    void OnTabContainerResize();
    void OnTreeContainerPaint();
    void OnContainerSplitterLocationChanged();
    void OnHeaderSplitterLocationChanged();

    // ---- Grid messages ----
    win::LRESULT OnGridPaint();
    // A splitter whose container lost the mouse capture ends its drag.
    void OnSplitterContainerCaptureLost(win::HWND container);
    win::LRESULT OnGridCtlColor(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                win::LPARAM lParam, bool& bRouteToOriginal);
    win::LRESULT HandleTooltipNotify(win::HWND hwnd, win::WPARAM wParam, win::LPARAM lParam,
                                     bool& bRouteToOriginal);

    // ---- Layout helpers ----
    void LayoutTabs();
    int32_t ScaleModeOfGrid() const;
    void ApplyFonts();
    // Repaints the header, tab and description panels (each unconditionally).
    void RepaintHeaders();
    void RepaintTabs();
    void RepaintDescription();

    // Raises one of the control's events holding a reference to itself (handlers may release
    // the control's last outside reference).
    void Raise(EventId id, std::span<ole::Variant> args = {});

    // Further private declarations, one block per part of the implementation.
    // -- life cycle and persistence --
    // Children's events reach the control through sinks built from these: a handler holds the
    // control during the call and keeps its failures inside. The Connect*Events functions wire
    // the events of each part of the control.
    using ChildEventHandler = std::function<void(ZAVeravuvuDudu&, std::span<ole::Variant>)>;
    ole::EventSink::Handler ChildHandler(ChildEventHandler handler);
    void ConnectChild(const ole::Ptr<ole::Object>& source, const ole::Ptr<ole::EventSink>& sink);
    void ConnectInputEvents();
    void ConnectHeaderEvents();
    void ConnectPaneEvents();
    void ConnectEditorEvents();
    // The control font changed (through Font set or the object Font returned): the panels,
    // editors and headers take it and the control repaints.
    void OnFontChanged();
    // -- properties and automation --
    // Repaints the panel's own window now (not its children); a missing or dead panel is skipped.
    static void RedrawPanel(const ole::Ptr<forms::PictureBox>& panel);
    // -- layout, rows, grid messages, editing --
    // Handlers of m_editListener's CommitEdit and CancelEdit.
    void OnEditorCommitEdit(const ole::Ptr<ole::Object>& anEditor);
    void OnEditorCancelEdit(const ole::Ptr<ole::Object>& anEditor);
    void EndEdit(const ole::Ptr<CEditor>& anEditor, bool bCancel);
    // Stores an accepted value into the row the way its editor type asks.
    void StoreEditedValue(const ole::Ptr<CNode>& row, const ole::Ptr<CProperty>& edited,
                          const ole::Variant& newValue);
    // A row of the active view was expanded or collapsed: lay out, keep the selection shown.
    void OnRowExpandedChanged(const ole::Ptr<CNode>& row);
    // Grid geometry shared by layout, scroll bar and cell rectangles.
    float GridScaleWidthPixels() const;
    float GridScaleHeightPixels() const;
    int32_t HeaderPixelsInGrid() const;
    int32_t ScrollBarWidth() const;
    // Set while SelectNode runs: a nested selection through ExpandAncestors starts no edit.
    int32_t m_selectDepth = 0;
    friend struct GridTestAccess;

    // -- input, scrolling, hover and help --
    void HandleGridClick();
    void FocusTextBoxUnder(const ole::Ptr<CNode>& row, win::POINT pt);
    void HandleGridDblClick();
    void HandleGridKey(int16_t& KeyCode, int16_t Shift);
    void OnGridMouseMove(int16_t button, float x, float y);
    void OnScrollChange();
    void OnScrollGotFocus();
    void OnScrollWheel(int32_t delta);
    // The row whose RowRect strictly contains the grid point, or nothing.
    ole::Ptr<CNode> HitTestNode(int32_t x, int32_t y) const;
    // The grid point under the cursor.
    win::POINT GridCursorPos() const;
    // Scrolls until the row is in view, to where stepping row by row would stop.
    void EnsureNodeVisible(const ole::Ptr<CNode>& node);
    void RequestHelp(int16_t& KeyCode);
    void ShowPropertyHelp(const std::string& sHelpFile, int32_t nHelpContext);
    // Hover tooltip over clipped names and values.
    void UpdateHoverToolTip(float x, float y);
    bool PositionToolTip();
    // Row numbers are unique within one tree only: a view switch or a refill puts other rows
    // under the numbers the tip was built for.
    void ForgetHoveredCell();
    // Text start of a cell: past the tree indent for names, past the swatch for colour values.
    int32_t CellTextOffset(const ole::Ptr<CNode>& node, int32_t column) const;
    // The rows scrolled off the top as the rows were last laid out, and how the bar's units map
    // to rows.
    int64_t m_TopRow = 0;
    ScrollScale m_ScrollScale;
    // The rows the last layout placed where the grid can show them, top to bottom: what painting
    // and hit testing look at.
    std::vector<ole::Ptr<CNode>> m_LaidOut;
    // The last of m_LaidOut starts below the grid: the rows after it are out of sight.
    bool m_LaidOutPastGrid = false;
    int32_t m_HoverRow = 0;
    int32_t m_HoverColumn = 0;
    // Wheel movement short of a whole notch, kept for the next message.
    int32_t m_wheelRemainder = 0;
    // Set while a layout narrows the scroll range: the value it clamps moves rows without
    // ending the edit.
    bool m_settingScrollRange = false;
    friend struct InputTestAccess;
    // -- headers and sorting --
    void PaintHeader(win::HWND hwnd, bool bNameHeader);
    void DrawSortArrow();
    // A header click: sorts the active row tree and shows the arrow.
    void SortOnHeader(bool bNameButtonClicked);
    // The comparison events of CustomSort; bSwap is read back.
    bool RaisePropertyCompare(const ole::Ptr<CNode>& first, const ole::Ptr<CNode>& second,
                              bool bNameButtonClicked, bool bSwap);
    bool RaiseCategoryCompare(const ole::Ptr<CNode>& first, const ole::Ptr<CNode>& second,
                              bool bNameButtonClicked, bool bSwap);
    void AutoFitNameColumn();
    int32_t MeasureWidestName();
    // The widest name column in pixels: the control's width less twice a shown scroll bar.
    int64_t NameColumnLimitPixels() const;
    // The header splitter's location in pixels, and a pixel location set into it: as the name
    // column's new share, or as the limit the layout holds it to.
    double HeaderSplitterPixels() const;
    void LetHeaderSplitterPixels(double pixels, bool asLimit = false);
    // Set while the splitter handler moves the bar back inside the control: the event it raises
    // again only re-lays the columns.
    bool m_limitingHeaderSplitter = false;
    // -- tabs and description pane --
    void OnTabContainerPaint();
    void PaintTabStrip();
    // Insets are in tab strip units; bFocus adds the focus rectangle around the caption.
    void DrawTab(const std::string& caption, const win::RECT& rect, float leftInset, float topInset,
                 float rightInset, bool bFocus);
    // The view whose tab holds (x, y) in strip units, or -1; left and top edges belong to a tab.
    int32_t TabViewAt(float x, float y) const;
    void OnTabMouseDown(int16_t button, float x, float y);
    void OnTabKeyDown(int16_t keyCode);
    void OnTabLostFocus();
    void PaintDescription();
    // The selected row's property, or null for no selection, a category or a stale row.
    ole::Ptr<CProperty> DescribedProperty() const;
    // Set by a click on a tab, cleared when the strip loses the focus: arrows and focus rectangle.
    bool m_TabFocus = false;
    friend struct PaneTestAccess;
    // -- editor registry and in-place editing --
    // Opens the registry's editor over the selected row; every failure is reported.
    void BeginEdit();
    void PositionEditor(const ole::Ptr<CEditor>& anEditor, const ole::Ptr<CNode>& aNode);
    // The open editor over its row again, after the rows were laid out.
    void PlaceOpenEditor();
    ole::Ptr<CEditor> RegisteredEditor(const std::string& key) const;
    // The registry's editor an event names: the object itself, or the adapter around a host
    // object (a host editor notifies with itself, not with its adapter).
    ole::Ptr<CEditor> EditorOfObject(const ole::Ptr<ole::Object>& anEditor) const;
    // True when `key`'s registry editor is the open one.
    bool IsOpenEditor(const char* key) const;
    // Gives an editor the font for `editorType`: a copy into the bound control's own font (with
    // the row's Bold and Italic when `rowStyle`), else the "EditorFont" handle, always styled.
    void GiveEditorFont(const ole::Ptr<CEditor>& editor, int32_t editorType,
                        const ole::Ptr<CNode>& row, bool rowStyle);
    // The open editor after a change of the control font: font again, then placed again.
    void ReapplyEditorFont();
    void OnCustomDialogRequest();
    void OnTextEditorKeyPress(ole::Variant& keyAscii);
    void OnListEditorChange();
    void OnColorEditorSelectedColorChanged();
    // -- loading an object's properties --
    // The type-information service's description of the object's dispatch interface (an
    // InterfaceInfo), or nothing.
    ole::Ptr<ole::Object> GetObjectInterfaceInfo(const ole::Ptr<ole::Object>& anObject);
    // Values are read from and written back to aVBObject; `described` gives the type information.
    void AddTypeInfoProperties(const ole::Variant& aVBObject,
                               const ole::Ptr<ole::Object>& described, bool bAutoUpdate);
    void AddStandardProperties(const ole::Variant& aVBObject, bool bAutoUpdate);
    ole::Ptr<CProperty> AddStandardProperty(const ole::Variant& aVBObject, std::string_view sName,
                                            std::string_view sCategory, bool bAsObject,
                                            bool bTestWriteBack, bool bAutoUpdate);
    // Removes this very property: looking it up by its internal key could find another property
    // whose host key equals that text.
    void RemoveLoadedProperty(const ole::Ptr<CProperty>& aProperty);

    GridSettings m_settings;
    bool m_released = false;
    bool m_runtimeReady = false;

    // Shared so that a paint pass keeps the cache it draws with when a PropertyDraw handler
    // tears the control down.
    std::shared_ptr<shared::CResourceMgr> m_ResourceMgr;
    ole::Ptr<ole::Font> m_Font;
    ole::Ptr<ole::Font> m_DrawFont;
    ole::Ptr<CEditorListener> m_editListener;
    ole::Ptr<ole::Object> m_CusDlgListener;
    std::unique_ptr<shared::CTooltip> m_Tooltip;
    ole::Ptr<CProperties> m_CProperties;
    std::unique_ptr<CRowTrees> m_Rows;
    ole::Ptr<CNodes> m_ActiveNodes;

    // Constituents of the surface.
    ole::Ptr<forms::PictureBox> m_picBG;
    ole::Ptr<forms::PictureBox> m_picTabContainer;
    ole::Ptr<forms::PictureBox> m_picTreeContainer;
    ole::Ptr<forms::PictureBox> m_picHeaderContainer;
    ole::Ptr<forms::PictureBox> m_picNameHeader;
    ole::Ptr<forms::PictureBox> m_picValueHeader;
    ole::Ptr<forms::PictureBox> m_picDescPane;
    ole::Ptr<forms::VScrollBar> m_VScroll;
    ole::Ptr<forms::Label> m_lblDummy;
    ole::Ptr<forms::TextBox> m_TextEditor;
    // The list-box and colour-picker controls, created by ProgID (their extenders); null when
    // their libraries are not available.
    ole::Ptr<ole::Object> m_ListEditor;
    ole::Ptr<ole::Object> m_ColorEditor;
    // Sinks on the children's and the collection's events, with their connection cookies.
    std::vector<std::pair<ole::Ptr<ole::Object>, uint32_t>> m_connections;

    win::HWND m_GridWnd;
    bool m_GridSubclassed = false;
    // The splitters' containers, subclassed with the grid to hear of a lost mouse capture.
    std::vector<win::HWND> m_SplitterContainerWnds;
    int32_t m_HeaderHeight = 0;
    int32_t m_RowHeight = 0;
    int32_t m_TabWidth = 0;
    int32_t m_TabHeight = 0;
    win::RECT m_FirstTabRect{};
    win::RECT m_SecondTabRect{};
    ole::Ptr<CSplitter> m_HeaderSplitter;
    ole::Ptr<CSplitter> m_ContainerSplitter;

    ole::Ptr<CNode> m_SelectedNode;
    ole::Ptr<ole::Collection> m_Editors;
    ole::Ptr<CEditor> m_ActiveEditor;
    ole::Ptr<CNode> m_EditNode;
    int32_t m_EditCell = 0;
    ole::Ptr<ole::Object> m_TypeInfoApp;
};

template <class F>
void ZAVeravuvuDudu::ForEachVisibleRow(F&& f) const {
    if (!m_ActiveNodes)
        return;
    const ole::Ptr<CNodes> tree = m_ActiveNodes;
    for (int32_t i = 0; i < tree->VisibleCount(); ++i) {
        if (!f(tree->VisibleRow(i)))
            return;
    }
}

} // namespace attrgrid
