#pragma once

#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

namespace forms {

// Left, Top, Width, Height and Move of everything with a place: a form on the screen (twips), a
// control in its container (the container's scale units). The object reports its pixel bounds
// and their units; the members convert, so both read and round alike.
class Placement {
public:
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float left);
    void SetTop(float top);
    // Negative sizes and values that are no finite number raise 380; a Height let where the
    // height is fixed 383.
    void SetWidth(float width);
    void SetHeight(float height);
    // Top, Width and Height are optional (missing or empty keeps the current value); a negative
    // size, or any value that is no finite number, raises 380 before anything moves. A fixed
    // height stays.
    void Move(float left, const ole::Variant& top, const ole::Variant& width,
              const ole::Variant& height);

    // The bounds in pixels where the object lives: the screen for a form, the container's client
    // area for a control.
    virtual win::RECT PixelBounds() const = 0;
    virtual void SetPixelBounds(const win::RECT& bounds) = 0;

protected:
    ~Placement() = default;
    // The units of the members, over the same origin as PixelBounds.
    virtual ScaleSpace PlacementScale() const = 0;
    // Whether the height follows the font (a combo box): Height is read-only and Move keeps it.
    virtual bool FixedHeight() const { return false; }
};

} // namespace forms
