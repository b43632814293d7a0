#include "platform/forms/control/Placement.h"

#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/error/Error.h"
#include "platform/win/window/Geometry.h"

#include <cmath>

namespace forms {

namespace {

bool Given(const ole::Variant& v) {
    return !v.IsMissing() && !v.IsEmpty();
}

// A place or size that is no finite number has no pixels; a NaN would otherwise become 0.
bool Refused(const ole::Variant& v, bool length) {
    if (!Given(v))
        return false;
    const double value = ole::FromVariant<double>(v);
    return !std::isfinite(value) || (length && value < 0);
}

} // namespace

float Placement::Left() const {
    return static_cast<float>(PlacementScale().PositionFromPixels(PixelBounds().left, Axis::X));
}

float Placement::Top() const {
    return static_cast<float>(PlacementScale().PositionFromPixels(PixelBounds().top, Axis::Y));
}

float Placement::Width() const {
    const win::RECT r = PixelBounds();
    return static_cast<float>(PlacementScale().LengthFromPixels(r.right - r.left, Axis::X));
}

float Placement::Height() const {
    const win::RECT r = PixelBounds();
    return static_cast<float>(PlacementScale().LengthFromPixels(r.bottom - r.top, Axis::Y));
}

void Placement::SetLeft(float left) {
    Move(left, ole::Variant::Missing(), ole::Variant::Missing(), ole::Variant::Missing());
}

void Placement::SetTop(float top) {
    Move(Left(), ole::Variant(top), ole::Variant::Missing(), ole::Variant::Missing());
}

void Placement::SetWidth(float width) {
    Move(Left(), ole::Variant(Top()), ole::Variant(width), ole::Variant::Missing());
}

void Placement::SetHeight(float height) {
    if (FixedHeight())
        ole::RaiseError(ole::ERR_READ_ONLY);
    Move(Left(), ole::Variant(Top()), ole::Variant(Width()), ole::Variant(height));
}

void Placement::Move(float left, const ole::Variant& top, const ole::Variant& width,
                     const ole::Variant& height) {
    if (!std::isfinite(left) || Refused(top, false) || Refused(width, true) ||
        Refused(height, true))
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    const ScaleSpace scale = PlacementScale();
    const win::RECT current = PixelBounds();
    const int x = scale.PositionToWholePixels(left, Axis::X);
    const int y = Given(top) ? scale.PositionToWholePixels(ole::FromVariant<double>(top), Axis::Y)
                             : current.top;
    const int cx = Given(width)
                       ? scale.LengthToWholePixels(ole::FromVariant<double>(width), Axis::X)
                       : current.right - current.left;
    const int cy = Given(height) && !FixedHeight()
                       ? scale.LengthToWholePixels(ole::FromVariant<double>(height), Axis::Y)
                       : current.bottom - current.top;
    // Pinned to the window manager's range first, so the far edge cannot overflow.
    const int pinnedX = win::PinCoordinate(x);
    const int pinnedY = win::PinCoordinate(y);
    SetPixelBounds(
        {pinnedX, pinnedY, pinnedX + win::PinCoordinate(cx), pinnedY + win::PinCoordinate(cy)});
}

} // namespace forms
