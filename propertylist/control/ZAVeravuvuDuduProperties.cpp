// The public properties. A setter compares, stores, tells the container (by the property's key),
// then lays out or repaints; grid and whole-control repaints wait while LockRefresh is set.
// After the teardown setters do nothing and getters give their plain field.

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/library/AttrgridErrors.h"

#include "platform/ole/text/TextEdits.h"
#include "platform/win/Win.h"

#include <cmath>

namespace attrgrid {

namespace {

constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);

// The trimmed text of a validating text setter; blanks only are refused.
std::string ValidCaption(std::string_view text, std::string_view descriptionPrefix) {
    std::string trimmed(ole::Trim(text));
    if (trimmed.empty())
        ole::RaiseError(errors::InvalidPropertyValue, ZAVeravuvuDudu::kLibraryName,
                        descriptionPrefix);
    return trimmed;
}

} // namespace

// ---- ActiveView ----

int32_t ZAVeravuvuDudu::GetActiveView() const {
    return m_settings.activeView;
}

void ZAVeravuvuDudu::LetActiveView(int32_t value) {
    if (m_released || value == m_settings.activeView)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    CommitActiveEditor();
    // The commit raises events; a handler may have switched the view or torn the control down.
    if (m_released || value == m_settings.activeView)
        return;

    m_settings.activeView = value;
    m_ActiveNodes = m_settings.Categorized() ? CategorizedNodes() : AlphabeticNodes();
    ForgetHoveredCell();
    UpdateScrollBar();
    LayoutRows();

    if (const ole::Ptr<CNode> selected = m_SelectedNode) {
        if (selected->NodeType() == NodeKind::Category) {
            SelectNode(nullptr);
        } else {
            ole::Ptr<CNode> found;
            try {
                auto property = ole::PtrCast<CProperty>(selected->Property());
                if (property && m_ActiveNodes)
                    found = m_ActiveNodes->ItemByKey(property->GetInternalKey());
            } catch (const ole::Error&) {
            }
            SelectNode(nullptr);
            // A row under a collapsed category at any level is not shown, so it can't be the
            // selection (selecting it would expand its ancestors behind the user's back).
            bool shown = found != nullptr;
            for (auto parent = found ? found->Parent() : nullptr; shown && parent;
                 parent = parent->Parent())
                shown = parent->Expanded();
            if (shown)
                SelectNode(found);
        }
    }

    UserControl::PropertyChanged(IdActiveView);
    RepaintTabs();
    // The view switch repaints even under LockRefresh: the rows shown have changed.
    if (m_GridWnd) {
        win::InvalidateRect(m_GridWnd, nullptr, win::TRUE);
        win::UpdateWindow(m_GridWnd);
    }
    Raise(EvActiveViewChanged);
}

// ---- Tab captions ----

std::string ZAVeravuvuDudu::GetAlphabeticTabCaption() const {
    return m_settings.alphabeticTabCaption;
}

void ZAVeravuvuDudu::LetAlphabeticTabCaption(const std::string& value) {
    if (m_released)
        return;
    std::string caption = ValidCaption(value, {});
    if (caption == m_settings.alphabeticTabCaption)
        return;
    m_settings.alphabeticTabCaption = std::move(caption);
    UserControl::PropertyChanged(IdAlphabeticTabCaption);
    LayoutTabs();
    RepaintTabs();
}

std::string ZAVeravuvuDudu::GetCategorizedTabCaption() const {
    return m_settings.categorizedTabCaption;
}

void ZAVeravuvuDudu::LetCategorizedTabCaption(const std::string& value) {
    if (m_released)
        return;
    std::string caption = ValidCaption(value, {});
    if (caption == m_settings.categorizedTabCaption)
        return;
    m_settings.categorizedTabCaption = std::move(caption);
    UserControl::PropertyChanged(IdCategorizedTabCaption);
    LayoutTabs();
    RepaintTabs();
}

// ---- Appearance and border of the surface and the grid window ----

