#include "ControlFixture.h"

#include "platform/forms/form/FocusOrder.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <optional>

namespace controlstest {
namespace {

// What the form keeps beside its controls (their order by TabIndex, the control of each window,
// Controls by position, where Tab goes) against a plain walk of the controls, after every step
// of random adds, removals, TabIndex changes, z-order moves, reparenting and Visible changes.
class FormIndexTest : public ControlTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    uint32_t Next(uint32_t bound) {
        m_seed = m_seed * 1664525u + 1013904223u;
        return (m_seed >> 8) % bound;
    }
    ole::Ptr<forms::Control> Pick() {
        const auto& controls = m_form->ControlList();
        return controls.empty() ? nullptr : controls[Next(static_cast<uint32_t>(controls.size()))];
    }
    ole::Ptr<ole::Object> PickContainer() {
        const auto control = Pick();
        if (control && control->AsControlContainer())
            return control;
        return m_form;
    }

    ole::Ptr<forms::Control> PlainControlOfWindow(win::HWND hwnd) const {
        for (win::HWND h = hwnd; h && h != m_form->Window();
             h = win::GetAncestor(h, win::GA_PARENT)) {
            for (const auto& control : m_form->ControlList()) {
                if (control->IsAlive() && !control->IsWindowless() && control->Window() == h)
                    return control;
            }
        }
        return nullptr;
    }

    // The window Tab from `from` gives the focus to, by a walk of every control; nullopt when
    // none takes it.
    std::optional<win::HWND> PlainTab(win::HWND from, bool previous) const {
        std::vector<forms::Control*> order;
        for (forms::Control* control : forms::FocusOrder::ByTabIndex(m_form->ControlList())) {
            if (control->IsAlive())
                order.push_back(control);
        }
        const auto owner = PlainControlOfWindow(from);
        const auto at = std::find(order.begin(), order.end(), owner.Get());
        const size_t n = order.size();
        for (size_t k = 1; k <= n; ++k) {
            size_t i = previous ? n - k : k - 1;
            if (at != order.end()) {
                const auto start = static_cast<size_t>(at - order.begin());
                i = previous ? (start + n - k % n) % n : (start + k) % n;
            }
            if (order[i]->TabStop() && order[i]->CanTakeFocus())
                return order[i]->Window();
        }
        return std::nullopt;
    }

    void Step() {
        static constexpr const char* kKinds[] = {"VB.CommandButton", "VB.TextBox", "VB.Label",
                                                 "VB.Frame", "VB.PictureBox"};
        const auto target = Pick();
        switch (Next(8)) {
        case 0:
        case 1: {
            const auto added =
                m_form->Add(kKinds[Next(5)], "c" + std::to_string(m_added++), PickContainer());
            added->SetVisible(Next(4) != 0);
            break;
        }
        case 2:
            if (target)
                m_form->RemoveAdded(target);
            break;
        case 3:
            if (target)
                target->SetTabIndex(static_cast<int16_t>(Next(m_added + 2)));
            break;
        case 4:
            if (target)
                target->ZOrder(ole::Variant(static_cast<int16_t>(Next(2))));
            break;
        case 5:
            if (target) {
                // Into itself or a control inside it is refused; the rest moves.
                ErrorOf([&] { target->SetContainer(PickContainer()); });
            }
            break;
        case 6:
            if (target)
                target->SetVisible(!target->Visible());
            break;
        default: {
            const win::HWND from = target && Next(4) != 0 ? target->Window() : win::GetFocus();
            const bool previous = Next(2) != 0;
            const win::HWND before = win::GetFocus();
            const auto expected = PlainTab(from, previous);
            EXPECT_EQ(m_form->TabToNext(from, previous), expected.has_value());
            EXPECT_EQ(win::GetFocus(), expected.value_or(before));
            break;
        }
        }
    }

    void ExpectKeptMatchesPlain() {
        const auto& controls = m_form->ControlList();
        ASSERT_EQ(m_form->ControlsByTabIndex(), forms::FocusOrder::ByTabIndex(controls));
        for (const auto& control : controls) {
            if (!control->IsWindowless()) {
                ASSERT_EQ(m_form->ControlOfWindow(control->Window()),
                          PlainControlOfWindow(control->Window()));
            }
        }
        const ole::Variant collection =
            ole::GetObjectProperty(ole::Variant(ole::Ptr<ole::Object>(m_form)), "Controls");
        ASSERT_EQ(ole::GetProperty(collection, "Count").AsI4(), static_cast<int>(controls.size()));
        for (size_t i = 0; i < controls.size(); ++i) {
            const ole::Variant index[] = {ole::Variant(static_cast<int32_t>(i))};
            ASSERT_EQ(ole::GetObjectProperty(collection, "Item", index).AsObject().Get(),
                      controls[i].Get());
        }
        const ole::Variant past[] = {ole::Variant(static_cast<int32_t>(controls.size()))};
        ASSERT_EQ(ErrorOf([&] { ole::GetObjectProperty(collection, "Item", past); }),
                  ole::ERR_SUBSCRIPT);
    }

    uint32_t m_seed = GetParam();
    uint32_t m_added = 0;
};

TEST_P(FormIndexTest, KeptOrderAndIndexesMatchAPlainWalk) {
    for (int step = 0; step < 250; ++step) {
        Step();
        ExpectKeptMatchesPlain();
        if (HasFatalFailure())
            FAIL() << "seed " << GetParam() << " step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, FormIndexTest, ::testing::Range(1u, 9u));

} // namespace
} // namespace controlstest
