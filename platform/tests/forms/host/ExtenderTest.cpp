#include "HostFixture.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "testsupport/ErrorOf.h"

#include <limits>

namespace hosttest {

using forms::test::TestHost;

namespace {

using testsupport::ErrorOf;

} // namespace

class ExtenderTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.emplace();
        probe = ProbeControl::Create();
        site = host->Host(probe, "ctlProbe", {10, 20, 110, 70});
        ext = ole::Variant(site);
    }
    void TearDown() override {
        ext = ole::Variant();
        site.Reset();
        probe.Reset();
        host.reset();
        HostTest::TearDown();
    }

    std::optional<TestHost> host;
    ole::Ptr<ProbeControl> probe;
    ole::Ptr<Extender> site;
    ole::Variant ext;
};

TEST_F(ExtenderTest, ContractIdsAndNamesReachTheSameMembers) {
    EXPECT_EQ(site->GetIDsOfNames("Visible"), static_cast<ole::DISPID>(0x80010007));
    EXPECT_EQ(site->GetIDsOfNames("move"), static_cast<ole::DISPID>(0x80011002));
    for (const char* name : {"Name",
                             "Left",
                             "Top",
                             "Width",
                             "Height",
                             "Container",
                             "Parent",
                             "object",
                             "Tag",
                             "Index",
                             "Enabled",
                             "TabIndex",
                             "TabStop",
                             "ToolTipText",
                             "HelpContextID",
                             "WhatsThisHelpID",
                             "DragIcon",
                             "DragMode",
                             "CausesValidation",
                             "Align",
                             "Cancel",
                             "Default"}) {
        const ole::DISPID id = site->GetIDsOfNames(name);
        EXPECT_GE(static_cast<uint32_t>(id), 0x80010000u) << name;
        EXPECT_LE(static_cast<uint32_t>(id), 0x80011FFFu) << name;
    }

    host->Show();
    EXPECT_TRUE(ole::GetPropertyById(ext, 0x80010007).AsBool());
    ole::LetPropertyById(ext, 0x80010007, ole::Variant(false));
    EXPECT_FALSE(win::IsWindowVisible(site->Window()));
    EXPECT_EQ(probe->log.back(), "Hide");
    ole::LetProperty(ext, "Visible", ole::Variant(true));
    EXPECT_EQ(probe->log.back(), "Show");

    ole::Variant moveArgs[] = {ole::Variant(300.0f), ole::Variant(450.0f), ole::Variant(750.0f),
                               ole::Variant(300.0f)};
    ole::CallMethodById(ext, 0x80011002, moveArgs);
    EXPECT_EQ(site->PixelBounds(), (win::RECT{20, 30, 70, 50}));
}

