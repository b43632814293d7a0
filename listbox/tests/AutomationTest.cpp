#include "ListBoxFixture.h"

#include "platform/ole/font/Font.h"
#include "platform/win/window/Activation.h"
#include "platform/win/window/Tree.h"

namespace rowbox::test {
namespace {

using ole::Variant;

class AutomationTest : public ListBoxFixture {
protected:
    std::vector<std::string> Changed() const { return List().PropertyChangedLog(); }
};

// Each let compares with the current value first; the notified names are the written keys.
TEST_F(AutomationTest, LetsNotifyTheirKeyOnlyWhenTheValueChanges) {
    Host();
    EXPECT_EQ(Get(Id::IdAppearance).AsI4(), ksFlat);
    EXPECT_EQ(Get(Id::IdBorderStyle).AsI4(), ksFixedSingle);
    EXPECT_EQ(static_cast<uint32_t>(Get(Id::IdBackColor).AsI4()), 0x80000005U);
    EXPECT_EQ(static_cast<uint32_t>(Get(Id::IdForeColor).AsI4()), 0x80000008U);
    EXPECT_EQ(Get(Id::IdListIndex).AsI4(), -1);
    EXPECT_EQ(Get(Id::IdScaleMode).AsI4(), 1);
    List().ClearPropertyChangedLog();

    const struct {
        Id id;
        int32_t value;
        const char* key;
    } lets[] = {{Id::IdAppearance, ks3d, "Appearance"},
                {Id::IdBackColor, 0x00FF00, "Backcolor"},
                {Id::IdBorderStyle, ksNone, "BorderStyle"},
                {Id::IdForeColor, 0x0000FF, "Forecolor"}};
    for (const auto& let : lets) {
        Let(let.id, Variant(let.value));
        Let(let.id, Variant(let.value));
        EXPECT_EQ(Get(let.id).AsI4(), let.value) << let.key;
    }
    EXPECT_EQ(Changed(),
              (std::vector<std::string>{"Appearance", "Backcolor", "BorderStyle", "Forecolor"}));

    // By name as well; Font copies the attributes into the combo box's own font.
    auto font = ole::Font::Create();
    font->SetName("Courier New");
    font->SetBold(true);
    ole::SetProperty(Variant(m_extender), "Font", Variant(font));
    const auto own =
        ole::PtrCast<ole::Font>(ole::GetObjectProperty(Variant(m_extender), "Font").AsObject());
    EXPECT_FALSE(ole::Is(own, font));
    EXPECT_TRUE(own->Bold());
    EXPECT_EQ(Changed().back(), "Font");
}

TEST_F(AutomationTest, HwndIsTheControlsWindowWhichHoldsTheComboBox) {
    Host();
    const auto hwnd = win::HWND::FromValue(static_cast<uint32_t>(Get(Id::IdHwnd).AsI4()));
    EXPECT_EQ(hwnd, List().hWnd());
    EXPECT_EQ(win::GetParent(Combo()), hwnd);
    // What a host does with it: the focus goes on to the combo box.
    win::SetFocus(hwnd);
    EXPECT_EQ(win::GetFocus(), Combo());
}

} // namespace
} // namespace rowbox::test
