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
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/PictureType.h"
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
    static std::string Value(const Variant& value) {
        return std::to_string(value.Type()) + ":" + (value.IsNull() ? "" : ole::CStr(value));
    }
    static std::string Image(const ole::Ptr<ole::Picture>& picture) {
        if (!picture)
            return "none";
        uint64_t sum = 0;
        for (const uint32_t pixel : picture->GetImage().pixels)
            sum += pixel;
        return std::to_string(picture->Type()) + ":" + std::to_string(picture->Width()) + "x" +
               std::to_string(picture->Height()) + ":" + std::to_string(sum);
    }
    // Every stored member of the groups and their buttons, one line each.
    static std::string Describe(const CGroups& groups) {
        std::string text;
        for (int32_t i = 1; i <= groups.Count(); ++i) {
            const ole::Ptr<CGroup> g = groups.At(i);
            text += g->GetCaption() + "|" + g->GetTooltipText() + "|" + g->GetKey() + "|" +
                    std::to_string(g->GetVisible()) + "|" +
                    std::to_string(g->GetButtonBackgroundLayout()) + "|" + Value(g->GetTag()) +
                    "|" + Image(g->GetButtonBackgroundPicture()) + "\n";
            const ole::Ptr<CButtons> buttons = g->GetButtons();
            for (int32_t j = 1; j <= buttons->Count(); ++j) {
                const ole::Ptr<CButton> b = buttons->At(j);
                text += "  " + b->GetCaption() + "|" + b->GetTooltipText() + "|" + b->GetKey() +
                        "|" + b->GetPrompt() + "|" + std::to_string(b->GetVisible()) + "|" +
                        Value(b->GetTag()) + "|" + Image(b->GetPicture()) + "\n";
            }
        }
        return text;
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

TEST_F(PersistenceTest, EveryChangedSettingIsWrittenInTheStoredFormsOrder) {
    KSButtonBar& bar = HostBar();
    const std::pair<ole::DISPID, Variant> settings[] = {
        {B::IdLockRefresh, Variant(true)},
        {B::IdButtonGradientColor, Variant(0x0B0B0B)},
        {B::IdButtonGradientType, Variant(1)},
        {B::IdGroupGradientColor, Variant(0x0A0A0A)},
        {B::IdGroupGradientType, Variant(1)},
        {B::IdMousePointer, Variant(2)},
        {B::IdShowCloseButton, Variant(false)},
        {B::IdShowCaptionBar, Variant(true)},
        {B::IdShowButtonInfo, Variant(0)},
        {B::IdSelectedButtonForeColor, Variant(0x090909)},
        {B::IdSelectedButtonBackColor, Variant(0x080808)},
        {B::IdSelectedButtonAppearance, Variant(0)},
        {B::IdHighlightedButtonForeColor, Variant(0x070707)},
        {B::IdHighlightedButtonBackColor, Variant(0x060606)},
        {B::IdGroupForeColor, Variant(0x050505)},
        {B::IdGroupFlow, Variant(1)},
        {B::IdGroupBackColor, Variant(0x040404)},
        {B::IdGroupAppearance, Variant(0)},
        {B::IdCaption, Variant("Tools")},
        {B::IdButtonWidth, Variant(900)},
        {B::IdButtonTextPosition, Variant(0)},
        {B::IdButtonSize, Variant(1)},
        {B::IdButtonLayout, Variant(0)},
        {B::IdButtonHighlightZone, Variant(1)},
        {B::IdButtonHeight, Variant(600)},
        {B::IdButtonForeColor, Variant(0x030303)},
        {B::IdButtonFlow, Variant(1)},
        {B::IdButtonPictureMaskColor, Variant(0x020202)},
        {B::IdButtonBackColor, Variant(0x010101)},
        {B::IdButtonAppearance, Variant(1)},
        {B::IdBorderStyle, Variant(1)},
        {B::IdAppearance, Variant(0)},
    };
    for (const auto& [id, value] : settings)
        Put(id, value);
    bar.GetFont()->SetBold(true);
    bar.SetMouseIcon(ole::Picture::FromImage(ole::Image{1, 1, {0xFFFFFFFF}}, ole::PICTYPE_ICON));
    std::string keys;
    for (const std::string& key : SavedKeys())
        keys += key + " ";
    EXPECT_EQ(keys, "Appearance BorderStyle ButtonAppearance ButtonBackColor "
                    "ButtonPictureMaskColor ButtonFlow ButtonForeColor ButtonHeight "
                    "ButtonHighlightZone ButtonLayout ButtonSize ButtonTextPosition ButtonWidth "
                    "Caption Font GroupAppearance GroupBackColor GroupFlow GroupForeColor "
                    "HighlightedButtonBackColor HighlightedButtonForeColor "
                    "SelectedButtonAppearance SelectedButtonBackColor SelectedButtonForeColor "
                    "ShowButtonInfo ShowCaptionBar ShowCloseButton MouseIcon MousePointer "
                    "GroupGradientType GroupGradientColor ButtonGradientType ButtonGradientColor "
                    "LockRefresh GroupCount GRP1Caption GRP1Tooltip GRP1Key "
                    "GRP1ButtonBackgroundLayout GRP1ButtonBackgroundPicture GRP1Tag GRP1IsCurrent "
                    "GRP1ButtonCount ");
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
    // Key keeps outer spaces, which Add would trim away onto a key already taken.
    third->LetKey(" g2 ");
    buttons->At(5)->LetKey(" k1 ");
    bar.SetActiveGroup(second);

    std::vector<Variant> before;
    for (const ole::PersistedProperty& stored : B::Info().Persisted())
        before.push_back(Get(stored.id));
    const std::string model = Describe(*groups);
    KSButtonBar& loaded = Reload();
    EXPECT_EQ(ole::TakeReportedErrors().size(), 0U);
    size_t k = 0;
    for (const ole::PersistedProperty& stored : B::Info().Persisted())
        EXPECT_TRUE(ole::BagEntries::MatchesDefault(Get(stored.id), before[k++])) << stored.key;

    EXPECT_EQ(loaded.GetActiveGroup(), loaded.GetGroups()->At(2));
    EXPECT_EQ(Describe(*loaded.GetGroups()), model);
    EXPECT_TRUE(loaded.GetLockRefresh());
}

// Black is 0, the value a colour holds before its bar is set up: saved and loaded, each colour
// still reaches the boxes and the bars it paints.
TEST_F(PersistenceTest, EveryColourSetToBlackComesBackAndPaints) {
    const ole::DISPID colours[] = {B::IdButtonBackColor,
                                   B::IdButtonPictureMaskColor,
                                   B::IdButtonForeColor,
                                   B::IdGroupBackColor,
                                   B::IdGroupForeColor,
                                   B::IdHighlightedButtonBackColor,
                                   B::IdHighlightedButtonForeColor,
                                   B::IdSelectedButtonBackColor,
                                   B::IdSelectedButtonForeColor,
                                   B::IdGroupGradientColor,
                                   B::IdButtonGradientColor};
    HostBar();
    for (const ole::DISPID id : colours)
        Put(id, Variant(0));
    KSButtonBar& bar = Reload();
    for (const ole::DISPID id : colours)
        EXPECT_EQ(ole::CLng(Get(id)), 0) << id;
    EXPECT_EQ(bar.ButtonsBox()->BackColor(), 0);
    EXPECT_EQ(bar.UpperGroupsBox()->BackColor(), 0);
    EXPECT_EQ(bar.LowerGroupsBox()->BackColor(), 0);
    m_host->Show();
    bar.UpperGroupsBox()->Refresh();
    const win::WindowDc dc(bar.UpperGroupsBox()->Window());
    EXPECT_EQ(win::GetPixel(dc.Get(), 4, bar.Layout().groupBarHeight / 2), 0U);
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

TEST_F(PersistenceTest, ABagWithEveryGroupHiddenLoadsWithTheFirstShown) {
    Load({{"GroupCount", Variant(2)},
          {"GRP1Visible", Variant(false)},
          {"GRP2Visible", Variant(false)},
          {"GRP2IsCurrent", Variant(true)}});
    EXPECT_TRUE(Bar().GetGroups()->At(1)->GetVisible());
    EXPECT_EQ(ActiveGroup(), Bar().GetGroups()->At(1));
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
    // A size below 1, a count no saved bar can hold, and a button count beyond the stored buttons
    // (the first loads, the second was never saved).
    const std::pair<std::vector<std::pair<std::string, Variant>>, std::string> bags[] = {
        {{{"ButtonWidth", Variant(0)}, {"GroupCount", Variant(1)}}, "Invalid property value."},
        {{{"GroupCount", Variant(0x7FFFFFFF)}}, "Invalid property value."},
        {{{"GroupCount", Variant(1)},
          {"GRP1IsCurrent", Variant(true)},
          {"GRP1ButtonCount", Variant(0x7FFF)},
          {"GRP1BTN1Picture", Variant(ole::Ptr<ole::Object>(Bitmap()))}},
         "Invalid Picture type"}};
    for (const auto& [entries, description] : bags) {
        KSButtonBar& bar = Load(entries);
        const std::vector<ole::Error> errors = ole::TakeReportedErrors();
        ASSERT_EQ(errors.size(), 1U);
        EXPECT_EQ(errors[0].Description(), description);
        ASSERT_NE(ActiveGroup(), nullptr);
        EXPECT_FALSE(bar.LayoutSuspended());
        EXPECT_FALSE(bar.GetLockRefresh());
        AddButtons(1);
        EXPECT_GT(ActiveGroup()->GetButtons()->At(1)->Bounds().bottom, 0);
        EXPECT_LE(ActiveGroup()->GetButtons()->Count(), 2);
        Unload();
    }
}

// A host may unload its form from an event the bar raises while it is set up or loaded: the rest
// of the set-up is dropped, without a crash or an error.
TEST_F(PersistenceTest, AHostMayUnloadTheBarFromAnEventOfItsLoading) {
    const ole::Ptr<ole::PropertyBag> bag = ole::PropertyBag::Create();
    const std::pair<std::string, Variant> entries[] = {
        {"GroupCount", Variant(2)},
        {"GRP1IsCurrent", Variant(true)},
        {"GRP1ButtonCount", Variant(2)},
        {"GRP1BTN1Picture", Variant(ole::Ptr<ole::Object>(Bitmap()))},
        {"GRP1BTN2Picture", Variant(ole::Ptr<ole::Object>(Bitmap()))}};
    for (const auto& [name, value] : entries)
        bag->WriteProperty(name, value, Variant::Missing());
    const std::pair<ole::DISPID, ole::PropertyBag*> runs[] = {{B::EvGroupAdded, nullptr},
                                                              {B::EvGroupAdded, bag.Get()},
                                                              {B::EvActiveGroupChanged, bag.Get()},
                                                              {B::EvButtonAdded, bag.Get()}};
    for (const auto& [event, stored] : runs) {
        m_host = std::make_unique<forms::test::TestHost>(HostMode::User);
        const ole::Ptr<KSButtonBar> bar =
            ole::PtrCast<KSButtonBar>(ole::ClassRegistry::Create(B::kProgId));
        ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
        sink->On(event, [this](std::span<Variant>) { m_host->Unload(); });
        const uint32_t cookie = ole::ConnectEvents(bar, sink);
        m_host->Host(bar, "Bar1", kBounds, stored);
        win::test::pump();
        EXPECT_TRUE(ole::TakeReportedErrors().empty()) << event;
        ole::DisconnectEvents(bar, cookie);
        m_host.reset();
    }
}

// Counts are read back as Integers, so a bar with more groups is refused (6) before anything is
// written, instead of being saved in a form that can never load.
TEST_F(PersistenceTest, ABarThatCouldNotLoadAgainIsNotSaved) {
    KSButtonBar& bar = HostBar();
    bar.LetLayoutSuspended(true);
    for (int32_t i = 1; i <= 0x7FFF; ++i)
        bar.GetGroups()->Add("g");
    bar.LetLayoutSuspended(false);
    const ole::Ptr<ole::PropertyBag> bag = forms::test::TestHost::Save(*m_extender);
    const std::vector<ole::Error> errors = ole::TakeReportedErrors();
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0].Number(), ole::ERR_OVERFLOW);
    EXPECT_TRUE(bag->ReadProperty("GroupCount", Variant()).IsEmpty());
}

} // namespace
} // namespace shelfstrip::test
