#include "DesignerFixture.h"

#include "platform/forms/scale/ScaleMode.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>

namespace layoutdesk::test {
namespace {

using testing::Contains;
using testing::ElementsAre;
using testing::Not;

// The container's ScaleUnits; a user scale ("User") gives the surface twips.
struct Units {
    const char* name;
    friend void PrintTo(const Units& units, std::ostream* out) { *out << units.name; }
};

// Whatever the container's units, Command1 at pixels (23, 21)-(97, 59) and Line1 from (131, 33)
// to (229, 91), both off every whole unit, in select mode.
class ScaleUnitsTest : public DesignerFixture, public testing::WithParamInterface<Units> {
protected:
    static constexpr int32_t kPixels = forms::ModeValue(forms::ScaleMode::Pixels);

    void SetUp() override {
        DesignerFixture::SetUp();
        forms::test::TestHost::SetAmbientScaleUnits(*DesignerExtender(), GetParam().name);
        button = GetForm().Add("VB.CommandButton", "Command1", DesignerExtender());
        line = GetForm().Add("VB.Line", "Line1", DesignerExtender());
        for (const auto& control : {button, line})
            ole::LetProperty(ole::Variant(control), "Visible", ole::Variant(true));
        Place();
        Designer().LetMode(ksModeSelect);
        Events();
    }
    void TearDown() override {
        button = line = nullptr;
        DesignerFixture::TearDown();
    }
    float X(int32_t pixels) {
        return Designer().ConvertX(static_cast<float>(pixels), kPixels, Mode());
    }
    float Y(int32_t pixels) {
        return Designer().ConvertY(static_cast<float>(pixels), kPixels, Mode());
    }
    int32_t Mode() { return Designer().ScaleMode(); }
    // A press and release on a handle applies the whole-unit frame again; each case starts over.
    void Place() {
        std::array<ole::Variant, 4> move{ole::Variant(X(23)), ole::Variant(Y(21)),
                                         ole::Variant(X(97) - X(23)), ole::Variant(Y(59) - Y(21))};
        ole::CallMethod(ole::Variant(button), "Move", move);
        const ole::Variant target(line);
        ole::LetProperty(target, "X1", ole::Variant(X(131)));
        ole::LetProperty(target, "Y1", ole::Variant(Y(33)));
        ole::LetProperty(target, "X2", ole::Variant(X(229)));
        ole::LetProperty(target, "Y2", ole::Variant(Y(91)));
        win::test::pump();
    }
    bool BandStarted(const std::vector<std::string>& names) {
        return std::ranges::find(names, "RubberBandStart") != names.end();
    }

    ole::Ptr<forms::Control> button;
    ole::Ptr<forms::Control> line;
};

TEST_P(ScaleUnitsTest, AClickInsideAControlSelectsAndMovesIt) {
    Click({60, 40});
    EXPECT_THAT(Selected(), ElementsAre("Command1"));
    const std::vector<std::string> first = Events();
    // The events keep the point in scale units as it came.
    EXPECT_THAT(first, Contains("MouseDown(1, 0, " + ole::CStr(ole::Variant(X(60))) + ", " +
                                ole::CStr(ole::Variant(Y(40))) + ")"));
    EXPECT_THAT(first, Not(Contains(testing::StartsWith("RubberBand"))));

    Click({60, 40});
    EXPECT_THAT(Selected(), ElementsAre("Command1"));
    EXPECT_FALSE(BandStarted(EventNames()));

    Drag({60, 40}, {160, 140});
    const std::vector<std::string> names = EventNames();
    EXPECT_FALSE(BandStarted(names));
    EXPECT_THAT(names, Contains("ControlMoved"));
    EXPECT_GT(ole::CSng(ole::GetProperty(ole::Variant(button), "Left")), X(23));
}

TEST_P(ScaleUnitsTest, EveryGrabHandleAndLineEndIsHit) {
    const struct {
        const char* name;
        win::POINT pt;
        int32_t code;
    } cases[] = {
        {"Command1", {20, 40}, HitLeft},         {"Command1", {60, 18}, HitTop},
        {"Command1", {100, 40}, HitRight},       {"Command1", {60, 62}, HitBottom},
        {"Command1", {20, 18}, HitTopLeft},      {"Command1", {100, 18}, HitTopRight},
        {"Command1", {100, 62}, HitBottomRight}, {"Command1", {20, 62}, HitBottomLeft},
        {"Command1", {60, 40}, HitBody},         {"Line1", {131, 33}, HitLineStart},
        {"Line1", {229, 91}, HitLineEnd},        {"Line1", {180, 62}, HitLineBody},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " at " << c.pt.x << "," << c.pt.y);
        Designer().DeselectAllControl();
        Designer().SelectControl(ole::Variant(std::string(c.name) == "Line1" ? line : button));
        Press(c.pt);
        EXPECT_EQ(Designer().CurrentHitCode(), c.code);
        Release(c.pt);
        EXPECT_THAT(Selected(), ElementsAre(c.name));
        EXPECT_FALSE(BandStarted(EventNames()));
        Place();
    }
}

INSTANTIATE_TEST_SUITE_P(Units, ScaleUnitsTest,
                         testing::Values(Units{"Twip"}, Units{"Point"}, Units{"Pixel"},
                                         Units{"Inch"}, Units{"Millimeter"}, Units{"Centimeter"},
                                         Units{"Character"}, Units{"User"}),
                         [](const testing::TestParamInfo<Units>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace layoutdesk::test
