#include "DesignerFixture.h"

#include "formdesigner/control/HitGeometry.h"

#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

class HitTestTest : public OneButtonFixture {
protected:
    int32_t Hit(const ole::Ptr<forms::Control>& control, float x, float y, bool bodyOnly = false) {
        return Designer().HitTestHandles(control, x, y, bodyOnly);
    }
    // What ControlFromPoint finds at designer client pixels, by Name.
    std::string At(win::POINT pixels, int32_t* code = nullptr) {
        int32_t hit = 0;
        const auto control = Designer().ControlFromPoint(
            static_cast<float>(pixels.x * 15), static_cast<float>(pixels.y * 15), false, hit, true);
        if (code)
            *code = hit;
        return control ? ole::CStr(ole::GetProperty(ole::Variant(control), "Name")) : "";
    }
    // The centre of a windowed control in designer client pixels, from its own window.
    win::POINT CentreOf(const ole::Ptr<forms::Control>& control) {
        win::RECT r{};
        win::GetWindowRect(control->Window(), &r);
        win::POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        win::ScreenToClient(Surface(), &pt);
        return pt;
    }
};

// Among the selection, a big handle is hit far from its control's body.
TEST_F(HitTestTest, ASelectedControlIsFoundByAFarHandle) {
    Designer().LetHandleSizeX(300);
    Designer().LetHandleSizeY(300);
    Designer().SelectControl(ole::Variant(button));
    int32_t code = HitNone;
    EXPECT_EQ(Designer().ControlFromPoint(15, 600, true, code, false).Get(), button.Get());
    EXPECT_EQ(code, HitLeft);
}

TEST_F(HitTestTest, BodyIsStrictlyInsideAndHandlesLieJustOutside) {
    const struct {
        float x, y;
        int32_t code;
    } cases[] = {
        {900, 600, HitBody},       {300, 600, HitNone},      {250, 600, HitLeft},
        {1550, 600, HitRight},     {900, 250, HitTop},       {900, 950, HitBottom},
        {250, 250, HitTopLeft},    {1550, 250, HitTopRight}, {1550, 950, HitBottomRight},
        {250, 950, HitBottomLeft}, {250, 400, HitNone},      {100, 600, HitNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hit(button, c.x, c.y), c.code) << c.x << "," << c.y;
    EXPECT_EQ(Hit(button, 250, 600, true), HitNone);

    // A disabled control is designed like any other; a hidden one is not there.
    ole::LetProperty(ole::Variant(button), "Enabled", ole::Variant(false));
    Designer().LetMode(ksModeSelect);
    Click({60, 40});
    EXPECT_THAT(Selected(), testing::ElementsAre("Command1"));
    ole::LetProperty(ole::Variant(button), "Visible", ole::Variant(false));
    EXPECT_EQ(Hit(button, 900, 600), HitNone);
}

TEST_F(HitTestTest, LineEndsAndBody) {
    auto line = AddLine("Line1", {300, 1200, 1500, 1200});
    EXPECT_EQ(Hit(line, 900, 1200), HitLineBody);
    EXPECT_EQ(Hit(line, 300, 1200), HitLineStart);
    EXPECT_EQ(Hit(line, 1500, 1200), HitLineEnd);
    EXPECT_EQ(Hit(line, 300, 1200, true), HitLineBody);
    EXPECT_EQ(Hit(line, 900, 1300), HitNone);
    auto dot = AddLine("Line2", {2000, 2000, 2000, 2000});
    EXPECT_EQ(Hit(dot, 2000, 2000), HitLineStart);
}

// Edges far apart (a line across the whole coordinate range, a control whose right edge is
// pinned to 32 bits) are compared as singles instead of wrapping.
TEST_F(HitTestTest, FarApartEdgesAreComparedWithoutOverflow) {
    auto line = AddLine("Line1", {-2000000000, -2000000000, 2000000000, 2000000000});
    EXPECT_EQ(Hit(line, 300, 300), HitLineBody);
    EXPECT_EQ(Hit(line, 300, 900), HitNone);
    std::array<ole::Variant, 4> farOut{ole::Variant(1.5e9F), ole::Variant(300.0F),
                                       ole::Variant(1.5e9F), ole::Variant(600.0F)};
    ole::CallMethod(ole::Variant(button), "Move", farOut);
    EXPECT_EQ(Hit(button, 2250, 250), HitNone);
    EXPECT_EQ(Hit(button, 2e9F, 600), HitBody);
}

TEST_F(HitTestTest, ControlsInBorderedContainersAreFoundWhereTheyShow) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    auto check = Add("VB.CheckBox", "Check1", {240, 480, 1440, 780}, frame);
    auto picture = Add("VB.PictureBox", "Picture1", {300, 1200, 1700, 2700});
    ole::LetProperty(ole::Variant(picture), "ScaleMode", ole::Variant(int16_t{3}));
    ole::LetProperty(ole::Variant(picture), "BorderStyle", ole::Variant(int16_t{1}));
    auto text = Add("VB.TextBox", "Text1", {10, 10, 60, 30}, picture);

    for (const auto& control : {check, text}) {
        const win::POINT centre = CentreOf(control);
        EXPECT_EQ(At(centre), ole::CStr(ole::GetProperty(ole::Variant(control), "Name")));
        win::RECT expected{};
        win::GetWindowRect(control->Window(), &expected);
        win::ScreenToClient(Surface(), reinterpret_cast<win::POINT*>(&expected.left));
        win::ScreenToClient(Surface(), reinterpret_cast<win::POINT*>(&expected.right));
        win::RECT rect{};
        ASSERT_TRUE(Designer().GetControlRect(control, rect, true));
        EXPECT_NEAR(rect.left, expected.left, 1);
        EXPECT_NEAR(rect.top, expected.top, 1);
        EXPECT_NEAR(rect.right, expected.right, 1);
    }
    // The frame's own body, away from its child.
    int32_t code = 0;
    EXPECT_EQ(At({240, 140}, &code), "Frame1");
    EXPECT_EQ(code, HitBody);
}