int32_t ZAVeravuvuDudu::GetAppearance() const {
    if (!m_released && m_picTreeContainer)
        return m_picTreeContainer->Appearance();
    return UserControl::Appearance();
}

void ZAVeravuvuDudu::LetAppearance(int32_t value) {
    if (m_released || value == GetAppearance())
        return;
    const auto appearance = static_cast<int16_t>(value);
    UserControl::SetAppearance(appearance);
    if (m_picTreeContainer)
        m_picTreeContainer->SetAppearance(appearance);
    UserControl::PropertyChanged(IdAppearance);
    LayoutControls();
}

int32_t ZAVeravuvuDudu::GetBorderStyle() const {
    return UserControl::BorderStyle();
}

void ZAVeravuvuDudu::LetBorderStyle(int32_t value) {
    if (m_released || value == GetBorderStyle())
        return;
    UserControl::SetBorderStyle(static_cast<int16_t>(value));
    UserControl::PropertyChanged(IdBorderStyle);
}

// ---- Colours of the panels ----

int32_t ZAVeravuvuDudu::GetBackColor() const {
    return m_settings.backColor;
}

void ZAVeravuvuDudu::LetBackColor(int32_t value) {
    if (m_released || value == m_settings.backColor)
        return;
    m_settings.backColor = value;
    UserControl::PropertyChanged(IdBackColor);
    const ole::Variant color(value);
    for (auto* panel : {m_picHeaderContainer.Get(), m_picNameHeader.Get(), m_picValueHeader.Get(),
                        m_picDescPane.Get(), m_picTabContainer.Get(), m_picBG.Get()}) {
        if (panel)
            panel->SetBackColor(color);
    }
    Refresh();
}

int32_t ZAVeravuvuDudu::GetForeColor() const {
    return m_settings.foreColor;
}

void ZAVeravuvuDudu::LetForeColor(int32_t value) {
    if (m_released || value == m_settings.foreColor)
        return;
    m_settings.foreColor = value;
    UserControl::PropertyChanged(IdForeColor);
    const ole::Variant color(value);
    for (auto* panel : {m_picHeaderContainer.Get(), m_picNameHeader.Get(), m_picValueHeader.Get(),
                        m_picDescPane.Get(), m_picTabContainer.Get()}) {
        if (panel)
            panel->SetForeColor(color);
    }
    Refresh();
}

// ---- Category rows ----

int32_t ZAVeravuvuDudu::GetCategoryAppearance() const {
    return m_settings.categoryAppearance;
}

