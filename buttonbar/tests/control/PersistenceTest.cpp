// The bar in its container's bag: what a save writes, that a load through the stored bytes gives
// the same bar back, and that bags with missing, wrong-typed or refused entries still give a
// working bar.

#include "BarFixture.h"

#include "testsupport/ErrorOf.h"

#include "platform/ole/bag/BagEntries.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/font/Font.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <gtest/gtest.h>

#include <utility>

namespace shelfstrip::test {
namespace {

using ole::Variant;
using B = KSButtonBar;

class PersistenceTest : public BarFixture {
protected:
    static std::vector<std::string> Keys(const ole::PropertyBag& bag) {
        std::vector<std::string> keys;
        for (const auto& [name, value] : bag.Entries().Entries())
            keys.push_back(name);
        return keys;
    }
    std::vector<std::string> SavedKeys() { return Keys(*forms::test::TestHost::Save(*m_extender)); }
    std::vector<std::string> Captions(const CGroupButtons* list) {
        std::vector<std::string> captions;
        for (int32_t i = 1; i <= list->Count(); ++i)
            captions.push_back(list->Item(i)->GetCaption());
        return captions;
    }
};

const std::vector<std::string> kOneGroupKeys = {"GroupCount",
                                                "GRP1Caption",
                                                "GRP1Tooltip",
                                                "GRP1Key",
                                                "GRP1ButtonBackgroundLayout",
                                                "GRP1ButtonBackgroundPicture",
                                                "GRP1Tag",
                                                "GRP1IsCurrent",
                                                "GRP1ButtonCount"};

TEST_F(PersistenceTest, ANewBarWritesItsGroupAndNoSettingOfItsOwn) {
    HostBar();
    EXPECT_EQ(SavedKeys(), kOneGroupKeys);
}

TEST_F(PersistenceTest, DefaultsThatNameAnotherPropertyFollowItOnSaveAndLoad) {
    KSButtonBar& bar = HostBar();
    int32_t back = 0x123456;
    int32_t fore = 0x654321;
    bar.LetButtonBackColor(back);
    bar.LetSelectedButtonBackColor(back);
    bar.LetButtonGradientColor(back);
    bar.LetButtonForeColor(fore);
    bar.LetSelectedButtonForeColor(fore);
    std::vector<std::string> expected = {"ButtonBackColor", "ButtonForeColor"};
    expected.insert(expected.end(), kOneGroupKeys.begin(), kOneGroupKeys.end());
    EXPECT_EQ(SavedKeys(), expected);

    KSButtonBar& loaded = Reload();
    EXPECT_EQ(loaded.GetSelectedButtonBackColor(), back);
    EXPECT_EQ(loaded.GetButtonGradientColor(), back);
    EXPECT_EQ(loaded.GetSelectedButtonForeColor(), fore);
}

TEST_F(PersistenceTest, AFullBarComesBackEqualThroughTheStoredBytes) {
    KSButtonBar& bar = HostBar();
    const std::pair<ole::DISPID, Variant> settings[] = {
        {B::IdAppearance, Variant(0)},
        {B::IdBorderStyle, Variant(1)},
        {B::IdButtonLayout, Variant(0)},
        {B::IdButtonSize, Variant(1)},
        {B::IdButtonHeight, Variant(600)},
        {B::IdButtonWidth, Variant(900)},
        {B::IdCaption, Variant("Tools")},
        {B::IdShowCaptionBar, Variant(true)},
        {B::IdGroupFlow, Variant(1)},
        {B::IdGroupGradientType, Variant(3)},
        {B::IdGroupForeColor, Variant(0x0000FF)},
        {B::IdLockRefresh, Variant(true)},
    };
    for (const auto& [id, value] : settings)
        Put(id, value);
    ole::Ptr<ole::Font> font = ole::Font::Create();
    font->SetName("DejaVu Serif");
    font->SetBold(true);
    bar.SetFont(font);

    const ole::Ptr<CGroups> groups = bar.GetGroups();
    const ole::Ptr<CGroup> second = groups->Add("Second", "Tip 2", "g2");
    const ole::Ptr<CGroup> third = groups->Add("Third", "", "g3");
    second->SetButtonBackgroundPicture(Bitmap(8));
    second->LetButtonBackgroundLayout(ksPictureTiled);
    second->LetTag(Variant(2.5));
    third->LetVisible(false);
    const ole::Ptr<ole::Picture> icon = ole::Picture::FromImage(
        ole::Image{16, 16, std::vector<uint32_t>(256, 0xFF00FF00)}, ole::PICTYPE_ICON);
    const Variant tags[] = {Variant(),        Variant::Null(), Variant(int16_t{7}),
                            Variant("seven"), Variant(true),   Variant(uint8_t{200})};
    const ole::Ptr<CButtons> buttons = second->GetButtons();
    for (size_t i = 0; i < std::size(tags); ++i) {
        const ole::Ptr<CButton> button =
            buttons->Add("b" + std::to_string(i), i % 2 ? icon : Bitmap(12 + static_cast<int>(i)),
                         "tip" + std::to_string(i), "prompt", "k" + std::to_string(i));
        button->LetTag(tags[i]);
    }
    buttons->At(2)->SetPicture(nullptr);
    buttons->At(3)->SetPicture(ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 500, 500));
    buttons->At(4)->LetVisible(false);
    bar.SetActiveGroup(second);

