#include "DesignerFixture.h"

#include "formdesigner/control/LateReads.h"
#include "formdesigner/layout/CPropertyBag.h"
#include "formdesigner/layout/StoredCount.h"

#include "testsupport/ErrorOf.h"

#include "platform/base/ByteWriter.h"
#include "platform/base/Clock.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

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
    std::vector<uint8_t> ReadFile() {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The root bag of the saved file.
    ole::Ptr<ole::PropertyBag> SavedRoot() {
        return ole::PropertyBag::FromBytes(ole::LayoutFile::Read(path).AsBytes());
    }
    std::vector<std::string> DisplayErrors() {
        std::vector<std::string> errors;
        for (const std::string& event : Events())
            if (event.starts_with("DisplayError"))
                errors.push_back(event);
        return errors;
    }
    std::string LastBoxText() { return forms::MessageBoxResponder().Log().back().request.text; }

    // A control's entry as the designer stores it, children included.
    struct Stored {
        std::string type;
        std::string name;
        bool container = false;
        std::vector<Stored> children;
    };
    static ole::Variant ContentsOf(const Stored& control, int level, int index) {
        const auto bag = CPropertyBag::Create();
        const auto put = [&](const std::string& key, ole::Variant value) {
            bag->WriteProperty(key, value, ole::Variant::Missing());
        };
        put("IsContainer", ole::Variant(control.container));
        put("ControlType", ole::Variant(control.type));
        put("ControlName", ole::Variant(control.name));
        const std::string key =
            "ControlInfo_" + std::to_string(level) + "_" + std::to_string(index);
        if (control.container)
            put(key + "_ChildCount", ole::Variant(static_cast<int16_t>(control.children.size())));
        for (size_t j = 0; j < control.children.size(); ++j)
            put("ControlInfo_" + std::to_string(level + 1) + "_" + std::to_string(j + 1),
                ContentsOf(control.children[j], level + 1, static_cast<int>(j + 1)));
        return bag->Contents();
    }
    void WriteLayout(const std::vector<Stored>& controls) {
        const auto root = CPropertyBag::Create();
        root->WriteProperty("ControlCount", ole::Variant(static_cast<int16_t>(controls.size())),
                            ole::Variant::Missing());
        for (size_t i = 0; i < controls.size(); ++i)
            root->WriteProperty("ControlInfo_1_" + std::to_string(i + 1),
                                ContentsOf(controls[i], 1, static_cast<int>(i + 1)),
                                ole::Variant::Missing());
        ole::LayoutFile::Write(path, root->Contents());
    }

    // Frame1 of `frameType` holding Command1 and Command2, then Command3 on the designer.
    void WriteFrameThenButton(const std::string& frameType) {
        WriteLayout({{frameType,
                      "Frame1",
                      true,
                      {{"VB.CommandButton", "Command1", false, {}},
                       {"VB.CommandButton", "Command2", false, {}}}},
                     {"VB.CommandButton", "Command3", false, {}}});
    }

    std::string path;
};

// Bag bytes built field by field: "PBG1", version, entry count, then what `entries` writes.
std::vector<uint8_t> BagBytes(uint16_t version, uint32_t count,
                              const std::function<void(base::ByteWriter&)>& entries = {}) {
    base::ByteWriter out;
    out.Text("PBG1");
    out.U16(version);
    out.U32(count);
    if (entries)
        entries(out);
    return out.Take();
}

void EmptyEntry(base::ByteWriter& out, std::string_view name) {
    out.U16(static_cast<uint16_t>(name.size()));
    out.Text(name);
    out.U16(ole::VT_EMPTY);
}

// A root bag that holds nothing but its control count.
template <class T>
std::vector<uint8_t> CountedBag(T count) {
    const auto bag = CPropertyBag::Create();
    bag->WriteProperty("ControlCount", ole::Variant(count), ole::Variant::Missing());
    return bag->Contents().AsBytes();
}

