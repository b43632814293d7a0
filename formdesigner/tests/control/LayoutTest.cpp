#include "DesignerFixture.h"

#include "formdesigner/control/LateReads.h"
#include "formdesigner/layout/CPropertyBag.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace layoutdesk::test {
namespace {

using testing::ElementsAre;

class LayoutTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        path = (std::filesystem::temp_directory_path() /
                ("layoutdesk-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ksf"))
                   .string();
        std::filesystem::remove(path);
        forms::MessageBoxResponder().SetFunction([](const auto&) { return forms::vbOK; });
    }
    void TearDown() override {
        std::filesystem::remove(path);
        DesignerFixture::TearDown();
    }
    void WriteFile(const std::vector<uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    void RemoveAll() {
        for (const auto& control : Designer().ContainedControls())
            GetForm().RemoveAdded(control);
    }

    std::string path;
};

TEST_F(LayoutTest, AFrameWithChildrenAndHostKeysComesBackInOrder) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    Add("VB.CommandButton", "Command1", {240, 480, 1440, 780}, frame);
    Add("VB.CommandButton", "Command2", {240, 900, 1440, 1200}, frame);
    AddLine("Line1", {300, 2700, 1500, 2700});
    OnEvent([&](ole::DISPID id, std::span<ole::Variant> args) {
        if (id != ZORudeRuduvozu::EvSaveControlData && id != ZORudeRuduvozu::EvLoadControlData)
            return;
        const ole::Variant bag = args[1].Deref();
        if (id == ZORudeRuduvozu::EvSaveControlData) {
            std::array<ole::Variant, 2> write{ole::Variant(std::string("Caption")),
                                              ole::GetProperty(args[0].Deref(), "Name")};
            ole::CallMethod(bag, "WriteProperty", write);
        } else {
            std::array<ole::Variant, 1> read{ole::Variant(std::string("Caption"))};
            EXPECT_EQ(ole::CStr(ole::CallMethod(bag, "ReadProperty", read)),
                      ole::CStr(ole::GetProperty(args[0].Deref(), "Name")));
        }
    });
    EXPECT_TRUE(Designer().SaveLayout(path));
    RemoveAll();
    Events();
    EXPECT_TRUE(Designer().LoadLayout(path));
    EXPECT_THAT(EventNames(), ElementsAre("LoadFormData", "CreateControl", "LoadControlData",
                                          "CreateControl", "LoadControlData", "CreateControl",
                                          "LoadControlData", "CreateControl", "LoadControlData"));
    auto command2 = GetForm().FindControl("Command2");
    ASSERT_TRUE(command2);
    EXPECT_EQ(Geometry(command2), "240,900,1200,300");
    EXPECT_EQ(ReadObject(command2, "Container").Get(),
              ole::Ptr<ole::Object>(GetForm().FindControl("Frame1")).Get());
    EXPECT_EQ(ole::CStr(ReadMember(GetForm().FindControl("Line1"), "X2")), "1500");
}

// A file that cannot be read is reported once and nothing else happens; a missing one is never
// created.
TEST_F(LayoutTest, BadFilesGiveOneReportAndNothingElse) {
    const auto bag = CPropertyBag::Create();
    const std::vector<uint8_t> valid = ole::LayoutFile::Build(bag->Contents().AsBytes());
    std::vector<uint8_t> wrongTag = valid;
    wrongTag[0] = 0x08;
    std::vector<uint8_t> tooLong = valid;
    tooLong[4] = 0x7F;
    std::vector<uint8_t> garbage = ole::LayoutFile::Build(std::vector<uint8_t>{1, 2, 3, 4});
    for (const auto& bytes : {std::vector<uint8_t>{}, std::vector<uint8_t>{0x11, 0x20, 1}, wrongTag,
                              tooLong, garbage}) {
        WriteFile(bytes);
        Events();
        EXPECT_FALSE(Designer().LoadLayout(path));
        EXPECT_THAT(Events(), ElementsAre(testing::StartsWith("DisplayError(")));
    }
    EXPECT_THAT(forms::MessageBoxResponder().Log().back().request.text,
                testing::EndsWith(" : 458"));

    std::filesystem::remove(path);
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_THAT(Events(), ElementsAre(testing::EndsWith(", 53, True)")));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(LayoutTest, NestingDeeperThanSixtyFourLevelsIsCutOffOnce) {
    ole::Variant contents;
    for (int level = 100; level >= 1; --level) {
        const auto bag = CPropertyBag::Create();
        const auto put = [&](const std::string& key, ole::Variant value) {
            bag->WriteProperty(key, value, ole::Variant::Missing());
        };
        put("IsContainer", ole::Variant(true));
        put("ControlType", ole::Variant(std::string("VB.Frame")));
        put("ControlName", ole::Variant("Frame" + std::to_string(level)));
        if (level < 100) {
            put("ControlInfo_" + std::to_string(level) + "_1_ChildCount", ole::Variant(int16_t{1}));
            put("ControlInfo_" + std::to_string(level + 1) + "_1", contents);
        }
        contents = bag->Contents();
    }
    const auto root = CPropertyBag::Create();
    root->WriteProperty("ControlCount", ole::Variant(int16_t{1}), ole::Variant::Missing());
    root->WriteProperty("ControlInfo_1_1", contents, ole::Variant::Missing());
    ole::LayoutFile::Write(path, root->Contents());
    Events();
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_TRUE(GetForm().FindControl("Frame64"));
    EXPECT_FALSE(GetForm().FindControl("Frame65"));
    std::vector<std::string> errors;
    for (const std::string& event : Events())
        if (event.starts_with("DisplayError"))
            errors.push_back(event);
    EXPECT_THAT(errors, ElementsAre(testing::HasSubstr(", 458, ")));
}

} // namespace
} // namespace layoutdesk::test