    std::vector<Variant> before;
    for (const ole::PersistedProperty& stored : B::Info().Persisted())
        before.push_back(Get(stored.id));
    KSButtonBar& loaded = Reload();
    EXPECT_EQ(ole::TakeReportedErrors().size(), 0U);
    size_t k = 0;
    for (const ole::PersistedProperty& stored : B::Info().Persisted())
        EXPECT_TRUE(ole::BagEntries::MatchesDefault(Get(stored.id), before[k++])) << stored.key;

    const ole::Ptr<CGroups> read = loaded.GetGroups();
    ASSERT_EQ(read->Count(), 3);
    EXPECT_EQ(loaded.GetActiveGroup(), read->At(2));
    for (int32_t i = 1; i <= 3; ++i) {
        const ole::Ptr<CGroup> was = groups->At(i);
        const ole::Ptr<CGroup> is = read->At(i);
        EXPECT_EQ(is->GetCaption(), was->GetCaption());
        EXPECT_EQ(is->GetTooltipText(), was->GetTooltipText());
        EXPECT_EQ(is->GetKey(), was->GetKey());
        EXPECT_EQ(is->GetVisible(), was->GetVisible());
        EXPECT_EQ(is->GetButtonBackgroundLayout(), was->GetButtonBackgroundLayout());
        EXPECT_TRUE(ole::VariantEquals(is->GetTag(), was->GetTag()));
        EXPECT_EQ(is->GetButtonBackgroundPicture() != nullptr,
                  was->GetButtonBackgroundPicture() != nullptr);
    }
    EXPECT_TRUE(read->At(2)->GetButtonBackgroundPicture()->SameImage(
        *second->GetButtonBackgroundPicture()));
    const ole::Ptr<CButtons> readButtons = read->At(2)->GetButtons();
    ASSERT_EQ(readButtons->Count(), buttons->Count());
    for (int32_t j = 1; j <= buttons->Count(); ++j) {
        const ole::Ptr<CButton> was = buttons->At(j);
        const ole::Ptr<CButton> is = readButtons->At(j);
        EXPECT_EQ(is->GetCaption(), was->GetCaption());
        EXPECT_EQ(is->GetTooltipText(), was->GetTooltipText());
        EXPECT_EQ(is->GetKey(), was->GetKey());
        EXPECT_EQ(is->GetPrompt(), was->GetPrompt());
        EXPECT_EQ(is->GetVisible(), was->GetVisible());
        EXPECT_EQ(is->GetTag().Type(), was->GetTag().Type()) << j;
        EXPECT_TRUE(was->GetTag().IsNull() ? is->GetTag().IsNull()
                                           : ole::VariantEquals(is->GetTag(), was->GetTag()));
        ASSERT_EQ(is->GetPicture() != nullptr, was->GetPicture() != nullptr) << j;
        if (was->GetPicture()) {
            EXPECT_TRUE(is->GetPicture()->SameImage(*was->GetPicture())) << j;
        }
    }
    EXPECT_TRUE(loaded.GetLockRefresh());
}

TEST_F(PersistenceTest, MissingAndWrongTypedEntriesReadAsTheirDefaults) {
    KSButtonBar& bar = Load({
        {"ButtonBackColor", Variant("red")},
        {"ShowCaptionBar", Variant::Null()},
        {"Font", Variant(3)},
        {"GroupCount", Variant("2")},
        {"GRP1IsCurrent", Variant("yes")},
        {"GRP2Caption", Variant::Null()},
        {"GRP2IsCurrent", Variant(true)},
        {"GRP2Visible", Variant("maybe")},
        {"GRP2ButtonCount", Variant(1)},
        {"GRP2BTN1Picture", Variant(12)},
    });
    EXPECT_EQ(ole::TakeReportedErrors().size(), 0U);
    EXPECT_EQ(bar.GetButtonBackColor(), static_cast<int32_t>(0x80000011U));
    EXPECT_FALSE(bar.GetShowCaptionBar());
    ASSERT_EQ(bar.GetGroups()->Count(), 2);
    EXPECT_EQ(bar.GetGroups()->At(1)->GetCaption(), "General");
    EXPECT_EQ(bar.GetGroups()->At(2)->GetCaption(), "General");
    EXPECT_EQ(bar.GetActiveGroup(), bar.GetGroups()->At(2));
    EXPECT_EQ(ActiveGroup()->GetButtons()->At(1)->GetPicture(), nullptr);
}

TEST_F(PersistenceTest, WhichGroupIsActiveAfterLoading) {
    // No groups stored: the one group "General".
    Load({{"GroupCount", Variant(0)}});
    ASSERT_EQ(Bar().GetGroups()->Count(), 1);
    EXPECT_EQ(ActiveGroup()->GetCaption(), "General");
    EXPECT_EQ(ActiveGroup()->GetTooltipText(), "General");
    Unload();

    // Two marked current: the later one, each activation heard.
    Load({{"GroupCount", Variant(3)},
          {"GRP1IsCurrent", Variant(true)},
          {"GRP2Caption", Variant("B")},
          {"GRP2IsCurrent", Variant(true)}});
    EXPECT_EQ(ActiveGroup(), Bar().GetGroups()->At(2));
    EXPECT_EQ(std::count(m_loadEvents.begin(), m_loadEvents.end(), "ActiveGroupChanged"), 2);
    Unload();

    // None marked: no active group, every bar below the button area, which shows its back
    // colour alone.
    Load({{"ButtonBackColor", Variant(0x123456)},
          {"GroupCount", Variant(2)},
          {"GRP1Caption", Variant("A")},
          {"GRP2Caption", Variant("B")}});
    EXPECT_EQ(ActiveGroup(), nullptr);
    EXPECT_EQ(Captions(Bar().UpperGroups()), std::vector<std::string>{});
    EXPECT_EQ(Captions(Bar().LowerGroups()), (std::vector<std::string>{"A", "B"}));
    m_host->Show();
    Bar().ButtonsBox()->Refresh();
    const win::WindowDc dc(Bar().ButtonsBox()->Window());
    EXPECT_EQ(win::GetPixel(dc.Get(), 2, 2), 0x123456U);
}

TEST_F(PersistenceTest, AHiddenCurrentGroupSavedAtDesignTimeLoadsInUserMode) {
    KSButtonBar& bar = HostBar(HostMode::Design);
    const ole::Ptr<CGroup> hidden = bar.GetGroups()->Add("Hidden");
    bar.GetGroups()->Add("Shown");
    hidden->LetVisible(false);
    bar.SetActiveGroup(hidden);
    KSButtonBar& loaded = Reload(HostMode::User);
    EXPECT_EQ(ole::TakeReportedErrors().size(), 0U);
    ASSERT_EQ(loaded.GetGroups()->Count(), 3);
    EXPECT_EQ(ActiveGroup(), loaded.GetGroups()->At(1));
    EXPECT_TRUE(ActiveGroup()->GetVisible());
}

TEST_F(PersistenceTest, ARefusedValueFailsTheLoadButLeavesAWorkingBar) {
    // A size below 1, and a count no saved bar can hold.
    const std::vector<std::pair<std::string, Variant>> bags[] = {
        {{"ButtonWidth", Variant(0)}, {"GroupCount", Variant(1)}},
        {{"GroupCount", Variant(0x7FFFFFFF)}}};
    for (const auto& entries : bags) {
        KSButtonBar& bar = Load(entries);
        const std::vector<ole::Error> errors = ole::TakeReportedErrors();
        ASSERT_EQ(errors.size(), 1U);
        EXPECT_EQ(errors[0].Description(), "Invalid property value.");
        ASSERT_NE(ActiveGroup(), nullptr);
        EXPECT_FALSE(bar.LayoutSuspended());
        EXPECT_FALSE(bar.GetLockRefresh());
        AddButtons(1);
        EXPECT_GT(ActiveGroup()->GetButtons()->At(1)->Bounds().bottom, 0);
        Unload();
    }
}

} // namespace
} // namespace shelfstrip::test
