#include "platform/forms/scale/ScaleSpace.h"

#include "platform/ole/error/Error.h"

namespace forms {

double ScaleSpace::FixedExtent(Axis axis) const {
    const double pixels = axis == Axis::X ? m_client.cx : m_client.cy;
    return PixelsToUnits(pixels, m_mode, axis);
}

double ScaleSpace::Width() const {
    return m_mode == ScaleMode::User ? m_width : FixedExtent(Axis::X);
}

double ScaleSpace::Height() const {
    return m_mode == ScaleMode::User ? m_height : FixedExtent(Axis::Y);
}

void ScaleSpace::SetMode(int mode) {
    if (!IsContainerScaleMode(mode))
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    SetMode(static_cast<ScaleMode>(mode));
}

void ScaleSpace::SetMode(ScaleMode mode) {
    if (!IsContainerScaleMode(static_cast<int>(mode)))
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    if (mode == ScaleMode::User) {
        m_width = Width();
        m_height = Height();
        m_mode = ScaleMode::User;
        return;
    }
    m_mode = mode;
    m_left = 0.0;
    m_top = 0.0;
}

void ScaleSpace::SetLeft(double left) {
    SetUser(left, m_top, Width(), Height());
}

void ScaleSpace::SetTop(double top) {
    SetUser(m_left, top, Width(), Height());
}

void ScaleSpace::SetWidth(double width) {
    SetUser(m_left, m_top, width, Height());
}

void ScaleSpace::SetHeight(double height) {
    SetUser(m_left, m_top, Width(), height);
}

void ScaleSpace::SetUser(double left, double top, double width, double height) {
    if (width == 0.0 || height == 0.0)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_mode = ScaleMode::User;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

double ScaleSpace::PixelsPerUnit(Axis axis) const {
    if (m_mode != ScaleMode::User)
        return 1.0 / PixelsToUnits(1.0, m_mode, axis);
    const double pixels = axis == Axis::X ? m_client.cx : m_client.cy;
    const double extent = axis == Axis::X ? m_width : m_height;
    return extent == 0.0 ? 0.0 : pixels / extent;
}

double ScaleSpace::LengthToPixels(double units, Axis axis) const {
    if (m_mode != ScaleMode::User)
        return UnitsToPixels(units, m_mode, axis);
    return units * PixelsPerUnit(axis);
}

double ScaleSpace::LengthFromPixels(double pixels, Axis axis) const {
    if (m_mode != ScaleMode::User)
        return PixelsToUnits(pixels, m_mode, axis);
    const double perUnit = PixelsPerUnit(axis);
    return perUnit == 0.0 ? 0.0 : pixels / perUnit;
}

double ScaleSpace::PositionToPixels(double units, Axis axis) const {
    return LengthToPixels(units - (axis == Axis::X ? m_left : m_top), axis);
}

double ScaleSpace::PositionFromPixels(double pixels, Axis axis) const {
    return LengthFromPixels(pixels, axis) + (axis == Axis::X ? m_left : m_top);
}

double ScaleSpace::Convert(double value, int from, int to, Axis axis) const {
    if (!IsConversionScaleMode(from) || !IsConversionScaleMode(to))
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    if (from == to)
        return value;
    const auto fromMode = static_cast<ScaleMode>(from);
    const auto toMode = static_cast<ScaleMode>(to);
    // Through pixels when either side is the user system; otherwise by the fixed factors, so that
    // twips to inches stays exact.
    if (fromMode == ScaleMode::User || toMode == ScaleMode::User) {
        const double pixels = fromMode == ScaleMode::User ? value * PixelsPerUnit(axis)
                                                          : UnitsToPixels(value, fromMode, axis);
        if (toMode != ScaleMode::User)
            return PixelsToUnits(pixels, toMode, axis);
        const double perUnit = PixelsPerUnit(axis);
        return perUnit == 0.0 ? 0.0 : pixels / perUnit;
    }
    return ConvertUnits(value, fromMode, toMode, axis);
}

} // namespace forms
