#include "platform/forms/form/FocusOrder.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/UserControl.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace forms {

FocusOrder::FocusOrder(const Form& form) {
    for (Control* control : ByTabIndex(form.ControlList()))
        Append(*control, true);
    SetSiblings(0, m_order.size());
}

void FocusOrder::Append(Control& control, bool surfacesTabStop) {
    if (!control.IsAlive())
        return;
    const bool tabStop = surfacesTabStop && control.TabStop();
    m_order.push_back(Entry{&control, tabStop});
    const auto* site = dynamic_cast<const Extender*>(&control);
    if (const auto inner = site ? site->Inner() : nullptr) {
        const size_t begin = m_order.size();
        for (Control* constituent : ByTabIndex(inner->Constituents()))
            Append(*constituent, tabStop);
        SetSiblings(begin, m_order.size());
    }
}

void FocusOrder::SetSiblings(size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        if (m_order[i].siblingsEnd == 0) {
            m_order[i].siblingsBegin = begin;
            m_order[i].siblingsEnd = end;
        }
    }
}

std::vector<Control*> FocusOrder::ByTabIndex(const std::vector<ole::Ptr<Control>>& controls) {
    std::vector<Control*> order;
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

bool FocusOrder::Shown(const Control& control) {
    if (!control.Visible() || !control.Enabled())
        return false;
    if (!control.IsWindowless())
        return win::IsWindowVisible(control.Window()) != 0;
    const ControlContainer* container = control.ContainerSite();
    return container && win::IsWindowVisible(container->ContainerWindow()) != 0;
}

std::optional<size_t> FocusOrder::PositionOf(win::HWND hwnd) const {
    for (win::HWND h = hwnd; h; h = win::GetAncestor(h, win::GA_PARENT)) {
        for (size_t i = 0; i < m_order.size(); ++i) {
            if (!m_order[i].control->IsWindowless() && m_order[i].control->Window() == h)
                return i;
        }
    }
    return std::nullopt;
}

bool FocusOrder::Focus(const Control& target) {
    win::SetFocus(target.Window());
    const win::HWND focus = win::GetFocus();
    return focus && (focus == target.Window() || win::IsChild(target.Window(), focus));
}

bool FocusOrder::Tab(win::HWND from, bool previous) const {
    const size_t n = m_order.size();
    const auto at = PositionOf(from);
    // Steps of k from the focused control, or from just outside the ends without one.
    for (size_t k = 1; k <= n; ++k) {
        size_t i = 0;
        if (at)
            i = previous ? (*at + n - k % n) % n : (*at + k) % n;
        else
            i = previous ? n - k : k - 1;
        if (m_order[i].tabStop && TakesFocusItself(*m_order[i].control))
            return Focus(*m_order[i].control); // one attempt: a refusal is not retried
    }
    return false;
}

bool FocusOrder::FocusAccessKey(int virtualKey, win::HWND focus) const {
    if (virtualKey < '0' || virtualKey > 'Z')
        return false;
    const char key = static_cast<char>(virtualKey);
    const size_t n = m_order.size();
    const auto at = PositionOf(focus);
    const size_t start = at ? *at + 1 : 0;
    for (size_t k = 0; k < n; ++k) {
        const Entry& keyed = m_order[(start + k) % n];
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
            const Control& target = *m_order[begin + (offset + m) % count].control;
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
