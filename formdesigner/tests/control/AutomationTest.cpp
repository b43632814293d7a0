#include "DesignerFixture.h"

#include "formdesigner/control/LateReads.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/picture/Picture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

constexpr uint16_t kGet = ole::DISPATCH_PROPERTYGET;
constexpr uint16_t kLet = ole::DISPATCH_PROPERTYPUT;
constexpr uint16_t kSet = ole::DISPATCH_PROPERTYPUTREF;
constexpr uint16_t kMethod = ole::DISPATCH_METHOD;

const struct {
    const char* name;
    ole::DISPID id;
    std::vector<uint16_t> kinds;
} kCatalogue[] = {
    {"AlignSelectedControls", 0x60030010, {kMethod}},
    {"AlignToGrid", 0x6803000F, {kGet, kLet}},
    {"DeselectAllControl", 0x60030011, {kMethod}},
    {"DeselectControl", 0x60030012, {kMethod}},
    {"ForeColor", 0x6803000E, {kGet, kLet}},
    {"BackColor", 0x6803000D, {kGet, kLet}},
    {"GridSizeX", 0x6803000C, {kGet, kLet}},
    {"GridSizeY", 0x6803000B, {kGet, kLet}},
    {"HandleSizeX", 0x6803000A, {kGet, kLet}},
    {"HandleSizeY", 0x68030009, {kGet, kLet}},
    {"IsLocked", 0x60030013, {kMethod}},
    {"IsSelected", 0x60030014, {kMethod}},
    {"LockControls", 0x60030015, {kMethod}},
    {"Mode", 0x68030007, {kGet, kLet}},
    {"ResizeSelectedControls", 0x60030016, {kMethod}},
    {"SelectControl", 0x60030017, {kMethod}},
    {"SelectedControls", 0x68030006, {kGet}},
    {"ShowGrid", 0x68030005, {kGet, kLet}},
    {"UnlockControls", 0x60030018, {kMethod}},
    {"IsContainer", 0x6003002E, {kMethod}},
    {"HandleColor", 0x68030004, {kGet, kLet}},
    {"HandleBorderColor", 0x68030003, {kGet, kLet}},
    {"Refresh", 0x60030056, {kMethod}},
    {"MousePointer", 0x68030002, {kGet, kLet}},
    {"MouseIcon", 0x68030001, {kGet, kSet}},
    {"SaveLayout", 0x6003005D, {kMethod}},
    {"LoadLayout", 0x6003005F, {kMethod}},
};

int32_t ErrorOf(const std::function<void()>& call, std::string* text = nullptr) {
    try {
        call();
    } catch (const ole::Error& error) {
        if (text)
            *text = error.Description();
        return error.Number();
    }
    return 0;
}

class AutomationTest : public DesignerFixture {
protected:
    ole::Variant Self() { return ole::Variant(ole::Ptr<ole::Object>(DesignerExtender())); }
};

TEST_F(AutomationTest, EveryMemberAnswersByNameAndIdWithItsKinds) {
    const ole::ClassInfo& info = ZORudeRuduvozu::Info();
    for (const auto& member : kCatalogue) {
        EXPECT_EQ(info.IdOfName(member.name), member.id) << member.name;
        EXPECT_TRUE(DesignerExtender()->HasMember(member.id)) << member.name;
        for (const uint16_t kind : member.kinds)
            EXPECT_NE(info.FindMember(member.id, kind), nullptr) << member.name << " " << kind;
    }
    EXPECT_EQ(info.FindMember(0x68030006, kLet), nullptr);
    EXPECT_NE(ErrorOf([&] { ole::LetPropertyById(Self(), 0x68030006, ole::Variant(int32_t{1})); }),
              0);

    ole::LetPropertyById(Self(), 0x68030007, ole::Variant(int32_t{2}));
    EXPECT_EQ(ole::GetProperty(Self(), "mode").AsI4(), 2);
    auto icon = ole::Picture::CreateEmpty();
    ole::SetPropertyById(Self(), 0x68030001, ole::Variant(ole::Ptr<ole::Object>(icon)));
    EXPECT_EQ(ole::GetObjectProperty(Self(), "MouseIcon").AsObject().Get(), icon.Get());
}