void ZAVeravuvuDudu::LetCategoryAppearance(int32_t value) {
    if (m_released || value == m_settings.categoryAppearance)
        return;
    m_settings.categoryAppearance = value;
    UserControl::PropertyChanged(IdCategoryAppearance);
    ForEachCategoryRow([value](CNode& row) { row.SetAppearance(value); });
    if (m_settings.Categorized())
        RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetCategoryBackColor() const {
    return m_settings.categoryBackColor;
}

void ZAVeravuvuDudu::LetCategoryBackColor(int32_t value) {
    if (m_released || value == m_settings.categoryBackColor)
        return;
    m_settings.categoryBackColor = value;
    UserControl::PropertyChanged(IdCategoryBackColor);
    // -1 is the rows' "default colour of a category row", so the default stays system-driven.
    const int32_t rowColor = value == kButtonFace ? -1 : value;
    ForEachCategoryRow([rowColor](CNode& row) { row.SetBackColor(rowColor); });
    if (m_settings.Categorized())
        RefreshGrid();
}

bool ZAVeravuvuDudu::GetCategoryBold() const {
    return m_settings.categoryBold;
}

void ZAVeravuvuDudu::LetCategoryBold(bool value) {
    if (m_released || value == m_settings.categoryBold)
        return;
    m_settings.categoryBold = value;
    UserControl::PropertyChanged(IdCategoryBold);
    ForEachCategoryRow([value](CNode& row) { row.SetBold(value); });
    if (m_settings.Categorized())
        RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetCategoryForeColor() const {
    return m_settings.categoryForeColor;
}

void ZAVeravuvuDudu::LetCategoryForeColor(int32_t value) {
    if (m_released || value == m_settings.categoryForeColor)
        return;
    m_settings.categoryForeColor = value;
    UserControl::PropertyChanged(IdCategoryForeColor);
    ForEachCategoryRow([value](CNode& row) { row.SetForeColor(value); });
    if (m_settings.Categorized())
        RefreshGrid();
}

std::string ZAVeravuvuDudu::GetCategorySeparator() const {
    return m_settings.categorySeparator;
}

void ZAVeravuvuDudu::LetCategorySeparator(const std::string& value) {
    if (m_released)
        return;
    std::string separator = ValidCaption(value, "CategorySeparator : ");
    if (separator == m_settings.categorySeparator)
        return;
    const std::string old = std::exchange(m_settings.categorySeparator, std::move(separator));
    UserControl::PropertyChanged(IdCategorySeparator);
    // Only the stored paths change; the rows already built keep their places.
    if (!m_CProperties)
        return;
    const ole::Ptr<CProperties> properties = m_CProperties;
    for (int32_t i = 1; i <= properties->Count(); ++i) {
        try {
            if (auto property = properties->Item(ole::Variant(i)))
                property->ReplaceCategorySeparator(old, m_settings.categorySeparator);
        } catch (const ole::Error&) {
        }
    }
}

// ---- Sorting ----

bool ZAVeravuvuDudu::GetCustomSort() const {
    return m_settings.customSort;
}

void ZAVeravuvuDudu::LetCustomSort(bool value) {
    if (m_released || value == m_settings.customSort)
        return;
    m_settings.customSort = value;
    UserControl::PropertyChanged(IdCustomSort);
}

bool ZAVeravuvuDudu::GetSorted() const {
    return m_settings.sorted;
}

void ZAVeravuvuDudu::LetSorted(bool value) {
    if (m_released || value == m_settings.sorted)
        return;
    m_settings.sorted = value;
    RedrawPanel(m_picNameHeader);
}

bool ZAVeravuvuDudu::GetSortOnHeaderClick() const {
    return m_settings.sortOnHeaderClick;
}

void ZAVeravuvuDudu::LetSortOnHeaderClick(bool value) {
    if (!m_released)
        m_settings.sortOnHeaderClick = value;
}

int32_t ZAVeravuvuDudu::GetSortOrder() const {
    return m_settings.sortOrder;
}

void ZAVeravuvuDudu::LetSortOrder(int32_t value) {
    if (m_released || value == m_settings.sortOrder)
        return;
    m_settings.sortOrder = value;
    UserControl::PropertyChanged(IdSortOrder);
    RedrawPanel(m_picNameHeader);
}

// ---- Plain fields ----

std::string ZAVeravuvuDudu::GetDefaultCategory() const {
    return m_settings.defaultCategory;
}

void ZAVeravuvuDudu::LetDefaultCategory(const std::string& value) {
    if (m_released || value == m_settings.defaultCategory)
        return;
    m_settings.defaultCategory = value;
    UserControl::PropertyChanged(IdDefaultCategory);
}

bool ZAVeravuvuDudu::GetEnabled() const {
    return UserControl::Enabled();
}

void ZAVeravuvuDudu::LetEnabled(bool value) {
    if (m_released || value == GetEnabled())
        return;
    UserControl::SetEnabled(value);
    UserControl::PropertyChanged(IdEnabled);
}

// ---- Font ----

ole::Ptr<ole::Font> ZAVeravuvuDudu::GetFont() const {
    return m_released ? nullptr : m_Font;
}

void ZAVeravuvuDudu::SetFont(const ole::Ptr<ole::Font>& value) {
    if (m_released)
        return;
    if (!value)
        ole::RaiseError(errors::InvalidPropertyValue, kLibraryName);
    if (!m_Font || m_Font->SameAttributes(*value))
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    // The control keeps its own font object: hosts holding it see the change.
    m_Font->CopyAttributesFrom(*value);
    UserControl::PropertyChanged(IdFont);
    if (m_picTabContainer)
        m_picTabContainer->SetFont(m_Font);
    if (m_lblDummy)
        m_lblDummy->SetFont(m_Font);
    ApplyFonts();
    Refresh();
}

// ---- Grid look ----

int32_t ZAVeravuvuDudu::GetGrid() const {
    return m_settings.grid;
}

void ZAVeravuvuDudu::LetGrid(int32_t value) {
    if (m_released || value == m_settings.grid)
        return;
    m_settings.grid = value;
    UserControl::PropertyChanged(IdGrid);
    RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetHeaders() const {
    return m_settings.headers;
}

void ZAVeravuvuDudu::LetHeaders(int32_t value) {
    if (m_released || value == m_settings.headers)
        return;
    m_settings.headers = value;
    UserControl::PropertyChanged(IdHeaders);
    RepaintHeaders();
    LayoutControls();
}

int32_t ZAVeravuvuDudu::GetHighlightBackColor() const {
    return m_settings.highlightBackColor;
}

void ZAVeravuvuDudu::LetHighlightBackColor(int32_t value) {
    if (m_released || value == m_settings.highlightBackColor)
        return;
    m_settings.highlightBackColor = value;
    UserControl::PropertyChanged(IdHighlightBackColor);
    if (m_SelectedNode)
        RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetHighlightForeColor() const {
    return m_settings.highlightForeColor;
}

void ZAVeravuvuDudu::LetHighlightForeColor(int32_t value) {
    if (m_released || value == m_settings.highlightForeColor)
        return;
    m_settings.highlightForeColor = value;
    UserControl::PropertyChanged(IdHighlightForeColor);
    if (m_SelectedNode)
        RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetHwnd() const {
    return m_released ? 0 : static_cast<int32_t>(m_GridWnd.Value());
}

float ZAVeravuvuDudu::GetIndentation() const {
    return PixelsToScaleX(m_settings.indentation);
}

void ZAVeravuvuDudu::LetIndentation(float value) {
    if (m_released)
        return;
    // NaN compares false with everything, so the test is written as "inside the range".
    constexpr float kPixelLimit = 2147483648.0F; // 2^31: the first pixel count past 32 bits
    const float pixels = std::isfinite(value) ? ScaleToPixelsX(value) : -1.0F;
    if (!(value >= 0.0F && pixels >= 0.0F && pixels < kPixelLimit))
        ole::RaiseError(errors::InvalidPropertyValue, "ZAVeravuvuDudu.Indentation");
    m_settings.indentation = pixels;
    UserControl::PropertyChanged(IdIndentation);
    LayoutRows();
    RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetLineColor() const {
    return m_settings.lineColor;
}

void ZAVeravuvuDudu::LetLineColor(int32_t value) {
    if (m_released || value == m_settings.lineColor)
        return;
    m_settings.lineColor = value;
    UserControl::PropertyChanged(IdLineColor);
    if (m_settings.grid != 0 || m_settings.Categorized())
        RefreshGrid();
}

bool ZAVeravuvuDudu::GetLockRefresh() const {
    return m_settings.lockRefresh;
}

void ZAVeravuvuDudu::LetLockRefresh(bool value) {
    if (m_released || value == m_settings.lockRefresh)
        return;
    m_settings.lockRefresh = value;
    if (value)
        return;
    UpdateScrollBar();
    LayoutRows();
    RefreshGrid();
}

// ---- Captions of the headers ----

std::string ZAVeravuvuDudu::GetNameCaption() const {
    return m_settings.nameCaption;
}

void ZAVeravuvuDudu::LetNameCaption(const std::string& value) {
    if (m_released || value == m_settings.nameCaption)
        return;
    m_settings.nameCaption = value;
    UserControl::PropertyChanged(IdNameCaption);
    RedrawPanel(m_picNameHeader);
}

std::string ZAVeravuvuDudu::GetValueCaption() const {
    return m_settings.valueCaption;
}

void ZAVeravuvuDudu::LetValueCaption(const std::string& value) {
    if (m_released || value == m_settings.valueCaption)
        return;
    m_settings.valueCaption = value;
    UserControl::PropertyChanged(IdValueCaption);
    RedrawPanel(m_picValueHeader);
}

// ---- Background picture ----

ole::Ptr<ole::Picture> ZAVeravuvuDudu::GetPicture() const {
    return m_released ? nullptr : m_settings.picture;
}

void ZAVeravuvuDudu::SetPicture(const ole::Ptr<ole::Picture>& value) {
    if (m_released || value.Get() == m_settings.picture.Get())
        return;
    // An empty picture is stored as none, so painting has one "no picture" case.
    ole::Ptr<ole::Picture> picture = value && value->Type() <= 0 ? nullptr : value;
    if (picture.Get() == m_settings.picture.Get())
        return;
    m_settings.picture = std::move(picture);
    UserControl::PropertyChanged(IdPicture);
    RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetPictureLayout() const {
    return m_settings.pictureLayout;
}

void ZAVeravuvuDudu::LetPictureLayout(int32_t value) {
    if (m_released || value == m_settings.pictureLayout)
        return;
    m_settings.pictureLayout = value;
    UserControl::PropertyChanged(IdPictureLayout);
    RefreshGrid();
}

// ---- The collection and property rows ----

ole::Ptr<CProperties> ZAVeravuvuDudu::GetProperties() const {
    return m_released ? nullptr : m_CProperties;
}

int32_t ZAVeravuvuDudu::GetPropertyBackColor() const {
    return m_settings.propertyBackColor;
}

void ZAVeravuvuDudu::LetPropertyBackColor(int32_t value) {
    if (m_released || value == m_settings.propertyBackColor)
        return;
    m_settings.propertyBackColor = value;
    UserControl::PropertyChanged(IdPropertyBackColor);
    RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetPropertyForeColor() const {
    return m_settings.propertyForeColor;
}

void ZAVeravuvuDudu::LetPropertyForeColor(int32_t value) {
    if (m_released || value == m_settings.propertyForeColor)
        return;
    m_settings.propertyForeColor = value;
    UserControl::PropertyChanged(IdPropertyForeColor);
    RefreshGrid();
}

int32_t ZAVeravuvuDudu::GetTreeStyle() const {
    return m_settings.treeStyle;
}

void ZAVeravuvuDudu::LetTreeStyle(int32_t value) {
    if (m_released || value == m_settings.treeStyle)
        return;
    m_settings.treeStyle = value;
    UserControl::PropertyChanged(IdTreeStyle);
    // The alphabetic view draws no tree, so only the categorized rows change geometry.
    if (m_settings.Categorized()) {
        LayoutRows();
        RefreshGrid();
    }
}

// ---- Panes ----

bool ZAVeravuvuDudu::GetShowDescription() const {
    return m_settings.showDescription;
}

void ZAVeravuvuDudu::LetShowDescription(bool value) {
    if (m_released || value == m_settings.showDescription)
        return;
    m_settings.showDescription = value;
    UserControl::PropertyChanged(IdShowDescription);
    if (m_ContainerSplitter)
        m_ContainerSplitter->LetHidePane(value ? 0 : 4);
    LayoutControls();
}

bool ZAVeravuvuDudu::GetShowTabs() const {
    return m_settings.showTabs;
}

void ZAVeravuvuDudu::LetShowTabs(bool value) {
    if (m_released || value == m_settings.showTabs)
        return;
    m_settings.showTabs = value;
    UserControl::PropertyChanged(IdShowTabs);
    LayoutControls();
}

bool ZAVeravuvuDudu::GetShowToolTip() const {
    return m_settings.showToolTip;
}

void ZAVeravuvuDudu::LetShowToolTip(bool value) {
    if (m_released || value == m_settings.showToolTip)
        return;
    m_settings.showToolTip = value;
    UserControl::PropertyChanged(IdShowToolTip);
    if (!value && m_Tooltip)
        m_Tooltip->Activate(false);
}

} // namespace attrgrid
