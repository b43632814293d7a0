#include "HostFixture.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/textbox/TextBox.h"

namespace hosttest {
namespace {

using forms::test::EventRecorder;

// A user control that notes the Shift argument of what reaches its handlers.
class ShiftProbe : public UserControl {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<ShiftProbe>("ShiftProbe").Library("ProbeLib").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    void OnKeyDown(int16_t&, int16_t shift) override { log.push_back("KeyDown " + Of(shift)); }
    void OnMouseDown(int16_t, int16_t shift, float, float) override {
        log.push_back("MouseDown " + Of(shift));
    }

    std::vector<std::string> log;

private:
    static std::string Of(int16_t shift) { return std::to_string(shift); }
};

// The Shift argument of every recorded KeyDown or MouseDown, as "MouseDown 7".
std::vector<std::string> ShiftsOf(const EventRecorder& recorder) {
    std::vector<std::string> shifts;
    for (const std::string& entry : recorder.Log()) {
        const bool key = entry.starts_with("KeyDown(");
        if (!key && !entry.starts_with("MouseDown("))
            continue;
        const size_t first = entry.find(", ");
        const size_t end = entry.find_first_of(",)", first + 2);
        shifts.push_back((key ? "KeyDown " : "MouseDown ") +
                         entry.substr(first + 2, end - first - 2));
    }
    return shifts;
}

void Hold(std::initializer_list<int> keys) {
    for (int vk : keys)
        win::test::keyDown(vk);
}
void Release(std::initializer_list<int> keys) {
    for (int vk : keys)
        win::test::keyUp(vk);
    win::test::pump();
}

class ModifierKeysTest : public HostTest {};

// Shift is 1 for Shift, 2 for Ctrl, 4 for Alt, on a form, a windowed and a windowless standard
// control and a user control alike. Alt turns other keys into system keys, so the key events
// with Alt are those of the modifier keys themselves.
TEST_F(ModifierKeysTest, ShiftArgumentHoldsShiftCtrlAndAltOnEveryKindOfObject) {
    forms::test::TestHost host;
    Form& form = host.GetForm();
    form.SetKeyPreview(true);
    const auto box = forms::TextBox::Create();
    form.AddControl(box, "txtBox", {}, {10, 10, 110, 40});
    const auto label = forms::Label::Create();
    form.AddControl(label, "lblText", {}, {10, 50, 110, 70});
    const auto probe = ole::MakeObject<ShiftProbe>();
    host.Host(probe, "Probe1", {10, 80, 110, 130});
    host.Show();
    host.Click("Probe1");
    const auto formEvents = EventRecorder::Attach(host.FormObject());
    const auto boxEvents = EventRecorder::Attach(box);
    const auto labelEvents = EventRecorder::Attach(label);

    Hold({win::VK_SHIFT, win::VK_CONTROL, win::VK_MENU});
    win::test::click(form.Window(), {300, 200});
    win::test::click(box->Window(), {5, 5});
    win::test::click(form.Window(), {20, 60});
    host.Click("Probe1");
    Release({win::VK_MENU});
    win::test::keyPress('A');
    win::test::click(box->Window(), {5, 5});
    win::test::keyPress('B');
    Release({win::VK_SHIFT, win::VK_CONTROL});

    // The form previews every key.
    EXPECT_EQ(ShiftsOf(*formEvents),
              (std::vector<std::string>{"KeyDown 1", "KeyDown 3", "KeyDown 7", "MouseDown 7",
                                        "KeyDown 3", "KeyDown 3"}));
    EXPECT_EQ(ShiftsOf(*boxEvents),
              (std::vector<std::string>{"MouseDown 7", "MouseDown 3", "KeyDown 3"}));
    EXPECT_EQ(ShiftsOf(*labelEvents), (std::vector<std::string>{"MouseDown 7"}));
    EXPECT_EQ(probe->log, (std::vector<std::string>{"MouseDown 0", "KeyDown 1", "KeyDown 3",
                                                    "KeyDown 7", "MouseDown 7", "KeyDown 3"}));
    for (const auto& recorder : {formEvents, boxEvents, labelEvents})
        recorder->Detach();
}

} // namespace
} // namespace hosttest