TEST_F(AutomationTest, EventsAreBoundByIdAndByPositionFromOneTable) {
    const ole::ClassInfo& info = ZORudeRuduvozu::Info();
    EXPECT_EQ(info.FindEvent(17)->name, "DisplayError");
    EXPECT_EQ(info.FindEvent(18)->name, "CreateControl");
    EXPECT_EQ(info.FindEventAt(16)->name, "CreateControl");
    EXPECT_EQ(info.FindEventAt(17)->name, "DisplayError");
    EXPECT_EQ(info.FindEvent(2)->name, "Keydown");
    ASSERT_EQ(info.Events().size(), 20U);

    // A position-bound sink hears ControlSelected (id 19) at position 18.
    struct PositionSink final : ole::Object {
        const ole::ClassInfo& GetClassInfo() const override { return ZORudeRuduvozu::Info(); }
        bool HasMember(ole::DISPID) const override { return true; }
        ole::Variant Invoke(ole::DISPID id, uint16_t, std::span<ole::Variant>) override {
            heard.push_back(id);
            return {};
        }
        std::vector<ole::DISPID> heard;
    };
    auto sink = ole::MakeObject<PositionSink>();
    auto button = Add("VB.CommandButton", "Command1", {300, 300, 1500, 900});
    const uint32_t cookie = ole::ConnectEvents(ole::Ptr<ole::Object>(DesignerExtender()), sink,
                                               ole::EventBinding::ByPosition);
    Designer().SelectControl(ole::Variant(button));
    ole::DisconnectEvents(ole::Ptr<ole::Object>(DesignerExtender()), cookie);
    EXPECT_THAT(sink->heard, testing::ElementsAre(18));
}

TEST_F(AutomationTest, RefusedValuesRaiseTheirErrorsAndChangeNothing) {
    const float grid = Designer().GetGridSizeX();
    std::string text;
    EXPECT_EQ(ErrorOf([&] { ole::LetProperty(Self(), "GridSizeX", ole::Variant(0.0F)); }, &text),
              static_cast<int32_t>(0x800407D2));
    EXPECT_EQ(text, "Invalid grid size value specified");
    EXPECT_EQ(Designer().GetGridSizeX(), grid);
    EXPECT_EQ(ErrorOf([&] { Designer().LetHandleSizeY(-1); }, &text),
              static_cast<int32_t>(0x800407D3));
    EXPECT_EQ(text, "Invalid handle size value specified");
    std::array<ole::Variant, 1> args{ole::Variant(int32_t{3})};
    EXPECT_EQ(ErrorOf([&] { ole::CallMethod(Self(), "IsLocked", args); }, &text),
              static_cast<int32_t>(0x800407D4));
    EXPECT_EQ(text, "Invalid type of obejct specified, control type expected");
    std::array<ole::Variant, 1> nothing{ole::Variant(ole::Ptr<ole::Object>())};
    EXPECT_EQ(ErrorOf([&] { ole::CallMethod(Self(), "SelectControl", nothing); }),
              static_cast<int32_t>(0x800407D4));
}

TEST_F(AutomationTest, TheContainersUnitsBecomeTheDesignersAndSizesFollow) {
    Designer().ClearPropertyChangedLog();
    forms::test::TestHost::SetAmbientScaleUnits(*DesignerExtender(), "Pixel");
    EXPECT_EQ(Designer().ScaleMode(), 3);
    EXPECT_FLOAT_EQ(Designer().GetGridSizeX(), 8);
    EXPECT_FLOAT_EQ(Designer().GetHandleSizeY(), 100.0F / 15);
    EXPECT_FLOAT_EQ(Designer().HitTolerance(), 2);
    EXPECT_FLOAT_EQ(Designer().NudgeStep(), 1);
    EXPECT_THAT(Designer().PropertyChangedLog(),
                testing::ElementsAre("HandleSizeX", "HandleSizeY", "GridSizeX", "GridSizeY"));
}

} // namespace
} // namespace layoutdesk::test
