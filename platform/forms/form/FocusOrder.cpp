#include "platform/forms/form/FocusOrder.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/UserControl.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace forms {

void FocusOrder::Added(Control& control) {
    if (m_sorted && (m_controls.empty() || m_controls.back()->TabIndex() <= control.TabIndex()))
        m_controls.push_back(&control);
    else
        Invalidate();
}

void FocusOrder::Invalidate() {
    m_sorted = false;
    m_controls.clear();
}

void FocusOrder::Assign(std::vector<Control*> order) {
    m_controls = std::move(order);
    m_sorted = true;
}

const std::vector<Control*>& FocusOrder::Controls(const Form& form) {
    if (!m_sorted)
        Assign(ByTabIndex(form.ControlList()));
    return m_controls;
}

FocusOrder::Entries FocusOrder::Stops(Control& control) {
    Entries stops;
    Append(stops, control, true);
    return stops;
}

void FocusOrder::Append(Entries& order, Control& control, bool surfacesTabStop) {
    if (!control.IsAlive())
        return;
    const bool tabStop = surfacesTabStop && control.TabStop();
    order.push_back(Entry{&control, tabStop});
    const auto* site = dynamic_cast<const Extender*>(&control);
    if (const auto inner = site ? site->Inner() : nullptr) {
        const size_t begin = order.size();
        for (Control* constituent : ByTabIndex(inner->Constituents()))
            Append(order, *constituent, tabStop);
        SetSiblings(order, begin, order.size());
    }
}

void FocusOrder::SetSiblings(Entries& order, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        if (order[i].siblingsEnd == 0) {
            order[i].siblingsBegin = begin;
            order[i].siblingsEnd = end;
        }
    }
}

std::vector<Control*> FocusOrder::ByTabIndex(const std::vector<ole::Ptr<Control>>& controls) {
    std::vector<Control*> order;
    order.reserve(controls.size());
    for (const auto& control : controls)
        order.push_back(control.Get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

bool FocusOrder::TakesFocusItself(const Control& control) {
    if (!control.CanTakeFocus())
        return false;
    const auto* site = dynamic_cast<const Extender*>(&control);
    const auto inner = site ? site->Inner() : nullptr;
    return !inner || std::none_of(inner->Constituents().begin(), inner->Constituents().end(),
                                  [](const auto& c) { return c->TabStop() && c->CanTakeFocus(); });
}

bool FocusOrder::IsStop(const Entry& entry) {
    return entry.tabStop && TakesFocusItself(*entry.control);
}

bool FocusOrder::Shown(const Control& control) {
    if (!control.Visible() || !control.Enabled())
        return false;
    if (!control.IsWindowless())
        return win::IsWindowVisible(control.Window()) != 0;
    const ControlContainer* container = control.ContainerSite();
    return container && win::IsWindowVisible(container->ContainerWindow()) != 0;
}

std::optional<size_t> FocusOrder::PositionOf(const Entries& order, win::HWND hwnd) {
    for (win::HWND h = hwnd; h; h = win::GetAncestor(h, win::GA_PARENT)) {
        for (size_t i = 0; i < order.size(); ++i) {
            if (!order[i].control->IsWindowless() && order[i].control->Window() == h)
                return i;
        }
    }
    return std::nullopt;
}

std::optional<size_t> FocusOrder::SlotOf(const Form& form, win::HWND hwnd) {
    const auto owner = form.ControlOfWindow(hwnd);
    if (!owner)
        return std::nullopt;
    const auto& controls = Controls(form);
    // Sorted by TabIndex: only the controls sharing the owner's are compared.
    const int16_t tabIndex = owner->TabIndex();
    auto it = std::lower_bound(controls.begin(), controls.end(), tabIndex,
                               [](const Control* c, int16_t t) { return c->TabIndex() < t; });
    while (it != controls.end() && (*it)->TabIndex() == tabIndex && *it != owner.Get())
        ++it;
    if (it == controls.end() || *it != owner.Get())
        it = std::find(controls.begin(), controls.end(), owner.Get());
    if (it == controls.end())
        return std::nullopt;
    return static_cast<size_t>(it - controls.begin());
}

bool FocusOrder::Focus(const Control& target) {
    win::SetFocus(target.Window());
    const win::HWND focus = win::GetFocus();
    return focus && (focus == target.Window() || win::IsChild(target.Window(), focus));
}

bool FocusOrder::Tab(const Form& form, win::HWND from, bool previous) {
    const std::vector<Control*>& controls = Controls(form);
    const size_t count = controls.size();
    // The first stop among stops[begin, end) in the direction of travel.
    const auto stopIn = [previous](const Entries& stops, size_t begin, size_t end) -> Control* {
        for (size_t k = begin; k < end; ++k) {
            const Entry& entry = stops[previous ? end - 1 - (k - begin) : k];
            if (IsStop(entry))
                return entry.control;
        }
        return nullptr;
    };
    const auto slot = SlotOf(form, from);
    Control* target = nullptr;
    if (!slot) {
        // From just outside the ends.
        for (size_t k = 0; !target && k < count; ++k) {
            const Entries stops = Stops(*controls[previous ? count - 1 - k : k]);
            target = stopIn(stops, 0, stops.size());
        }
    } else {
        // The focused control's stops past the focus, the other controls, then its stops before
        // the focus and the focused stop itself last.
        const Entries current = Stops(*controls[*slot]);
        const size_t at = PositionOf(current, from).value_or(0);
        target = previous ? stopIn(current, 0, at) : stopIn(current, at + 1, current.size());
        for (size_t k = 1; !target && k < count; ++k) {
            const Entries stops =
                Stops(*controls[previous ? (*slot + count - k) % count : (*slot + k) % count]);
            target = stopIn(stops, 0, stops.size());
        }
        if (!target)
            target = previous ? stopIn(current, at, current.size()) : stopIn(current, 0, at + 1);
    }
    // One attempt: a refusal is not retried.
    return target && Focus(*target);
}

bool FocusOrder::FocusAccessKey(const Form& form, int virtualKey, win::HWND focus) {
    if (virtualKey < '0' || virtualKey > 'Z')
        return false;
    const char key = static_cast<char>(virtualKey);
    Entries order;
    for (Control* control : Controls(form))
        Append(order, *control, true);
    SetSiblings(order, 0, order.size());
    const size_t n = order.size();
    const auto at = PositionOf(order, focus);
    const size_t start = at ? *at + 1 : 0;
    for (size_t k = 0; k < n; ++k) {
        const Entry& keyed = order[(start + k) % n];
        if (keyed.control->AccessKey() != key || !Shown(*keyed.control))
            continue;
        if (TakesFocusItself(*keyed.control)) {
            Focus(*keyed.control);
            return true;
        }
        const size_t begin = keyed.siblingsBegin;
        const size_t count = keyed.siblingsEnd - begin;
        const size_t offset = (start + k) % n - begin;
        for (size_t m = 1; m < count; ++m) {
            const Control& target = *order[begin + (offset + m) % count].control;
            if (target.TabStop() && TakesFocusItself(target)) {
                Focus(target);
                return true;
            }
        }
        return true;
    }
    return false;
}

} // namespace forms