// A header of `type`, `dimensions` and `count` elements over `body`.
std::vector<uint8_t> FileOf(uint16_t type, uint16_t dimensions, uint32_t count,
                            const std::vector<uint8_t>& body) {
    base::ByteWriter out;
    out.U16(type);
    out.U16(dimensions);
    out.U32(count);
    out.U32(0);
    out.Bytes(body);
    return out.Take();
}

std::vector<uint8_t> FileOf(const std::vector<uint8_t>& contents) {
    return FileOf(0x2011, 1, static_cast<uint32_t>(contents.size()), contents);
}

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

// A host handler moves controls while a frame saves its children: the frame stores those it
// holds when the walk over the form reaches them, as a fresh look at each control finds them.
TEST_F(LayoutTest, AFrameStoresTheChildrenItHoldsWhenItsWalkReachesThem) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    Add("VB.CommandButton", "Command1", {240, 480, 1440, 780}, frame);
    auto command2 = Add("VB.CommandButton", "Command2", {240, 900, 1440, 1200}, frame);
    Add("VB.CommandButton", "Command3", {240, 1320, 1440, 1620}, frame);
    auto command4 = Add("VB.CommandButton", "Command4", {240, 2700, 1440, 3000});
    OnEvent([&](ole::DISPID id, std::span<ole::Variant> args) {
        if (id != ZORudeRuduvozu::EvSaveControlData ||
            ole::CStr(ole::GetProperty(args[0].Deref(), "Name")) != "Command1")
            return;
        ole::SetProperty(ole::Variant(command2), "Container",
                         ole::Variant(ole::Ptr<ole::Object>(DesignerExtender())));
        ole::SetProperty(ole::Variant(command4), "Container",
                         ole::Variant(ole::Ptr<ole::Object>(frame)));
    });
    EXPECT_TRUE(Designer().SaveLayout(path));
    const auto stored = ole::PropertyBag::FromBytes(
        SavedRoot()->ReadProperty("INT_ControlInfo_1_1", ole::Variant::Missing()).AsBytes());
    std::vector<std::string> children;
    for (int j = 1; j <= ole::CInt(stored->ReadProperty("INT_ControlInfo_1_1_ChildCount",
                                                        ole::Variant::Missing()));
         ++j) {
        const auto child = ole::PropertyBag::FromBytes(
            stored->ReadProperty("INT_ControlInfo_2_" + std::to_string(j), ole::Variant::Missing())
                .AsBytes());
        children.push_back(ole::CStr(child->ReadProperty("INT_ControlName", ole::Variant())));
    }
    EXPECT_THAT(children, ElementsAre("Command1", "Command3", "Command4"));
}

// Frames nested at random, with buttons moved into frames made after them so that the form's
// order is not the order of nesting: the file holds the tree a plain walk of the form finds,
// each container's children in the form's order.
TEST_F(LayoutTest, TheStoredTreeIsTheOneAPlainWalkOfTheFormFinds) {
    uint32_t seed = 5;
    const auto next = [&](size_t n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<size_t>((seed >> 16) % n);
    };
    std::vector<ole::Ptr<ole::Object>> frames{ole::Ptr<ole::Object>(DesignerExtender())};
    std::vector<ole::Ptr<forms::Control>> buttons;
    for (int i = 0; i < 40; ++i) {
        const ole::Ptr<ole::Object> in = frames[next(frames.size())];
        const std::string name = "Control" + std::to_string(i);
        if (next(3) == 0)
            frames.emplace_back(Add("VB.Frame", name, {15, 15, 900, 900}, in));
        else
            buttons.push_back(Add("VB.CommandButton", name, {15, 15, 300, 300}, in));
    }
    for (size_t i = 0; i < buttons.size(); i += 3)
        ole::SetProperty(ole::Variant(buttons[i]), "Container",
                         ole::Variant(frames[next(frames.size())]));

    std::function<std::string(const ole::Ptr<ole::Object>&)> walked =
        [&](const ole::Ptr<ole::Object>& container) {
            std::string tree;
            for (const auto& control : GetForm().ControlList()) {
                if (ReadObject(control, "Container").Get() != container.Get())
                    continue;
                tree += control->Name();
                if (forms::IsContainer(control.Get()))
                    tree += "(" + walked(ole::Ptr<ole::Object>(control)) + ")";
                tree += " ";
            }
            return tree;
        };
    std::function<std::string(ole::PropertyBag&, const std::string&, int)> stored =
        [&](ole::PropertyBag& bag, const std::string& count, int level) {
            std::string tree;
            const int16_t n = ole::CInt(bag.ReadProperty(count, ole::Variant(int16_t{0})));
            for (int i = 1; i <= n; ++i) {
                const std::string key =
                    "INT_ControlInfo_" + std::to_string(level) + "_" + std::to_string(i);
                const auto child = ole::PropertyBag::FromBytes(
                    bag.ReadProperty(key, ole::Variant::Missing()).AsBytes());
                tree += ole::CStr(child->ReadProperty("INT_ControlName", ole::Variant()));
                if (ole::CBool(child->ReadProperty("INT_IsContainer", ole::Variant())))
                    tree += "(" + stored(*child, key + "_ChildCount", level + 1) + ")";
                tree += " ";
            }
            return tree;
        };
    EXPECT_TRUE(Designer().SaveLayout(path));
    const std::string tree = walked(frames.front());
    EXPECT_EQ(stored(*SavedRoot(), "INT_ControlCount", 1), tree);
    EXPECT_NE(tree.find("(Control"), std::string::npos) << "some frame holds a control";
}