TEST_F(ExtenderTest, GeometryIsInTheContainersUnits) {
    EXPECT_FLOAT_EQ(ole::GetProperty(ext, "Left").AsR4(), 150.0f);
    EXPECT_FLOAT_EQ(ole::GetProperty(ext, "Top").AsR4(), 300.0f);
    EXPECT_FLOAT_EQ(ole::GetProperty(ext, "Width").AsR4(), 1500.0f);
    EXPECT_FLOAT_EQ(ole::GetProperty(ext, "Height").AsR4(), 750.0f);

    host->GetForm().SetScaleMode(3);
    EXPECT_FLOAT_EQ(site->Left(), 10.0f);
    EXPECT_FLOAT_EQ(site->Width(), 100.0f);
    host->GetForm().SetScaleMode(5);
    EXPECT_FLOAT_EQ(site->Width(), 100.0f / 96.0f);

    // A user system on the form: 0..10 across the client area.
    host->GetForm().SetScaleMode(1);
    const float clientTwips = host->GetForm().ScaleWidth();
    host->GetForm().SetScaleLeft(0);
    host->GetForm().SetScaleWidth(10);
    ole::LetProperty(ext, "Left", ole::Variant(5.0f));
    EXPECT_EQ(site->PixelBounds().left, forms::RoundToPixels(clientTwips / 15.0 / 2));

    // Half-even to pixels: 22.5 twips is 1.5 px, 37.5 twips 2.5 px; both land on 2.
    host->GetForm().SetScaleMode(1);
    site->Move(22.5f, ole::Variant(37.5f), ole::Variant::Missing(), ole::Variant::Missing());
    EXPECT_EQ(site->PixelBounds().left, 2);
    EXPECT_EQ(site->PixelBounds().top, 2);
    EXPECT_EQ(ErrorOf([&] { site->SetWidth(-1); }), ole::ERR_INVALID_PROPERTY_VALUE);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(ErrorOf([&] { site->SetHeight(nan); }), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { site->SetLeft(std::numeric_limits<float>::infinity()); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(site->PixelBounds().left, 2) << "refused before anything moved";
}

TEST_F(ExtenderTest, MoveIsRelativeToTheWindowsCurrentParent) {
    host->Show();
    const win::HWND grid =
        win::CreateWindowExA(0, "Static", "", win::WS_CHILD | win::WS_VISIBLE, 100, 100, 200, 200,
                             host->GetForm().Window(), {}, {}, nullptr);
    ASSERT_TRUE(grid);
    win::SetParent(site->Window(), grid);
    site->Move(0, ole::Variant(0.0f), ole::Variant(600.0f), ole::Variant(300.0f));
    win::RECT r;
    win::GetWindowRect(site->Window(), &r);
    win::POINT corner{r.left, r.top};
    win::ScreenToClient(grid, &corner);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    EXPECT_FLOAT_EQ(site->Left(), 0.0f);
}

TEST_F(ExtenderTest, IdentityMembersAndReadOnlyName) {
    const auto form = host->FormObject();
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(ext, "Container"), ole::Variant(form)));
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(ext, "Parent"), ole::Variant(form)));
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(ext, "object"), ole::Variant(probe)));
    // The extender passes for the control it wraps.
    EXPECT_EQ(ole::TypeName(ext), "ProbeControl");
    // The form's Controls hold the extender itself, by position and by name.
    const ole::Variant controls = ole::GetObjectProperty(ole::Variant(form), "Controls");
    EXPECT_EQ(ole::GetProperty(controls, "Count").AsI4(), 1);
    ole::Variant zero[] = {ole::Variant(int32_t{0})};
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(controls, "Item", zero), ext));
    ole::Variant byName[] = {ole::Variant("CTLPROBE")};
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(controls, "Item", byName), ext));

    EXPECT_EQ(ole::GetProperty(ext, "Name").AsString(), "ctlProbe");
    EXPECT_EQ(ErrorOf([&] { ole::LetProperty(ext, "Name", ole::Variant("x")); }),
              ole::ERR_READ_ONLY);
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(ext, "Index"); }), ole::ERR_NOT_AN_ARRAY);
    ole::LetProperty(ext, "Tag", ole::Variant("note"));
    EXPECT_EQ(ole::GetProperty(ext, "Tag").AsString(), "note");
    ole::LetProperty(ext, "Enabled", ole::Variant(false));
    EXPECT_FALSE(win::IsWindowEnabled(site->Window()));
    EXPECT_EQ(ErrorOf([&] { ole::LetProperty(ext, "DragMode", ole::Variant(int16_t{2})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
}

TEST_F(ExtenderTest, UnknownMembersFallThroughToTheInnerControl) {
    ole::LetProperty(ext, "Caption", ole::Variant("via extender"));
    EXPECT_EQ(probe->GetCaption(), "via extender");
    const ole::DISPID captionId = site->GetIDsOfNames("Caption");
    EXPECT_EQ(captionId, ProbeControl::Caption);
    EXPECT_EQ(ole::GetPropertyById(ext, captionId).AsString(), "via extender");
    ole::CallMethod(ext, "Bump");
    EXPECT_EQ(ole::GetProperty(ext, "Value").AsI4(), 1);
    // ScaleMode comes from the inner control because it has one.
    EXPECT_EQ(ole::GetProperty(ext, "ScaleMode").AsI2(), 1);
    EXPECT_TRUE(site->HasMember(ProbeControl::Bump));

    // Members neither has fail with 438, by name and by id.
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(ext, "IntegralHeight"); }), ole::ERR_NO_MEMBER);
    EXPECT_EQ(ErrorOf([&] { ole::GetPropertyById(ext, 0x7777); }), ole::ERR_NO_MEMBER);
}

TEST_F(ExtenderTest, ContainerMovesTheControlIntoAnotherContainer) {
    auto holder = ProbeControl::Create();
    struct HolderControl : ProbeControl {
        bool IsControlContainer() const override { return true; }
    };
    auto outer = ole::MakeObject<HolderControl>();
    auto outerSite = host->Host(outer, "ctlHolder", {100, 100, 300, 250});
    site->SetContainer(outerSite);
    EXPECT_TRUE(ole::Is(site->Container(), outerSite));
    EXPECT_EQ(win::GetParent(site->Window()), outerSite->Window());
    // Same position in container units, now measured in the holder.
    EXPECT_FLOAT_EQ(site->Left(), 150.0f);
    const ole::Variant contained(outer->ContainedControlsObject());
    ASSERT_EQ(ole::GetProperty(contained, "Count").AsI4(), 1);
    ole::Variant zero[] = {ole::Variant(int32_t{0})};
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(contained, "Item", zero), ext));
    // The user control itself stands for the holder as well as its extender does.
    site->SetContainer(ole::Ptr<ole::Object>(outer));
    EXPECT_EQ(ole::GetProperty(contained, "Count").AsI4(), 1);
    EXPECT_EQ(ErrorOf([&] { site->SetContainer(ole::Ptr<ole::Object>(holder)); }),
              ole::ERR_INVALID_CALL);
}

} // namespace hosttest
