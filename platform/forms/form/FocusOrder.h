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
//
// The form keeps its controls' order by TabIndex here between key presses: a Tab looks at the
// focused control and the stops after it, not at every control of the form.
class FocusOrder {
public:
    // The form sited `control` with a TabIndex past every other.
    void Added(Control& control);
    // Controls went or were renumbered without the new order: it is sorted again when next used.
    void Invalidate();
    // After a renumbering that left the controls in `order`.
    void Assign(std::vector<Control*> order);

    // The form's controls by TabIndex, ties in the order they were added.
    const std::vector<Control*>& Controls(const Form& form);

    // True when the focus went to the chosen stop.
    bool Tab(const Form& form, win::HWND from, bool previous);
    // False when no shown control has the key.
    bool FocusAccessKey(const Form& form, int virtualKey, win::HWND focus);

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
    using Entries = std::vector<Entry>;

    // A control of the form and, after it, the constituents inside it; empty for a dead one.
    static Entries Stops(Control& control);
    static void Append(Entries& order, Control& control, bool surfacesTabStop);
    // Gives the entries in [begin, end) not yet inside a nested user control that range.
    static void SetSiblings(Entries& order, size_t begin, size_t end);
    // The entry whose window is `hwnd` or its nearest ancestor.
    static std::optional<size_t> PositionOf(const Entries& order, win::HWND hwnd);
    // Where the form control holding the window `hwnd` stands in Controls.
    std::optional<size_t> SlotOf(const Form& form, win::HWND hwnd);
    static bool TakesFocusItself(const Control& control);
    static bool IsStop(const Entry& entry);
    static bool Shown(const Control& control);
    static bool Focus(const Control& target);

    std::vector<Control*> m_controls;
    bool m_sorted = true;
};

} // namespace forms