// A file that cannot be read is reported once and nothing else happens; a missing one is never
// created.
TEST_F(LayoutTest, BadFilesGiveOneReportAndNothingElse) {
    const std::vector<uint8_t> empty = BagBytes(1, 0);
    std::vector<uint8_t> trailing = empty;
    trailing.push_back(0);
    const struct {
        const char* what;
        std::vector<uint8_t> file;
    } cases[] = {
        {"empty", {}},
        {"5 bytes", {0x11, 0x20, 1, 0, 4}},
        {"type 0x0011", FileOf(0x0011, 1, 10, empty)},
        {"2 dimensions", FileOf(0x2011, 2, 10, empty)},
        {"N beyond the end", FileOf(0x2011, 1, 11, empty)},
        {"random contents", FileOf({0x9E, 0x41, 0x07, 0xC3, 0x5A, 0x00, 0xFF, 0x12})},
        {"bag version 2", FileOf(BagBytes(2, 0))},
        {"bytes after the last entry", FileOf(trailing)},
        {"a name that is not UTF-8",
         FileOf(BagBytes(1, 1, [](auto& out) { EmptyEntry(out, "INT_\xC3"); }))},
        {"a count beyond the entries", FileOf(CountedBag(int16_t{40}))},
        {"a negative count", FileOf(CountedBag(int16_t{-32768}))},
        {"a count that is no number", FileOf(CountedBag("many"))},
        {"a name stored twice", FileOf(BagBytes(1, 2,
                                                [](auto& out) {
                                                    EmptyEntry(out, "INT_ControlCount");
                                                    EmptyEntry(out, "int_controlcount");
                                                }))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(c.file);
        Events();
        EXPECT_FALSE(Designer().LoadLayout(path));
        EXPECT_THAT(Events(), ElementsAre(testing::EndsWith(", 458, True)")));
        EXPECT_THAT(LastBoxText(), testing::EndsWith(" : 458"));
        EXPECT_TRUE(Designer().ContainedControls().empty());
    }
    const size_t boxes = forms::MessageBoxResponder().Log().size();
    EXPECT_EQ(boxes, std::size(cases));

    std::filesystem::remove(path);
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_THAT(Events(), ElementsAre(testing::EndsWith(", 53, True)")));
    EXPECT_THAT(LastBoxText(), testing::EndsWith(" : 53"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A file that cannot be opened for writing is reported once and nothing is written.
TEST_F(LayoutTest, AFailedOpenForWritingIsReportedOnce) {
    const std::string folder = path + ".d";
    std::filesystem::create_directory(folder);
    const struct {
        std::string target;
        int32_t error;
    } cases[] = {{folder + "/missing/layout.ksf", 76}, {folder, 75}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        Events();
        EXPECT_FALSE(Designer().SaveLayout(c.target));
        EXPECT_THAT(DisplayErrors(),
                    ElementsAre(testing::EndsWith(", " + std::to_string(c.error) + ", True)")));
        EXPECT_THAT(LastBoxText(), testing::EndsWith(" : " + std::to_string(c.error)));
    }
    EXPECT_FALSE(std::filesystem::exists(folder + "/missing"));
    std::filesystem::remove_all(folder);
}

// With the clock fixed, the file is the header and the root bag and nothing else, and a round
// trip writes the same bytes again.
TEST_F(LayoutTest, TheFileIsExactlyTheHeaderAndTheBag) {
    constexpr double kStamp = 45678.25;
    base::Clock::SetDateTimeBase(kStamp);
    OnEvent([](ole::DISPID id, std::span<ole::Variant> args) {
        if (id != ZORudeRuduvozu::EvSaveFormData)
            return;
        std::array<ole::Variant, 2> write{ole::Variant(std::string("Caption")),
                                          ole::Variant(std::string("Form1"))};
        ole::CallMethod(args[0].Deref(), "WriteProperty", write);
    });
    EXPECT_TRUE(Designer().SaveLayout(path));
    const std::vector<uint8_t> file = ReadFile();
    ASSERT_GE(file.size(), 12U);
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 4),
              (std::vector<uint8_t>{0x11, 0x20, 0x01, 0x00}));
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 8, file.begin() + 12),
              (std::vector<uint8_t>{0, 0, 0, 0}));
    const uint32_t n = file[4] | (file[5] << 8) | (file[6] << 16) | (uint32_t{file[7]} << 24);
    EXPECT_EQ(file.size(), 12 + n);
    const auto root = SavedRoot();
    std::vector<std::string> keys;
    for (const auto& [name, value] : root->Entries().Entries())
        keys.push_back(name + "=" + ole::CStr(value) + ":" + std::to_string(value.Type()));
    EXPECT_THAT(keys,
                ElementsAre("INT_FormDesignerVersion=1:2", "INT_ControlCount=0:2",
                            "INT_TimeStamp=" + ole::CStr(ole::Variant::FromDate(kStamp)) + ":7",
                            "CUS_Caption=Form1:8"));

    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    Add("VB.CommandButton", "Command1", {240, 480, 1440, 780}, frame);
    AddLine("Line1", {300, 2700, 1500, 2700});
    EXPECT_TRUE(Designer().SaveLayout(path));
    const std::vector<uint8_t> saved = ReadFile();
    RemoveAll();
    EXPECT_TRUE(Designer().LoadLayout(path));
    EXPECT_TRUE(Designer().SaveLayout(path));
    EXPECT_EQ(ReadFile(), saved);
}

