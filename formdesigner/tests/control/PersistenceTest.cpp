#include "DesignerFixture.h"

#include "testsupport/StoredNames.h"

#include "shared/util/ColorUtils.h"

#include "platform/forms/host/Ambient.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/picture/PictureType.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/Snapshot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

class PersistenceTest : public DesignerFixture {
protected:
    static ole::Ptr<ole::PropertyBag>
    Bag(std::initializer_list<std::pair<const char*, ole::Variant>> values) {
        auto bag = ole::PropertyBag::Create();
        for (const auto& [name, value] : values)
            bag->WriteProperty(name, value, ole::Variant::Missing());
        return bag;
    }
    size_t SavedKeys() {
        return forms::test::TestHost::Save(*DesignerExtender())->Entries().Size();
    }
};

TEST_F(PersistenceTest, OnlyValuesOtherThanTheirDefaultsAreKept) {
    HostFromBag(
        Bag({{"Mode", ole::Variant(int32_t{2})}, {"MousePointer", ole::Variant(int32_t{2})}}));
    EXPECT_EQ(Designer().GetMode(), ksModeSelect);
    EXPECT_EQ(Designer().GetMousePointer(), 2);
    EXPECT_EQ(DesignerExtender()->MousePointer(), 2);
    EXPECT_EQ(Designer().GetGridSizeX(), 120);
    EXPECT_TRUE(Designer().GetShowGrid());
    EXPECT_TRUE(Designer().PropertyChangedLog().empty());
    EXPECT_EQ(SavedKeys(), 2U);
    Designer().LetMode(ksModeRun);
    Designer().LetMousePointer(0);
    EXPECT_EQ(SavedKeys(), 0U);
}

TEST_F(PersistenceTest, KeysAreWrittenInTheStoredFormsOrder) {
    ZORudeRuduvozu& designer = Designer();
    designer.LetAlignToGrid(true);
    designer.LetForeColor(0x111111);
    designer.LetBackColor(0x222222);
    designer.LetGridSizeX(60);
    designer.LetGridSizeY(60);
    designer.LetHandleSizeX(45);
    designer.LetHandleSizeY(45);
    designer.LetMode(ksModeSelect);
    designer.LetShowGrid(false);
    designer.LetHandleColor(0x333333);
    designer.LetHandleBorderColor(0x444444);
    designer.LetMousePointer(2);
    designer.SetMouseIcon(
        ole::Picture::FromImage(ole::Image{1, 1, {0xFFFFFFFF}}, ole::PICTYPE_ICON));
    EXPECT_EQ(
        testsupport::StoredNames(*forms::test::TestHost::Save(*DesignerExtender())),
        (std::vector<std::string>{"AlignToGrid", "BackColor", "ForeColor", "GridSizeX", "GridSizeY",
                                  "HandleBorderColor", "HandleColor", "HandleSizeX", "HandleSizeY",
                                  "Mode", "ShowGrid", "MouseIcon", "MousePointer"}));
}

// Stored sizes are kept unchecked; a negative grid then paints no dots and snaps no moves along
// its axis, and the container's change of units leaves the refused size as it was.
TEST_F(PersistenceTest, StoredSizesOfZeroOrLessAreKeptAndHarmless) {
    HostFromBag(Bag({{"GridSizeX", ole::Variant(-120.0F)},
                     {"AlignToGrid", ole::Variant(true)},
                     {"Mode", ole::Variant(int32_t{2})}}));
    EXPECT_EQ(Designer().GetGridSizeX(), -120);
    auto button = Add("VB.CommandButton", "Command1", {300, 300, 1500, 900});
    Designer().SelectControl(ole::Variant(button));
    win::test::pump();
    const auto snapshot = win::test::CaptureClient(Surface());
    EXPECT_EQ(win::test::PixelOf(snapshot, 8, 8), shared::TranslateColor(0x8000000F));
    EXPECT_EQ(win::test::PixelOf(snapshot, 13, 60), shared::TranslateColor(0x8000000E));
    Drag({60, 40}, {71, 45});
    EXPECT_EQ(Geometry(button), "465,360,1200,600");
    // Sizes snap on the Y axis alone, and a width of 0 pixels stays 0.
    auto picture = Add("VB.PictureBox", "Picture1", {1500, 1500, 3000, 3000});
    ole::LetProperty(ole::Variant(picture), "ScaleMode", ole::Variant(int16_t{3}));
    auto thin = Add("VB.CommandButton", "Thin", {5, 3, 5, 20}, picture);
    Designer().DeselectAllControl();
    Designer().SelectControl(ole::Variant(thin));
    Designer().AlignSelectedControls(ksAlignGrid);
    EXPECT_EQ(Geometry(thin), "5,0,0,16");

    forms::test::TestHost::SetAmbientScaleUnits(*DesignerExtender(), "Pixel");
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
    EXPECT_FLOAT_EQ(Designer().GetGridSizeX(), -120);
    EXPECT_FLOAT_EQ(Designer().GetHandleSizeX(), 100.0F / 15);
    EXPECT_FLOAT_EQ(Designer().GetGridSizeY(), 8);
    EXPECT_FLOAT_EQ(Designer().HitTolerance(), 2);
}

// A pointer the surface refuses is never kept: set or stored, it would come back as 380 from
// every mouse move in the design modes and be written out again.
TEST_F(PersistenceTest, PointersTheSurfaceRefusesAreNotKept) {
    for (const int32_t refused : {16, 50, 70000, -5}) {
        SCOPED_TRACE(refused);
        try {
            Designer().LetMousePointer(refused);
            ADD_FAILURE() << "accepted";
        } catch (const ole::Error& e) {
            EXPECT_EQ(e.Number(), 380);
        }
        EXPECT_EQ(Designer().GetMousePointer(), 0);
        EXPECT_TRUE(Designer().PropertyChangedLog().empty());
    }
}

TEST_F(PersistenceTest, AStoredPointerTheSurfaceRefusesLoadsAsTheDefault) {
    HostFromBag(
        Bag({{"Mode", ole::Variant(int32_t{2})}, {"MousePointer", ole::Variant(int32_t{50})}}));
    EXPECT_EQ(Designer().GetMousePointer(), 0);
    EXPECT_EQ(SavedKeys(), 1U);
    Events();
    MoveTo({40, 40});
    MoveTo({50, 40});
    EXPECT_THAT(EventNames(), testing::ElementsAre("MouseMove", "MouseMove"));
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
}

TEST(DesignTimeBag, AStoredDesignModeOutsideUserModePaintsWithoutACache) {
    win::test::resetPlatform();
    ZORudeRuduvozu::Register();
    {
        forms::test::TestHost host(forms::test::HostMode::Design);
        auto bag = ole::PropertyBag::Create();
        bag->WriteProperty("Mode", ole::Variant(int32_t{2}), ole::Variant::Missing());
        auto extender =
            host.Host(ZORudeRuduvozu::kProgId, "Designer1", {10, 10, 310, 210}, bag.Get());
        auto designer = ole::PtrCast<ZORudeRuduvozu>(extender->Inner());
        host.Show();
        auto button =
            host.GetForm().Add("VB.CommandButton", "Command1", ole::Ptr<ole::Object>(extender));
        designer->SelectControl(ole::Variant(button));
        designer->Refresh();
        EXPECT_EQ(designer->ResourceMgr(), nullptr);
        EXPECT_TRUE(win::test::CaughtExceptions().empty());
    }
    win::test::resetPlatform();
}

} // namespace
} // namespace layoutdesk::test
