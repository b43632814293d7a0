#pragma once

#include <cstdint>

namespace attrgrid {

// What the list passes on from its own child controls to the editors built on them. Only the
// editor that drives the control implements the matching interface, so the list can tell
// whether the open editor takes the event.

// The text editors: keys typed into the list's text box (KeyAscii by reference; 0 drops it).
class TextBoxKeys {
public:
    virtual void KeyPress(int16_t& KeyAscii) = 0;

protected:
    ~TextBoxKeys() = default;
};

// The list editor: the list box reported a change of its selection.
class ListBoxEvents {
public:
    virtual void ListEditorChange() = 0;

protected:
    ~ListBoxEvents() = default;
};

// The colour editor: the colour picker reported a new colour.
class ColorPickerEvents {
public:
    virtual void ColorPickerSelectedColorChanged() = 0;

protected:
    ~ColorPickerEvents() = default;
};

} // namespace attrgrid
