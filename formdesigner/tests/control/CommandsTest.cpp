#include "DesignerFixture.h"

#include "formdesigner/control/LateReads.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

using testing::ElementsAre;

// Twips stay multiples of 15 so that the pixel-based controls keep them exactly.
class CommandsTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        a = Add("VB.CommandButton", "CmdA", {300, 300, 1200, 600});
        b = Add("VB.CommandButton", "CmdB", {450, 900, 1050, 1200});
        c = Add("VB.CommandButton", "CmdC", {600, 1500, 1800, 1800});
        Designer().LetMode(ksModeSelect);
        for (const auto& control : {a, b, c})
            Designer().SelectControl(ole::Variant(control));
        Events();
    }
    void TearDown() override {
        a = b = c = nullptr;
        DesignerFixture::TearDown();
    }
    static std::string Ends(const ole::Ptr<forms::Control>& line) {
        std::string text;
        for (const char* member : {"X1", "Y1", "X2", "Y2"})
            text += (text.empty() ? "" : ",") + ole::CStr(ReadMember(line, member));
        return text;
    }

    ole::Ptr<forms::Control> a, b, c;
};

TEST_F(CommandsTest, AlignLeftLinesUpWithTheLastSelectedAndSkipsLockedControls) {
    Designer().LockControls(ksScopeThis, ole::Variant(b));
    Designer().AlignSelectedControls(ksAlignLeft);
    EXPECT_EQ(Geometry(a), "600,300,900,300");
    EXPECT_EQ(Geometry(b), "450,900,600,300");
    EXPECT_THAT(Events(), ElementsAre("ControlMoved(CmdA)", "ControlMoved(CmdC)"));
    Designer().AlignSelectedControls(ksAlignBottom);
    EXPECT_EQ(Geometry(a), "600,1500,900,300");
}

TEST_F(CommandsTest, AlignRightMovesTheLineEndOnThatSide) {
    Designer().DeselectAllControl();
    auto forward = AddLine("Line1", {150, 45, 300, 45});
    auto backward = AddLine("Line2", {300, 90, 150, 90});
    auto reference = Add("VB.CommandButton", "Ref", {300, 2100, 1005, 2400});
    for (const auto& control : {forward, backward, reference})
        Designer().SelectControl(ole::Variant(control));
    Designer().AlignSelectedControls(ksAlignRight);
    EXPECT_EQ(Ends(forward), "855,45,1005,45");
    EXPECT_EQ(Ends(backward), "1005,90,855,90");
}

TEST_F(CommandsTest, AlignToGridSnapsAndKeepsSizesAboveZero) {
    Designer().DeselectAllControl();
    // A pixel container: the 120-twip grid is 8 pixels there.
    auto picture = Add("VB.PictureBox", "Picture1", {1500, 1500, 3000, 3000});
    ole::LetProperty(ole::Variant(picture), "ScaleMode", ole::Variant(int16_t{3}));
    auto inner = Add("VB.CommandButton", "Inner", {17, 13, 20, 40}, picture);
    Designer().SelectControl(ole::Variant(inner));
    Events();
    Designer().AlignSelectedControls(ksAlignGrid);
    EXPECT_EQ(Geometry(inner), "16,16,1,24");
    EXPECT_THAT(Events(), ElementsAre("ControlMoved(Inner)"));
}

TEST_F(CommandsTest, ResizeToTheSmallestOrToAGivenValue) {
    Designer().ResizeSelectedControls(ksSizeHorzShrinkToSmallest, -1);
    for (const auto& control : {a, b, c})
        EXPECT_EQ(ole::CStr(ReadMember(control, "Width")), "600");
    EXPECT_THAT(EventNames(), ElementsAre("ControlResized", "ControlResized", "ControlResized"));
    Designer().ResizeSelectedControls(ksSizeVertExpandToLargest, 510);
    for (const auto& control : {a, b, c})
        EXPECT_EQ(ole::CStr(ReadMember(control, "Height")), "510");
}

TEST_F(CommandsTest, LateBoundResizeWithoutAValueMeansMinusOne) {
    const ole::Variant self{ole::Ptr<ole::Object>(DesignerExtender())};
    std::array<ole::Variant, 1> expand{ole::Variant(int32_t{ksSizeHorzExpandToLargest})};
    ole::CallMethod(self, "ResizeSelectedControls", expand);
    EXPECT_EQ(ole::CStr(ReadMember(a, "Width")), "1200");
    std::array<ole::Variant, 1> absolute{ole::Variant(int32_t{ksSizeVertAbsolute})};
    try {
        ole::CallMethod(self, "ResizeSelectedControls", absolute);
        ADD_FAILURE() << "absolute sizing without a value was accepted";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), static_cast<int32_t>(0x800407D1));
        EXPECT_EQ(error.Description(), "Invalid resizing parameter");
    }
    EXPECT_EQ(Geometry(a), "300,300,1200,300");
}

TEST_F(CommandsTest, ALineKeepsItsLeftEndWhenSized) {
    Designer().DeselectAllControl();
    auto line = AddLine("Line1", {300, 45, 105, 45});
    Designer().SelectControl(ole::Variant(line));
    Events();
    Designer().ResizeSelectedControls(ksSizeHorzAbsolute, 405);
    EXPECT_EQ(Ends(line), "510,45,105,45");
    EXPECT_TRUE(Events().empty());
}

} // namespace
} // namespace layoutdesk::test
