#include "propertylist/control/paint/RowColors.h"

#include "shared/util/ColorUtils.h"

#include "platform/ole/error/Error.h"

namespace attrgrid {

namespace {

bool IsCategory(const CNode& row) {
    return row.NodeType() == NodeKind::Category;
}

// A property row reads its property's colour, which may fail when the property has just gone;
// the row then paints in the default.
template <class Getter>
int32_t RowColor(const CNode& row, Getter get) {
    try {
        return get(row);
    } catch (const ole::Error&) {
        return -1;
    }
}

} // namespace

win::COLORREF RowColors::Back(const GridSettings& settings, const CNode& row) {
    const int32_t fallback =
        IsCategory(row) ? settings.categoryBackColor : settings.propertyBackColor;
    const int32_t own = RowColor(row, [](const CNode& r) { return r.BackColor(); });
    return shared::TranslateColor(static_cast<uint32_t>(ResolveColor(own, fallback)));
}

win::COLORREF RowColors::Fore(const GridSettings& settings, const CNode& row) {
    const int32_t fallback =
        IsCategory(row) ? settings.categoryForeColor : settings.propertyForeColor;
    const int32_t own = RowColor(row, [](const CNode& r) { return r.ForeColor(); });
    return shared::TranslateColor(static_cast<uint32_t>(ResolveColor(own, fallback)));
}

win::COLORREF RowColors::CellBack(const GridSettings& settings, const CNode& row, bool selected) {
    return selected ? shared::TranslateColor(static_cast<uint32_t>(settings.highlightBackColor))
                    : Back(settings, row);
}

win::COLORREF RowColors::CellFore(const GridSettings& settings, const CNode& row, bool selected) {
    return selected ? shared::TranslateColor(static_cast<uint32_t>(settings.highlightForeColor))
                    : Fore(settings, row);
}

} // namespace attrgrid
