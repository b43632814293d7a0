#include "ControlFixture.h"

#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/controls/scrollbar/ScrollBarValues.h"
#include "platform/forms/controls/scrollbar/VScrollBar.h"
#include "platform/win/controls/ControlConstants.h"

namespace controlstest {
namespace {

using forms::ScrollBarValues;
using forms::ScrollStep;
using forms::VScrollBar;

TEST(ScrollBarValuesTest, ReversedRangeKeepsMinAtTheTop) {
    ScrollBarValues values;
    values.min = 10;
    values.max = 0;
    values.smallChange = 3;
    values.largeChange = 5;
    EXPECT_EQ(values.Span(), 10);
    EXPECT_EQ(values.ToPosition(10), 0);
    EXPECT_EQ(values.ToPosition(0), 10);
    EXPECT_EQ(values.FromPosition(4), 6);
    EXPECT_TRUE(values.Contains(7));
    EXPECT_FALSE(values.Contains(11));
    // Down moves towards Max, whichever way the range runs.
    EXPECT_EQ(values.Step(6, ScrollStep::LineDown), 3);
    EXPECT_EQ(values.Step(6, ScrollStep::PageUp), 10);
    EXPECT_EQ(values.Step(2, ScrollStep::PageDown), 0);
    EXPECT_EQ(values.Step(2, ScrollStep::ToMin), 10);
}

TEST(ScrollBarValuesTest, StepsStopAtTheEnds) {
    ScrollBarValues values;
    values.max = 100;
    values.largeChange = 30;
    EXPECT_EQ(values.Step(0, ScrollStep::LineUp), 0);
    EXPECT_EQ(values.Step(99, ScrollStep::LineDown), 100);
    EXPECT_EQ(values.Step(80, ScrollStep::PageDown), 100);
    EXPECT_EQ(values.Step(50, ScrollStep::ToMax), 100);
    EXPECT_EQ(values.Clamp(-5), 0);
}

class VScrollBarTest : public ControlTest {};

TEST_F(VScrollBarTest, DefaultsAndRangeChecks) {
    auto bar = Site(VScrollBar::Create(), "vsbValue", {10, 10, 27, 110});
    const ole::Ptr<ole::Object> obj(bar);
    EXPECT_EQ(Get(obj, "Min").AsI2(), 0);
    EXPECT_EQ(Get(obj, "Max").AsI2(), 32767);
    EXPECT_EQ(Get(obj, "Value").AsI2(), 0);
    EXPECT_EQ(Get(obj, "SmallChange").AsI2(), 1);
    EXPECT_EQ(Get(obj, "LargeChange").AsI2(), 1);
    EXPECT_EQ(Get(obj, "hWnd").AsI4(), static_cast<int32_t>(bar->Window().Value()));
    EXPECT_EQ(ErrorOf([&] { Get(obj, "BackColor"); }), ole::ERR_NO_MEMBER);
    EXPECT_EQ(ErrorOf([&] { Get(obj, "Font"); }), ole::ERR_NO_MEMBER);

    const auto invalid = [&](std::string_view name, int32_t value) {
        return ErrorOf([&] { Let(obj, name, ole::Variant(value)); });
    };
    EXPECT_EQ(invalid("Value", -1), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("SmallChange", 0), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("LargeChange", -3), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("Max", 40000), ole::ERR_OVERFLOW);

    // Min above the old Value pulls it up; a reversed range then keeps it.
    Let(obj, "Min", ole::Variant(int32_t{100}));
    Let(obj, "Max", ole::Variant(int32_t{-100}));
    EXPECT_EQ(Get(obj, "Value").AsI2(), 100);
    Let(obj, "Value", ole::Variant(int32_t{-100}));
    EXPECT_EQ(Get(obj, "Value").AsI2(), -100);
    EXPECT_EQ(invalid("Value", 101), ole::ERR_INVALID_PROPERTY_VALUE);
}

TEST_F(VScrollBarTest, ValueSurvivesUnloadOfTheForm) {
    auto bar = Site(VScrollBar::Create(), "vsbValue", {10, 10, 27, 110});
    bar->SetMax(50);
    bar->SetValue(20);
    m_form->UnloadForm();
    EXPECT_FALSE(bar->IsAlive());
    EXPECT_EQ(bar->GetValue(), 20);
    EXPECT_EQ(bar->GetMax(), 50);
}

TEST_F(VScrollBarTest, UserScrollingRaisesChangeAndScroll) {
    auto bar = Site(VScrollBar::Create(), "vsbValue", {10, 10, 27, 110});
    bar->SetMax(100);
    bar->SetSmallChange(5);
    bar->SetLargeChange(20);
    EventLog log;
    log.Attach(bar);

    // The lower arrow.
    win::test::click(bar->Window(), {8, 95});
    win::test::pump();
    EXPECT_EQ(bar->GetValue(), 5);
    EXPECT_EQ(log.Count("Change"), 1u);

    const auto send = [&](win::WORD code, int pos = 0) {
        win::SendMessageA(m_form->Window(), win::WM_VSCROLL,
                          win::MAKEWPARAM(code, static_cast<uint32_t>(pos)),
                          win::HandleToParam(bar->Window()));
    };
    send(win::SB_PAGEDOWN);
    EXPECT_EQ(bar->GetValue(), 25);
    send(win::SB_THUMBTRACK, 60);
    EXPECT_EQ(bar->GetValue(), 60);
    EXPECT_EQ(log.Count("Scroll"), 1u);
    EXPECT_EQ(log.Count("Change"), 2u);
    send(win::SB_THUMBPOSITION, 60);
    EXPECT_EQ(log.Count("Change"), 3u);
    send(win::SB_ENDSCROLL);
    send(win::SB_BOTTOM);
    EXPECT_EQ(bar->GetValue(), 100);
    send(win::SB_LINEDOWN);
    EXPECT_EQ(log.Count("Change"), 4u);

    // Reversed: down still moves towards Max.
    bar->SetMin(100);
    bar->SetMax(0);
    bar->SetValue(50);
    send(win::SB_LINEDOWN);
    EXPECT_EQ(bar->GetValue(), 45);
    EXPECT_EQ(win::SendMessageA(bar->Window(), win::SBM_GETPOS, 0, 0), 55);
}

TEST_F(VScrollBarTest, TheHorizontalBarAnswersHorizontalScrollingOnly) {
    auto bar = Site(forms::HScrollBar::Create(), "hsbValue", {10, 10, 110, 27});
    EXPECT_EQ(win::GetWindowLongA(bar->Window(), win::GWL_STYLE) & win::SBS_VERT, 0);
    bar->SetMax(10);
    EventLog log;
    log.Attach(bar);
    for (const win::UINT msg : {win::WM_VSCROLL, win::WM_HSCROLL})
        win::SendMessageA(m_form->Window(), msg, win::MAKEWPARAM(win::SB_LINERIGHT, 0),
                          win::HandleToParam(bar->Window()));
    EXPECT_EQ(bar->GetValue(), 1);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Change"}));
}

} // namespace
} // namespace controlstest