// The whole image is written over the old file: a shorter layout leaves no tail behind.
TEST_F(LayoutTest, SavingOverALongerFileLeavesNoTail) {
    Add("VB.CommandButton", "Command1", {240, 480, 1440, 780});
    Add("VB.CommandButton", "Command2", {240, 900, 1440, 1200});
    EXPECT_TRUE(Designer().SaveLayout(path));
    const size_t longer = ReadFile().size();
    RemoveAll();
    EXPECT_TRUE(Designer().SaveLayout(path));
    const std::vector<uint8_t> file = ReadFile();
    EXPECT_LT(file.size(), longer);
    EXPECT_EQ(file.size(), 12 + ole::LayoutFile::Read(path).AsBytes().size());
}

// A count past what the file stores is refused whole, on the designer or in a container: one
// report of 6 and the file already there is left as it was. The limit is lowered so that a few
// controls reach it; at the limit the layout still saves.
TEST_F(LayoutTest, MoreControlsThanTheFileCountsAreRefused) {
    EXPECT_EQ(StoredCount::Of(StoredCount::kLimit), 32767);
    EXPECT_EQ(testsupport::ErrorOf([] { StoredCount::Of(StoredCount::kLimit + 1); }),
              ole::ERR_OVERFLOW);

    const StoredCount::TestLimit limit(2);
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    Add("VB.CommandButton", "Command1", {240, 480, 1440, 780}, frame);
    Add("VB.CommandButton", "Command2", {240, 900, 1440, 1200}, frame);
    Add("VB.CommandButton", "Command0", {240, 2700, 1440, 3000});
    EXPECT_TRUE(Designer().SaveLayout(path));
    const std::vector<uint8_t> atLimit = ReadFile();

    const struct {
        const char* what;
        ole::Ptr<ole::Object> container;
    } cases[] = {{"a third child", frame}, {"a third control on the designer", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto extra = Add("VB.CommandButton", "Command3", {240, 1320, 1440, 1620}, c.container);
        Events();
        EXPECT_FALSE(Designer().SaveLayout(path));
        EXPECT_THAT(DisplayErrors(), ElementsAre("DisplayError(Overflow, 6, True)"));
        EXPECT_EQ(LastBoxText(), "Layoutdesk : Overflow : 6");
        EXPECT_EQ(ReadFile(), atLimit);
        GetForm().RemoveAdded(extra);
    }
}

// Nesting deeper than a load reads back is refused the same way, so no save loses a subtree.
TEST_F(LayoutTest, NestingDeeperThanALoadReadsIsNotSaved) {
    ole::Ptr<ole::Object> container;
    for (int level = 1; level <= 65; ++level)
        container = Add("VB.Frame", "Frame" + std::to_string(level), {15, 15, 600, 600}, container);
    Events();
    EXPECT_FALSE(Designer().SaveLayout(path));
    EXPECT_THAT(DisplayErrors(), ElementsAre("DisplayError(Overflow, 6, True)"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Array elements keep their index; other controls hand -1 to the host.
TEST_F(LayoutTest, ArrayElementsStoreTheirIndex) {
    GetForm().AddArrayElement(forms::Label::Create(), "lblRow", 3, DesignerExtender(),
                              {20, 20, 60, 30});
    Add("VB.CommandButton", "Command1", {240, 900, 1440, 1200});
    EXPECT_TRUE(Designer().SaveLayout(path));
    const auto root = SavedRoot();
    const auto first = ole::PropertyBag::FromBytes(
        root->ReadProperty("INT_ControlInfo_1_1", ole::Variant::Missing()).AsBytes());
    const auto second = ole::PropertyBag::FromBytes(
        root->ReadProperty("INT_ControlInfo_1_2", ole::Variant::Missing()).AsBytes());
    EXPECT_EQ(first->ReadProperty("INT_ControlIndex", ole::Variant::Missing()).Type(), ole::VT_I2);
    EXPECT_EQ(first->ReadProperty("INT_ControlIndex", ole::Variant::Missing()).AsI2(), 3);
    EXPECT_TRUE(first->ReadProperty("INT_IsIndexed", ole::Variant::Missing()).AsBool());
    EXPECT_EQ(second->Entries().Find("INT_ControlIndex"), nullptr);
    EXPECT_FALSE(second->ReadProperty("INT_IsIndexed", ole::Variant::Missing()).AsBool());

    GetForm().Remove("lblRow");
    RemoveAll();
    Events();
    EXPECT_TRUE(Designer().LoadLayout(path));
    std::vector<std::string> created;
    for (const std::string& event : Events())
        if (event.starts_with("CreateControl"))
            created.push_back(event);
    EXPECT_THAT(created, ElementsAre("CreateControl(VB.Label, lblRow, Designer1, 3, Nothing)",
                                     "CreateControl(VB.CommandButton, Command1, Designer1, -1, "
                                     "Nothing)"));
}

// A frame whose type cannot be made is reported once and goes with its children; the next
// control still loads.
TEST_F(LayoutTest, AnUncreatableContainerIsSkippedWithItsChildren) {
    WriteFrameThenButton("VB.NoSuchFrame");
    Events();
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_THAT(EventNames(), ElementsAre("LoadFormData", "CreateControl", "DisplayError",
                                          "CreateControl", "LoadControlData"));
    EXPECT_EQ(LastBoxText(), "Layoutdesk : Invalid class string : 711");
    EXPECT_FALSE(GetForm().FindControl("Command1"));
    EXPECT_FALSE(GetForm().FindControl("Command2"));
    EXPECT_TRUE(GetForm().FindControl("Command3"));
}

// An entry that is no bag, a bag cut short, or a child count beyond the entries is reported for
// that control alone; a host that clears bShowMsgBox gets no box and the load goes on.
TEST_F(LayoutTest, OneBadControlIsReportedAndTheRestLoads) {
    const auto button = [](const std::string& name) {
        return Stored{"VB.CommandButton", name, false, {}};
    };
    std::vector<uint8_t> cut = ContentsOf(button("Command1"), 1, 1).AsBytes();
    cut.resize(cut.size() - 3);
    const auto root = CPropertyBag::Create();
    const auto put = [&](const std::string& key, ole::Variant value) {
        root->WriteProperty(key, value, ole::Variant::Missing());
    };
    const auto frame = CPropertyBag::Create();
    frame->WriteProperty("IsContainer", ole::Variant(true), ole::Variant::Missing());
    frame->WriteProperty("ControlType", ole::Variant(std::string("VB.Frame")),
                         ole::Variant::Missing());
    frame->WriteProperty("ControlName", ole::Variant(std::string("Frame1")),
                         ole::Variant::Missing());
    frame->WriteProperty("ControlInfo_1_3_ChildCount", ole::Variant(int16_t{1000}),
                         ole::Variant::Missing());
    put("ControlCount", ole::Variant(int16_t{4}));
    put("ControlInfo_1_1", ole::Variant::FromBytes(cut));
    put("ControlInfo_1_2", ole::Variant(int32_t{7}));
    put("ControlInfo_1_3", frame->Contents());
    put("ControlInfo_1_4", ContentsOf(button("Command4"), 1, 4));
    ole::LayoutFile::Write(path, root->Contents());
    OnEvent([](ole::DISPID id, std::span<ole::Variant> args) {
        if (id == ZORudeRuduvozu::EvDisplayError)
            args[2].Deref() = ole::Variant(false);
    });
    const size_t boxes = forms::MessageBoxResponder().Log().size();
    Events();
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_THAT(Events(),
                ElementsAre("LoadFormData(Object)", testing::EndsWith(", 458, True)"),
                            testing::EndsWith(", 458, True)"),
                            "CreateControl(VB.Frame, Frame1, Designer1, -1, Nothing)",
                            "LoadControlData(Frame1, Object)", testing::EndsWith(", 458, True)"),
                            "CreateControl(VB.CommandButton, Command4, Designer1, -1, "
                            "Nothing)",
                            "LoadControlData(Command4, Object)"));
    EXPECT_EQ(forms::MessageBoxResponder().Log().size(), boxes);
    EXPECT_FALSE(GetForm().FindControl("Command1"));
    EXPECT_TRUE(GetForm().FindControl("Command4"));
}

// A designer key holding a value of the wrong type is no file the designer wrote: the control's
// entry is reported once as corrupt and skipped, and the rest loads.
TEST_F(LayoutTest, AWronglyTypedValueMakesTheEntryCorrupt) {
    const struct {
        const char* key;
        ole::Variant value;
    } cases[] = {
        {"IsIndexed", ole::Variant(std::string("maybe"))},
        {"Top", ole::Variant(1e300)},
        {"Visible", ole::Variant(std::string("abc"))},
        {"ControlIndex", ole::Variant(int32_t{100000})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        RemoveAll();
        const auto bad = CPropertyBag::Create();
        const auto put = [&](const std::string& key, ole::Variant value) {
            bad->WriteProperty(key, value, ole::Variant::Missing());
        };
        put("IsIndexed", ole::Variant(true));
        put("ControlIndex", ole::Variant(int16_t{1}));
        put("ControlType", ole::Variant(std::string("VB.CommandButton")));
        put("ControlName", ole::Variant(std::string("Command1")));
        put(c.key, c.value);
        const auto root = CPropertyBag::Create();
        root->WriteProperty("ControlCount", ole::Variant(int16_t{2}), ole::Variant::Missing());
        root->WriteProperty("ControlInfo_1_1", bad->Contents(), ole::Variant::Missing());
        root->WriteProperty("ControlInfo_1_2",
                            ContentsOf({"VB.CommandButton", "Command2", false, {}}, 1, 2),
                            ole::Variant::Missing());
        ole::LayoutFile::Write(path, root->Contents());
        Events();
        EXPECT_FALSE(Designer().LoadLayout(path));
        EXPECT_THAT(Events(), ElementsAre("LoadFormData(Object)", testing::EndsWith(", 458, True)"),
                                          testing::StartsWith("CreateControl(VB.CommandButton, "
                                                              "Command2"),
                                          "LoadControlData(Command2, Object)"));
        EXPECT_THAT(LastBoxText(), testing::EndsWith(" : 458"));
        EXPECT_FALSE(GetForm().FindControl("Command1"));
    }
}

// A Line keeps its ends and no rectangle; a control the host makes itself is not added again.
TEST_F(LayoutTest, LinesKeepTheirEndsAndHostMadeControlsAreTheirOwn) {
    AddLine("Line1", {300, 2700, 1500, 2100});
    EXPECT_TRUE(Designer().SaveLayout(path));
    const auto line = ole::PropertyBag::FromBytes(
        SavedRoot()->ReadProperty("INT_ControlInfo_1_1", ole::Variant::Missing()).AsBytes());
    std::vector<std::string> keys;
    for (const auto& [name, value] : line->Entries().Entries())
        keys.push_back(name);
    EXPECT_THAT(keys, ElementsAre("INT_IsIndexed", "INT_IsContainer", "INT_ControlType",
                                  "INT_ControlName", "INT_X1", "INT_Y1", "INT_X2", "INT_Y2",
                                  "INT_Visible"));

    RemoveAll();
    OnEvent([&](ole::DISPID id, std::span<ole::Variant> args) {
        if (id != ZORudeRuduvozu::EvCreateControl)
            return;
        auto made = GetForm().Add(ole::CStr(args[0].Deref()), ole::CStr(args[1].Deref()),
                                  args[2].Deref().AsObject());
        args[4].Deref() = ole::Variant(ole::Ptr<ole::Object>(made));
    });
    EXPECT_TRUE(Designer().LoadLayout(path));
    EXPECT_EQ(Designer().ContainedControls().size(), 1U);
    EXPECT_EQ(ole::CStr(ReadMember(GetForm().FindControl("Line1"), "Y2")), "2100");
}

// Host handlers may remove what is being saved, or the designer itself while it loads.
TEST_F(LayoutTest, HandlersRemovingControlsOrTheDesignerEndQuietly) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    Add("VB.CommandButton", "Command1", {240, 480, 1440, 780}, frame);
    Add("VB.CommandButton", "Command2", {240, 900, 1440, 1200}, frame);
    Add("VB.CommandButton", "Command3", {300, 2700, 1500, 3000});
    OnEvent([&](ole::DISPID id, std::span<ole::Variant> args) {
        if (id == ZORudeRuduvozu::EvSaveControlData && GetForm().FindControl("Frame1") &&
            ole::CStr(ole::GetProperty(args[0].Deref(), "Name")) == "Command1")
            GetForm().RemoveAdded(frame);
    });
    Designer().SaveLayout(path);
    const auto saved = ole::PropertyBag::FromBytes(
        SavedRoot()->ReadProperty("INT_ControlInfo_1_2", ole::Variant::Missing()).AsBytes());
    EXPECT_EQ(ole::CStr(saved->ReadProperty("INT_ControlName", ole::Variant::Missing())),
              "Command3");

    // Taking the designer off its form ends a load there, without a report for each control left.
    RemoveAll();
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvLoadControlData && GetForm().FindControl("Designer1"))
            GetForm().Remove("Designer1");
    });
    Events();
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_FALSE(GetForm().FindControl("Designer1"));
    EXPECT_FALSE(GetForm().FindControl("Command3"));
    EXPECT_THAT(DisplayErrors(), testing::IsEmpty());
}

// A container the host removes as soon as it is loaded goes with its children, without a report
// for each; the controls after it still load.
TEST_F(LayoutTest, AContainerRemovedOnLoadTakesItsChildrenWithIt) {
    WriteFrameThenButton("VB.Frame");
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvLoadControlData && GetForm().FindControl("Frame1"))
            GetForm().Remove("Frame1");
    });
    Events();
    EXPECT_TRUE(Designer().LoadLayout(path));
    EXPECT_THAT(EventNames(), ElementsAre("LoadFormData", "CreateControl", "LoadControlData",
                                          "CreateControl", "LoadControlData"));
    EXPECT_TRUE(GetForm().FindControl("Command3"));
}

