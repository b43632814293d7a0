#pragma once

#include "platform/forms/scale/ScaleMode.h"
#include "platform/win/WinTypes.h"

namespace forms {

// The coordinate system of a container's client area: ScaleMode and ScaleLeft/Top/Width/Height
// over a client size in pixels. In a fixed mode the extent follows the client size; in user mode
// the extent stays and the unit stretches with the client area.
//
// Lengths ignore the origin; positions are measured from ScaleLeft/ScaleTop. Conversions are in
// floating point; the *Pixel* helpers round the result half to even.
class ScaleSpace {
public:
    ScaleSpace() = default;
    explicit ScaleSpace(ScaleMode mode) : m_mode(mode) {}

    ScaleMode Mode() const { return m_mode; }
    // A fixed mode resets the origin to 0 and recomputes the extent from the client size; User
    // keeps the current values as the user system. HIMETRIC or unknown raise 380.
    void SetMode(ScaleMode mode);
    void SetMode(int mode);

    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const;
    double Height() const;
    // Each makes the mode User, keeping the other three values. A zero extent raises 380.
    void SetLeft(double left);
    void SetTop(double top);
    void SetWidth(double width);
    void SetHeight(double height);
    // The Scale method: a user system from two corners; no arguments restores twips.
    void SetUser(double left, double top, double width, double height);

    win::SIZE ClientPixels() const { return m_client; }
    void SetClientPixels(win::SIZE client) { m_client = client; }

    // Pixels per unit along an axis; 0 when a user system has no client area.
    double PixelsPerUnit(Axis axis) const;

    double LengthToPixels(double units, Axis axis) const;
    double LengthFromPixels(double pixels, Axis axis) const;
    double PositionToPixels(double units, Axis axis) const;
    double PositionFromPixels(double pixels, Axis axis) const;
    int LengthToWholePixels(double units, Axis axis) const {
        return RoundToPixels(LengthToPixels(units, axis));
    }
    int PositionToWholePixels(double units, Axis axis) const {
        return RoundToPixels(PositionToPixels(units, axis));
    }

    // ScaleX/ScaleY: a length between any two modes (0..8); user mode goes through this space.
    // Unknown modes raise 380.
    double Convert(double value, int from, int to, Axis axis) const;

private:
    double FixedExtent(Axis axis) const;

    ScaleMode m_mode = ScaleMode::Twips;
    double m_left = 0.0;
    double m_top = 0.0;
    // Only meaningful in user mode.
    double m_width = 0.0;
    double m_height = 0.0;
    win::SIZE m_client;
};

} // namespace forms
