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
}

void FocusOrder::Append(Control& control, bool surfacesTabStop) {
    if (!control.IsAlive())
        return;
    m_order.push_back(&control);
    m_tabStop.push_back(surfacesTabStop && control.TabStop());
    const auto* site = dynamic_cast<const Extender*>(&control);
    if (const auto inner = site ? site->Inner() : nullptr) {
        for (Control* constituent : ByTabIndex(inner->Constituents()))
            Append(*constituent, m_tabStop.back());
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
            if (!m_order[i]->IsWindowless() && m_order[i]->Window() == h)
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
        if (m_tabStop[i] && TakesFocusItself(*m_order[i]))
            return Focus(*m_order[i]); // one attempt: a refusal is not retried
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
        const Control& keyed = *m_order[(start + k) % n];
        if (keyed.AccessKey() != key || !Shown(keyed))
            continue;
        for (size_t m = 0; m < n; ++m) {
            const Control& target = *m_order[(start + k + m) % n];
            if (TakesFocusItself(target) && (m == 0 || target.TabStop())) {
                Focus(target);
                return true;
            }
        }
        return true;
    }
    return false;
}

} // namespace forms