// A save the host ends by taking the designer off its form writes nothing and reports nothing
// for the controls it could no longer reach.
TEST_F(LayoutTest, ASaveWhoseDesignerGoesWritesNothing) {
    Add("VB.CommandButton", "Command1", {300, 300, 1500, 600});
    Add("VB.CommandButton", "Command2", {300, 900, 1500, 1200});
    EXPECT_TRUE(Designer().SaveLayout(path));
    const std::vector<uint8_t> before = ReadFile();
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvSaveControlData && GetForm().FindControl("Designer1"))
            GetForm().Remove("Designer1");
    });
    Events();
    EXPECT_FALSE(Designer().SaveLayout(path));
    EXPECT_THAT(DisplayErrors(), testing::IsEmpty());
    EXPECT_EQ(ReadFile(), before);
}

// A handler that saves from inside a load does not hide what the load reported before it.
TEST_F(LayoutTest, ASaveInsideALoadKeepsTheLoadsReports) {
    WriteLayout(
        {{"VB.NoSuchButton", "Command1", false, {}}, {"VB.CommandButton", "Command2", false, {}}});
    const std::string other = path + ".other";
    bool saved = false;
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvLoadControlData)
            saved = Designer().SaveLayout(other);
    });
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_TRUE(saved);
    std::filesystem::remove(other);
}