TEST_F(HitTestTest, FormOrderDecidesOverlapsAndOtherDesignersAreNotSearched) {
    Add("VB.Label", "Label1", {600, 450, 1800, 1200});
    EXPECT_EQ(At({60, 40}), "Command1");
    EXPECT_EQ(At({110, 70}), "Label1");

    // A designer inside this one, holding a button of its own: neither is ever the hit.
    auto other = Add(ZORudeRuduvozu::kProgId, "Designer2", {3000, 1500, 4500, 3000});
    Add("VB.CommandButton", "Command9", {0, 0, 600, 600}, other);
    EXPECT_EQ(At({205, 105}), "");
    EXPECT_EQ(At({260, 160}), "");
}

TEST_F(HitTestTest, BandsMeetLinesOnlyWhereTheLineRuns) {
    auto diagonal = AddLine("Line1", {1500, 1500, 3000, 3000});
    // Pixels 100..200: the band's corner near the line's bounding box corner away from it.
    EXPECT_FALSE(Designer().LineIntersectsRect(diagonal, {185, 100, 200, 112}, true));
    EXPECT_TRUE(Designer().LineIntersectsRect(diagonal, {140, 140, 160, 160}, true));
    EXPECT_TRUE(Designer().ControlIntersectsRect(button, {90, 50, 95, 55}));
    EXPECT_FALSE(Designer().ControlIntersectsRect(button, {101, 50, 120, 55}));
}

