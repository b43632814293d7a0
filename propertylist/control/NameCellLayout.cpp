#include "propertylist/control/NameCellLayout.h"

#include "propertylist/control/GridGeometry.h"

#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/picture/Picture.h"

namespace attrgrid {

namespace {

constexpr double kHimetricPerPixel = 2540.0 / 96.0;

// The box is half the row high, rounded down to an even number of pixels so that it has a
// middle pixel.
int32_t BoxSize(int32_t rowHeight) {
    int32_t box = grid::ToInt(rowHeight / 2.0);
    if (box % 2 != 0)
        --box;
    return box;
}

ole::Ptr<ole::Picture> ShownPicture(const CNode& row) {
    try {
        auto picture = ole::PtrCast<ole::Picture>(row.Picture());
        return picture && picture->Type() != 0 ? picture : nullptr;
    } catch (const ole::Error&) {
        return nullptr;
    }
}

} // namespace

NameCellLayout NameCellLayout::Of(const CNode& row, const GridSettings& settings,
                                  int32_t rowHeight) {
    NameCellLayout layout;
    const int32_t box = BoxSize(rowHeight);
    const double indentation = settings.indentation;
    const double indent = indentation * (row.Level() - 1);
    const bool categorized = settings.Categorized();
    const bool boxes = categorized && settings.PlusMinus();
    int64_t x = 2;
    if (boxes) {
        const int64_t left = grid::ToInt(indent + 2);
        const int64_t top = grid::ToInt((rowHeight - box) / 2.0);
        layout.plusMinus = grid::MakeRect(left, top, left + box + 1, top + box + 1);
        layout.treeLineX = BoxMiddle(layout.plusMinus.left, layout.plusMinus.right);
        x = int64_t{layout.plusMinus.right} + 2;
    } else if (categorized) {
        x = grid::ToInt(indent);
        layout.treeLineX = grid::ToInt(static_cast<double>(x) + box / 2 - indentation);
    }
    if (const auto picture = ShownPicture(row)) {
        ole::ResumeNext([&] {
            const int32_t width = grid::ToInt(picture->Width() / kHimetricPerPixel);
            const int32_t height = grid::ToInt(picture->Height() / kHimetricPerPixel);
            int64_t y0 = 0;
            int64_t y1 = rowHeight;
            if (rowHeight > height) {
                y0 = (rowHeight - height) / 2;
                y1 = y0 + height;
            }
            layout.picture = grid::MakeRect(x, y0, x + width, y1);
            x = int64_t{layout.picture.right} + 2;
        });
    }
    layout.textLeft = grid::Clamp32(x);
    return layout;
}

} // namespace attrgrid