// Automation errors show their offset in the box; the event still gets the full number.
TEST_F(LayoutTest, TheBoxShowsAnAutomationErrorByItsOffset) {
    class Refusing final : public ole::Object {
    public:
        static const ole::ClassInfo& Info() {
            static const ole::ClassInfo info = ole::ClassBuilder<Refusing>("Refusing").Build();
            return info;
        }
        const ole::ClassInfo& GetClassInfo() const override { return Info(); }
        ole::DISPID GetIDsOfNames(std::string_view) const override { return 1; }
        bool HasMember(ole::DISPID) const override { return true; }
        ole::Variant Invoke(ole::DISPID, uint16_t, std::span<ole::Variant>) override {
            throw ole::Error(static_cast<int32_t>(0x800407D4), "Refused", "Host");
        }
    };
    WriteLayout({{"VB.CommandButton", "Command1", false, {}}});
    OnEvent([](ole::DISPID id, std::span<ole::Variant> args) {
        if (id == ZORudeRuduvozu::EvCreateControl)
            args[4].Deref() = ole::Variant(ole::Ptr<ole::Object>(ole::MakeObject<Refusing>()));
    });
    Events();
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_THAT(DisplayErrors(), testing::Each(testing::EndsWith(", -2147219500, True)")));
    EXPECT_EQ(LastBoxText(), "Host : Refused : 2004");
    EXPECT_FALSE(GetForm().FindControl("Command1"));
}

TEST_F(LayoutTest, NestingDeeperThanSixtyFourLevelsIsCutOffOnce) {
    Stored chain{"VB.Frame", "Frame100", true, {}};
    for (int level = 99; level >= 1; --level)
        chain = Stored{"VB.Frame", "Frame" + std::to_string(level), true, {chain}};
    WriteLayout({chain});
    Events();
    EXPECT_FALSE(Designer().LoadLayout(path));
    EXPECT_TRUE(GetForm().FindControl("Frame64"));
    EXPECT_FALSE(GetForm().FindControl("Frame65"));
    EXPECT_THAT(DisplayErrors(), ElementsAre(testing::HasSubstr(", 458, ")));
}

} // namespace
} // namespace layoutdesk::test