// A Line without height, width or either, on whole pixels both even and odd, is caught by a band
// drawn across it.
TEST_F(HitTestTest, BandsCatchLinesWithoutExtent) {
    const struct {
        const char* name;
        win::RECT ends;
        win::POINT from, to;
    } cases[] = {
        {"Point", {600, 2250, 600, 2250}, {30, 140}, {50, 160}},
        {"OddPoint", {1365, 2265, 1365, 2265}, {81, 141}, {101, 161}},
        {"Horizontal", {1950, 2250, 2550, 2250}, {140, 140}, {150, 160}},
        {"Vertical", {3450, 1800, 3450, 2550}, {220, 140}, {240, 150}},
    };
    for (const auto& c : cases)
        AddLine(c.name, c.ends);
    Designer().LetMode(ksModeSelect);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Drag(c.from, c.to);
        EXPECT_THAT(Selected(), testing::ElementsAre(c.name));
    }
}

TEST_F(HitTestTest, NamesAndKeys) {
    EXPECT_EQ(ScaleModeFromUnits("pixel"), 3);
    EXPECT_EQ(ScaleModeFromUnits(""), 1);
    EXPECT_EQ(ScaleModeFromUnits("Centimeter"), 7);
    EXPECT_EQ(ZORudeRuduvozu::ControlKey(button), "xyzCommand1_-1");
    auto element = GetForm().AddArrayElement(forms::TextBox::Create(), "Text1", 2,
                                             DesignerExtender(), {0, 0, 50, 20});
    EXPECT_EQ(ZORudeRuduvozu::ControlKey(element), "xyzText1_2");
}

// A control beside the designer on the form can be selected while the selection is empty; its
// container chain never reaches the designer, so it is not placed anywhere.
TEST_F(HitTestTest, AControlOutsideTheDesignerIsNotPlaceable) {
    auto outside = GetForm().Add("VB.CommandButton", "Outside");
    ole::LetProperty(ole::Variant(outside), "Visible", ole::Variant(true));
    Designer().LetMode(ksModeSelect);
    Designer().SelectControl(ole::Variant(outside));
    win::RECT rect{};
    EXPECT_FALSE(Designer().GetControlRect(outside, rect));
    EXPECT_EQ(Hit(outside, 10, 10), HitNone);
    Click({60, 40});
    EXPECT_THAT(Selected(), testing::ElementsAre("Command1"));
}

TEST_F(HitTestTest, RemovedControlsArePurgedAndSkipped) {
    auto second = Add("VB.CommandButton", "Command2", {300, 1200, 1500, 1800});
    auto third = Add("VB.CommandButton", "Command3", {300, 2100, 1500, 2700});
    Designer().LetMode(ksModeSelect);
    for (const auto& c : {button, second, third})
        Designer().SelectControl(ole::Variant(c));
    GetForm().RemoveAdded(second);
    EXPECT_EQ(Hit(second, 900, 1500), HitNone);
    EXPECT_THAT(Selected(), testing::ElementsAre("Command1", "Command3"));
    Drag({60, 40}, {80, 50});
    EXPECT_EQ(Geometry(button), "600,450,1200,600");
    EXPECT_EQ(Geometry(third), "600,2250,1200,600");
}

TEST_F(HitTestTest, HoverOverTheSelectionShowsTheSizingPointers) {
    Designer().LetMode(ksModeSelect);
    Designer().SelectControl(ole::Variant(button));
    const struct {
        win::POINT at;
        int16_t pointer;
    } cases[] = {{{103, 40}, 9}, {{60, 17}, 7},  {{17, 17}, 8},
                 {{103, 17}, 6}, {{60, 40}, 15}, {{150, 150}, 0}};
    for (const auto& c : cases) {
        MoveTo(c.at);
        EXPECT_EQ(DesignerExtender()->MousePointer(), c.pointer) << c.at.x << "," << c.at.y;
    }
    // With two selected, every place over the selection moves.
    Designer().SelectControl(ole::Variant(Add("VB.Label", "Label1", {300, 1500, 900, 1800})));
    MoveTo({103, 40});
    EXPECT_EQ(DesignerExtender()->MousePointer(), 15);
}

} // namespace
} // namespace layoutdesk::test
