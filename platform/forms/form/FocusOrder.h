#pragma once

#include "platform/ole/object/Ptr.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace forms {

class Control;
class Form;

// Where the keyboard goes on a form: its controls by TabIndex, and right after a user control's
// surface its constituents by their own TabIndex (ties keep the order they were added in),
// nested user controls alike. A surface whose constituents take the focus is no stop itself,
// and Tab passes over the constituents of a surface whose TabStop is False.
//
//   Tab, Shift+Tab   the next (previous) stop after (before) the focused control, wrapping; so
//                    the focus leaves a user control after its last constituent
//   Alt+letter       the next shown control with that access key after the focused one,
//                    wrapping, so repeated presses cycle through the controls sharing the key; a
//                    control that cannot take the focus (a Label) passes it to the next stop
//                    among its siblings (the same user control's constituents, or the form's
//                    controls), wrapping among them
// Each moves the focus with one SetFocus attempt.
class FocusOrder {
public:
    explicit FocusOrder(const Form& form);

    // True when the focus went to the chosen stop.
    bool Tab(win::HWND from, bool previous) const;
    // False when no shown control has the key.
    bool FocusAccessKey(int virtualKey, win::HWND focus) const;

    // The controls by TabIndex, ties in their given order.
    static std::vector<Control*> ByTabIndex(const std::vector<ole::Ptr<Control>>& controls);

private:
    struct Entry {
        Control* control;
        // Tab may stop on it: its TabStop and that of every surface around it.
        bool tabStop;
        // The positions of its siblings, itself included.
        size_t siblingsBegin = 0;
        size_t siblingsEnd = 0;
    };

    void Append(Control& control, bool surfacesTabStop);
    // Gives the entries in [begin, end) not yet inside a nested user control that range.
    void SetSiblings(size_t begin, size_t end);
    // The control whose window is `hwnd` or its nearest ancestor.
    std::optional<size_t> PositionOf(win::HWND hwnd) const;
    static bool TakesFocusItself(const Control& control);
    static bool Shown(const Control& control);
    static bool Focus(const Control& target);

    std::vector<Entry> m_order;
};

} // namespace forms
