// The groups-and-buttons model: keys and numbering, lookups, reordering, what it tells its
// control, and objects a host keeps after they left the model or the control went.

#include "ModelFixture.h"

#include "buttonbar/library/ShelfstripErrors.h"

#include "testsupport/ErrorOf.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/object/TypeName.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace shelfstrip::test {
namespace {

using ole::Variant;
using testsupport::ErrorOf;

constexpr int32_t kModelError = errors::kNumber;

// "number source: text" of what `call` raises.
std::string Raised(const std::function<void()>& call) {
    try {
        call();
    } catch (const ole::Error& error) {
        return std::to_string(error.Number()) + " " + error.Source() + ": " + error.Description();
    }
    return {};
}

std::string ModelError(const char* source, const ole::DefinedError& error) {
    return std::to_string(kModelError) + " " + source + ": " + error.text;
}

class ModelTest : public ModelFixture {
protected:
    // A group holding buttons "b1".."bn".
    ole::Ptr<CGroup> GroupWith(int n, const std::string& key = {}) {
        ole::Ptr<CGroup> group = Groups().Add("G", "", key);
        for (int i = 1; i <= n; ++i)
            group->GetButtons()->Add("b" + std::to_string(i), Bitmap());
        return group;
    }
};

TEST_F(ModelTest, InternalKeysCountOnAndAreNeverIssuedTwice) {
    const ole::Ptr<CGroup> group = GroupWith(3);
    CButtons& buttons = *group->GetButtons();
    EXPECT_EQ(group->InternalKey(), "INTERNAL_1");
    EXPECT_EQ(buttons.At(1)->InternalKey(), "INTERNAL_1");
    buttons.Remove(Variant(2));
    EXPECT_EQ(buttons.Add("x", Bitmap())->InternalKey(), "INTERNAL_4");
    // A refused Add numbers nothing; Clear keeps the numbering.
    EXPECT_NE(ErrorOf([&] { buttons.Add("x", nullptr); }), 0);
    buttons.Clear();
    EXPECT_EQ(buttons.Count(), 0);
    EXPECT_EQ(buttons.Add("y", Bitmap())->InternalKey(), "INTERNAL_5");
    // Each group numbers its own buttons.
    EXPECT_EQ(GroupWith(1)->GetButtons()->At(1)->InternalKey(), "INTERNAL_1");

    ModelTestAccess::SetCounter(buttons, std::numeric_limits<int32_t>::max());
    Heard();
    EXPECT_EQ(ErrorOf([&] { buttons.Add("z", Bitmap()); }), ole::ERR_OVERFLOW);
    EXPECT_EQ(buttons.Count(), 1);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(ModelTest, UserKeysAreTrimmedAndCompareWithoutCase) {
    const ole::Ptr<CGroup> group = GroupWith(0);
    CButtons& buttons = *group->GetButtons();
    const ole::Ptr<CButton> button = buttons.Add("a", Bitmap(), "", "", " Key ");
    EXPECT_EQ(button->GetKey(), "Key");
    EXPECT_EQ(buttons.Item(Variant("KEY")), button);
    EXPECT_EQ(Raised([&] { buttons.Add("b", Bitmap(), "", "", "key"); }),
              ModelError(errors::kModuleName, errors::DuplicateKey));
    EXPECT_EQ(Raised([&] { button->LetKey("KEY"); }),
              ModelError(errors::kTitle, errors::DuplicateKey));
    EXPECT_EQ(button->GetKey(), "Key");
    EXPECT_EQ(buttons.Add("b", Bitmap(), "", "", "other")->GetKey(), "other");

    button->LetKey("");
    EXPECT_EQ(ErrorOf([&] { buttons.Item(Variant("Key")); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(buttons.Item(Variant("INTERNAL_1")), button);
    EXPECT_EQ(buttons.Item(Variant(1)), button);
    // The freed key is free again, for groups through the control's answer as well.
    EXPECT_EQ(buttons.Add("c", Bitmap(), "", "", "key")->GetKey(), "key");
    group->LetKey("g");
    EXPECT_EQ(Groups().Item(Variant("G")), group);
    EXPECT_EQ(Raised([&] { Groups().Add("H", "", " g"); }),
              ModelError(errors::kModuleName, errors::DuplicateKey));
}

TEST_F(ModelTest, LookupDecidesPositionOrKeyByTheArgumentsType) {
    const ole::Ptr<CGroup> group = GroupWith(3);
    CButtons& buttons = *group->GetButtons();
    const ole::Ptr<CButton> twelve = buttons.Add("12", Bitmap(), "", "", "12");
    const std::pair<Variant, int32_t> found[] = {
        {Variant(2), 2},
        {Variant(1.5), 2},
        {Variant(2.5), 2}, // fractions half to even
        {Variant("INTERNAL_3"), 3},
        {Variant("12"), 4},
    };
    for (const auto& [index, position] : found)
        EXPECT_EQ(buttons.Item(index), buttons.At(position)) << ole::TypeName(index);
    const std::pair<Variant, int32_t> refused[] = {
        {Variant(true), ole::ERR_SUBSCRIPT}, // True is -1
        {Variant(0), ole::ERR_SUBSCRIPT},
        {Variant(5), ole::ERR_SUBSCRIPT},
        {Variant("2"), ole::ERR_INVALID_CALL},
        {Variant(), ole::ERR_INVALID_CALL},
        {Variant(ole::Ptr<ole::Object>(group)), ole::ERR_INVALID_CALL},
    };
    for (const auto& [index, error] : refused) {
        const Variant& argument = index;
        EXPECT_EQ(ErrorOf([&] { buttons.Item(argument); }), error) << ole::TypeName(index);
    }
    buttons.Remove(Variant("12"));
    EXPECT_EQ(buttons.Count(), 3);
    EXPECT_FALSE(buttons.Holds(*twelve));
}

TEST_F(ModelTest, SetNewIndexMovesOrRefuses) {
    const ole::Ptr<CGroup> group = GroupWith(4);
    const ole::Ptr<CGroup> other = GroupWith(1);
    CButtons& buttons = *group->GetButtons();
    const ole::Ptr<CButton> first = buttons.At(1);
    Heard();
    EXPECT_TRUE(buttons.SetNewIndex(first, 4));
    EXPECT_EQ(buttons.At(4), first);
    EXPECT_TRUE(buttons.SetNewIndex(first, 4));
    EXPECT_EQ(Heard(), (std::vector<std::string>{"ButtonReIndexed INTERNAL_1",
                                                 "ButtonReIndexed INTERNAL_1"}));
    EXPECT_TRUE(buttons.SetNewIndex(first, 2));
    EXPECT_EQ(buttons.At(2), first);

    const std::string invalidIndex = ModelError(errors::kTitle, errors::InvalidIndex);
    EXPECT_EQ(Raised([&] { buttons.SetNewIndex(first, 0); }), invalidIndex);
    EXPECT_EQ(Raised([&] { buttons.SetNewIndex(first, 5); }), invalidIndex);
    EXPECT_EQ(Raised([&] { buttons.SetNewIndex(nullptr, 1); }),
              ModelError(errors::kTitle, errors::InvalidButtonObject));
    // Another group's INTERNAL_1 is an alien; its INTERNAL_7 is just not here.
    EXPECT_EQ(Raised([&] { buttons.SetNewIndex(other->GetButtons()->At(1), 1); }),
              ModelError(errors::kTitle, errors::AlienButton));
    for (int i = 0; i < 7; ++i)
        other->GetButtons()->Add("f", Bitmap());
    EXPECT_EQ(ErrorOf([&] { buttons.SetNewIndex(other->GetButtons()->At(8), 1); }),
              ole::ERR_INVALID_CALL);
    EXPECT_EQ(Raised([&] { Groups().SetNewIndex(nullptr, 1); }),
              ModelError(errors::kTitle, errors::InvalidGroupObject));
    EXPECT_TRUE(Groups().SetNewIndex(other, 1));
    EXPECT_EQ(Groups().At(1), other);
}

TEST_F(ModelTest, SettersTellTheControlAsEachPropertyAsks) {
    const ole::Ptr<CGroup> group = GroupWith(1);
    const ole::Ptr<CButton> button = group->GetButtons()->At(1);
    const ole::Ptr<ole::Picture> picture = Bitmap();
    Heard();
    // Buttons tell on every set, Visible only on a change.
    for (int i = 0; i < 2; ++i) {
        button->LetCaption("c");
        button->SetPicture(picture);
        button->LetTooltipText("t");
        button->LetTag(Variant(1));
        button->LetPrompt("p");
        button->LetVisible(false);
    }
    EXPECT_EQ(Heard(), (std::vector<std::string>{
                           "ButtonPropertyChanged Caption", "ButtonPropertyChanged Picture",
                           "ButtonPropertyChanged TooltipText", "ButtonPropertyChanged Tag",
                           "ButtonPropertyChanged Prompt", "ButtonPropertyChanged Visible",
                           "ButtonPropertyChanged Caption", "ButtonPropertyChanged Picture",
                           "ButtonPropertyChanged TooltipText", "ButtonPropertyChanged Tag",
                           "ButtonPropertyChanged Prompt"}));
    // Groups tell only on a change, the picture by identity, Tag never.
    for (int i = 0; i < 2; ++i) {
        group->LetCaption("c");
        group->LetTooltipText("t");
        group->LetButtonBackgroundLayout(ksPictureTiled);
        group->SetButtonBackgroundPicture(picture);
        group->LetVisible(false);
        group->LetTag(Variant(2));
    }
    group->SetButtonBackgroundPicture(Bitmap());
    EXPECT_EQ(Heard(), (std::vector<std::string>{"GroupPropertyChanged Caption",
                                                 "GroupPropertyChanged TooltipText",
                                                 "GroupPropertyChanged ButtonBackgroundLayout",
                                                 "GroupPropertyChanged ButtonBackgroundPicture",
                                                 "GroupPropertyChanged Visible",
                                                 "GroupPropertyChanged ButtonBackgroundPicture"}));
    group->LetCaption("C");
    EXPECT_EQ(Heard().size(), 1U);
}

TEST_F(ModelTest, AddRemoveAndClearTellTheControlAfterTheChange) {
    Groups().Add("A");
    const ole::Ptr<CGroup> group = GroupWith(2);
    EXPECT_EQ(Heard(),
              (std::vector<std::string>{"GroupAdded INTERNAL_1", "GroupAdded INTERNAL_2",
                                        "ButtonAdded INTERNAL_1", "ButtonAdded INTERNAL_2"}));
    group->GetButtons()->Remove(Variant("INTERNAL_1"));
    group->GetButtons()->Clear();
    Groups().Remove(Variant(1));
    EXPECT_EQ(Heard(),
              (std::vector<std::string>{"ButtonRemoved INTERNAL_1", "ButtonsCleared INTERNAL_2",
                                        "GroupRemoved INTERNAL_1"}));
    EXPECT_EQ(Raised([&] { Groups().Remove(Variant(1)); }),
              ModelError(errors::kTitle, errors::LastGroup));
    EXPECT_EQ(Groups().Count(), 1);
}

TEST_F(ModelTest, AddRefusesAMissingPictureOrAMetafile) {
    CButtons& buttons = *GroupWith(0)->GetButtons();
    const ole::Ptr<ole::Picture> metafile =
        ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 100, 100);
    const std::string refused = ModelError(errors::kButtonsAddSource, errors::InvalidPictureType);
    EXPECT_EQ(Raised([&] { buttons.Add("a", nullptr); }), refused);
    EXPECT_EQ(Raised([&] { buttons.Add("a", metafile, "", "", "k"); }), refused);
    EXPECT_EQ(buttons
                  .Add("a",
                       ole::Picture::FromImage(ole::Image{1, 1, {0xFF000000}}, ole::PICTYPE_ICON),
                       "", "", "k")
                  ->InternalKey(),
              "INTERNAL_1");
    buttons.At(1)->SetPicture(metafile);
    buttons.At(1)->SetPicture(nullptr);
    EXPECT_EQ(buttons.At(1)->GetPicture(), nullptr);
}

TEST_F(ModelTest, ARemovedObjectsKeyLeavesTheLiveKeysAlone) {
    CButtons& buttons = *GroupWith(0)->GetButtons();
    const ole::Ptr<CButton> removed = buttons.Add("a", Bitmap(), "", "", "A");
    buttons.Remove(Variant("A"));
    const ole::Ptr<CButton> live = buttons.Add("b", Bitmap(), "", "", "A");
    removed->LetKey("B");
    EXPECT_EQ(removed->GetKey(), "B");
    EXPECT_EQ(buttons.Item(Variant("A")), live);
    EXPECT_EQ(buttons.Add("c", Bitmap(), "", "", "B")->GetKey(), "B");

    Groups().Add("keep");
    const ole::Ptr<CGroup> group = Groups().Add("gone", "", "K");
    Groups().Remove(Variant("K"));
    const ole::Ptr<CGroup> next = Groups().Add("next", "", "K");
    group->LetKey("L");
    EXPECT_EQ(Groups().Item(Variant("K")), next);
    EXPECT_EQ(Groups().Add("l", "", "L")->GetKey(), "L");
}

TEST_F(ModelTest, ObjectsKeptAfterTheControlIsGoneStayInert) {
    const ole::Ptr<CGroup> group = GroupWith(1, "g");
    const ole::Ptr<CButton> button = group->GetButtons()->At(1);
    m_bar->groups = nullptr;
    m_bar = nullptr;
    EXPECT_EQ(group->ButtonBar(), nullptr);
    group->LetCaption("c");
    group->LetVisible(false);
    button->LetCaption("c");
    button->LetVisible(false);
    button->LetKey("k");
    EXPECT_EQ(button->GetKey(), "k");
    // Without a control nobody can vouch for a group key.
    EXPECT_EQ(Raised([&] { group->LetKey("h"); }),
              ModelError(errors::kTitle, errors::DuplicateKey));
    EXPECT_EQ(group->GetButtons()->Add("n", Bitmap())->ButtonBar(), nullptr);
    EXPECT_EQ(button->GetParentGroup(), group);
}

TEST_F(ModelTest, HostsReachTheModelByIdAndByName) {
    const Variant groups(ole::Ptr<ole::Object>(m_bar->groups));
    Variant addArgs[] = {Variant("Tools"), Variant(""), Variant("t")};
    const Variant group = ole::CallMethod(groups, "Add", addArgs);
    const Variant buttons = ole::GetObjectPropertyById(group, CGroup::IdButtons);
    Variant buttonArgs[] = {Variant("Pointer"), Variant(ole::Ptr<ole::Object>(Bitmap())),
                            Variant("tip"), Variant("prompt"), Variant("12")};
    const Variant button = ole::CallMethodById(buttons, CButtons::IdAdd, buttonArgs);
    EXPECT_EQ(ole::CStr(ole::GetPropertyById(button, CButton::IdTooltipText)), "tip");
    EXPECT_EQ(ole::CStr(ole::GetProperty(button, "Prompt")), "prompt");
    const Variant byKey[] = {Variant("12")};
    EXPECT_TRUE(ole::GetObjectPropertyById(buttons, CButtons::IdItem, byKey).IsIdenticalTo(button));
    EXPECT_EQ(ole::CLng(ole::GetProperty(groups, "Count")), 1);
    ole::LetProperty(button, "Caption", Variant("Arrow"));
    EXPECT_EQ(ole::CStr(ole::GetPropertyById(button, CButton::IdCaption)), "Arrow");
    EXPECT_TRUE(ole::GetObjectProperty(button, "ParentGroup").IsIdenticalTo(group));
    const Variant tag{ole::Ptr<ole::Object>(Bitmap())};
    ole::SetPropertyById(button, CButton::IdTag, tag);
    EXPECT_TRUE(ole::GetObjectPropertyById(button, CButton::IdTag).IsIdenticalTo(tag));
}

} // namespace
} // namespace shelfstrip::test
