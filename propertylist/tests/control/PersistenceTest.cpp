#include "GridFixture.h"

#include "testsupport/StoredNames.h"

#include "platform/ole/picture/Picture.h"

#include <algorithm>
#include <cmath>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class PersistenceTest : public GridFixture {
protected:
    static std::vector<std::string> StoredNames(const ole::PropertyBag& bag) {
        return testsupport::StoredNames(bag);
    }
    static bool Contains(const std::vector<std::string>& names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    }
    // A bag passed through its stored bytes, as a saved form would keep it.
    static ole::Ptr<ole::PropertyBag> ThroughBytes(const ole::PropertyBag& bag) {
        const std::vector<uint8_t> bytes = bag.ToBytes();
        return ole::PropertyBag::FromBytes(bytes);
    }
};

// WriteProperties compares every key's current value with its default, so an empty bag shows that
// InitProperties gave all 34 their defaults (Indentation: 10 pixels, 150 twips).
TEST_F(PersistenceTest, NewControlHasEveryDefaultAndStoresNothing) {
    Z& grid = HostGrid();
    EXPECT_TRUE(StoredNames(*Save()).empty());
    EXPECT_FLOAT_EQ(grid.Settings().indentation, 10.0F);
    EXPECT_EQ(grid.GetSortOrder(), 0);
    EXPECT_TRUE(grid.GetEnabled());
    EXPECT_FALSE(grid.GetLockRefresh());
    // The ambient font was copied in without the setter.
    EXPECT_EQ(grid.GetFont()->Name(), grid.GetAmbient()->Font()->Name());
    EXPECT_FALSE(ole::Is(grid.GetFont(), grid.GetAmbient()->Font()));
    const std::vector<std::string> events = EventNames();
    EXPECT_EQ(std::count(events.begin(), events.end(), "ActiveViewChanged"), 0);
}

// Every persisted key set away from its default survives WriteProperties, the bag's bytes and
// ReadProperties of a second control; Enabled and LockRefresh are never stored.
TEST_F(PersistenceTest, AllKeysRoundTripThroughBagBytes) {
    Z& grid = HostGrid();
    grid.LetActiveView(1);
    grid.LetAlphabeticTabCaption("Abc");
    grid.LetAppearance(0);
    grid.LetBackColor(0x00102030);
    grid.LetBorderStyle(1);
    grid.LetCategorizedTabCaption("ByGroup");
    grid.LetCategoryAppearance(0);
    grid.LetCategoryBackColor(0x000000FF);
    grid.LetCategoryBold(false);
    grid.LetCategoryForeColor(0x0000FF00);
    grid.LetCategorySeparator("/");
    grid.LetCustomSort(true);
    grid.LetDefaultCategory("");
    ole::Ptr<ole::Font> font = ole::Font::Create();
    font->SetName("Courier New");
    font->SetSize(ole::Currency{120000});
    font->SetItalic(true);
    grid.SetFont(font);
    grid.LetForeColor(0x00405060);
    grid.LetGrid(1);
    grid.LetHeaders(0);
    grid.LetHighlightBackColor(0x00111111);
    grid.LetHighlightForeColor(0x00222222);
    grid.LetIndentation(300.0F);
    grid.LetLineColor(0x00333333);
    grid.LetNameCaption("");
    grid.SetPicture(ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 2540, 2540));
    grid.LetPictureLayout(2);
    grid.LetPropertyBackColor(0x00444444);
    grid.LetPropertyForeColor(0x00555555);
    grid.LetShowDescription(false);
    grid.LetShowTabs(false);
    grid.LetShowToolTip(false);
    grid.LetSorted(true);
    grid.LetSortOnHeaderClick(false);
    grid.LetSortOrder(1);
    grid.LetTreeStyle(3);
    grid.LetValueCaption("V");
    grid.LetEnabled(false);
    grid.LetLockRefresh(true);

    ole::Ptr<ole::PropertyBag> saved = Save();
    // Alphabetical, without regard to case; Enabled and LockRefresh are never stored.
    std::string keys;
    for (const std::string& name : StoredNames(*saved))
        keys += name + " ";
    EXPECT_EQ(keys, "ActiveView AlphabeticTabCaption Appearance BackColor BorderStyle "
                    "CategorizedTabCaption CategoryAppearance CategoryBackColor CategoryBold "
                    "CategoryForeColor CategorySeparator CustomSort DefaultCategory Font "
                    "ForeColor Grid Headers HighlightBackColor HighlightForeColor Indentation "
                    "LineColor NameCaption Picture PictureLayout PropertyBackColor "
                    "PropertyForeColor ShowDescription ShowTabs ShowToolTip Sorted "
                    "SortOnHeaderClick SortOrder TreeStyle ValueCaption ");
    ole::Ptr<ole::PropertyBag> stored = ThroughBytes(*saved);
    Unload();

    Z& copy = HostGrid(HostMode::User, stored.Get());
    EXPECT_EQ(copy.GetActiveView(), 1);
    EXPECT_EQ(copy.GetAlphabeticTabCaption(), "Abc");
    EXPECT_EQ(copy.GetAppearance(), 0);
    EXPECT_EQ(copy.GetBackColor(), 0x00102030);
    EXPECT_EQ(copy.GetBorderStyle(), 1);
    EXPECT_EQ(copy.GetCategorizedTabCaption(), "ByGroup");
    EXPECT_EQ(copy.GetCategoryAppearance(), 0);
    EXPECT_EQ(copy.GetCategoryBackColor(), 0x000000FF);
    EXPECT_FALSE(copy.GetCategoryBold());
    EXPECT_EQ(copy.GetCategoryForeColor(), 0x0000FF00);
    EXPECT_EQ(copy.GetCategorySeparator(), "/");
    EXPECT_TRUE(copy.GetCustomSort());
    EXPECT_EQ(copy.GetDefaultCategory(), "");
    EXPECT_EQ(copy.GetFont()->Name(), "Courier New");
    EXPECT_EQ(copy.GetFont()->Size().scaled, 120000);
    EXPECT_TRUE(copy.GetFont()->Italic());
    EXPECT_EQ(copy.GetForeColor(), 0x00405060);
    EXPECT_EQ(copy.GetGrid(), 1);
    EXPECT_EQ(copy.GetHeaders(), 0);
    EXPECT_EQ(copy.GetHighlightBackColor(), 0x00111111);
    EXPECT_EQ(copy.GetHighlightForeColor(), 0x00222222);
    EXPECT_FLOAT_EQ(copy.GetIndentation(), 300.0F);
    EXPECT_EQ(copy.GetLineColor(), 0x00333333);
    EXPECT_EQ(copy.GetNameCaption(), "");
    ASSERT_TRUE(copy.GetPicture());
    EXPECT_EQ(copy.GetPicture()->Type(), ole::PICTYPE_METAFILE);
    EXPECT_EQ(copy.GetPictureLayout(), 2);
    EXPECT_EQ(copy.GetPropertyBackColor(), 0x00444444);
    EXPECT_EQ(copy.GetPropertyForeColor(), 0x00555555);
    EXPECT_FALSE(copy.GetShowDescription());
    EXPECT_FALSE(copy.GetShowTabs());
    EXPECT_FALSE(copy.GetShowToolTip());
    EXPECT_TRUE(copy.GetSorted());
    EXPECT_FALSE(copy.GetSortOnHeaderClick());
    EXPECT_EQ(copy.GetSortOrder(), 1);
    EXPECT_EQ(copy.GetTreeStyle(), 3);
    EXPECT_EQ(copy.GetValueCaption(), "V");
    EXPECT_TRUE(copy.GetEnabled());
    EXPECT_FALSE(copy.GetLockRefresh());
    // Loading the categorized view switched the rows and said so.
    EXPECT_TRUE(ole::Is(copy.ActiveNodes(), copy.CategorizedNodes()));
    const std::vector<std::string> events = EventNames();
    EXPECT_EQ(std::count(events.begin(), events.end(), "ActiveViewChanged"), 1);
}

// An entry that cannot be read or is refused leaves its property at the default the control
// starts with, one of each kind of key; readable entries next to them still load.
TEST_F(PersistenceTest, UnreadableOrRefusedEntriesKeepTheDefault) {
    ole::Ptr<ole::PropertyBag> stored = ole::PropertyBag::Create();
    const auto store = [&](const char* name, ole::Variant value) {
        stored->WriteProperty(name, std::move(value), ole::Variant::Missing());
    };
    store("AlphabeticTabCaption", ole::Variant(""));
    store("BackColor", ole::Variant("not a colour"));
    store("CategorySeparator", ole::Variant("  "));
    store("Font", ole::Variant("Arial"));
    store("Grid", ole::Variant("not a number"));
    store("Indentation", ole::Variant(-30.0F));
    store("NameCaption", ole::Variant::Nothing());
    store("Picture", ole::Variant("no picture"));
    store("ShowTabs", ole::Variant("maybe"));
    store("TreeStyle", ole::Variant("3"));
    store("ValueCaption", ole::Variant(int32_t{42}));

    Z& grid = HostGrid(HostMode::User, stored.Get());
    EXPECT_EQ(grid.GetAlphabeticTabCaption(), "Alphabetic");
    EXPECT_EQ(grid.GetBackColor(), static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(grid.GetCategorySeparator(), "|");
    EXPECT_EQ(grid.GetFont()->Name(), grid.GetAmbient()->Font()->Name());
    EXPECT_EQ(grid.GetGrid(), ksGridDotted);
    EXPECT_FLOAT_EQ(grid.Settings().indentation, 10.0F);
    EXPECT_EQ(grid.GetNameCaption(), "Property");
    EXPECT_FALSE(grid.GetPicture());
    EXPECT_TRUE(grid.GetShowTabs());
    EXPECT_EQ(grid.GetTreeStyle(), 3);
    EXPECT_EQ(grid.GetValueCaption(), "42");
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
}

TEST_F(PersistenceTest, StoredControlKeepsTwipsUntilTheContainerChangesScaleUnits) {
    ole::Ptr<ole::PropertyBag> stored = ole::PropertyBag::Create();
    Z& grid = HostGrid(HostMode::User, stored.Get());
    forms::PictureBox* gridPanel = grid.Panel("m_picTreeContainer");
    EXPECT_EQ(gridPanel->GetScaleMode(), 1);
    forms::test::TestHost::SetAmbientScaleUnits(Ext(), "Pixel");
    EXPECT_EQ(gridPanel->GetScaleMode(), 3);
    // The persisted Indentation is in the control's units, which stay twips.
    EXPECT_FLOAT_EQ(grid.GetIndentation(), 150.0F);
    EXPECT_TRUE(StoredNames(*Save()).empty());
}

TEST_F(PersistenceTest, FontEqualToTheAmbientFontIsNotStored) {
    Z& grid = HostGrid();
    ole::Ptr<ole::Font> same = ole::Font::Create();
    same->SetName(grid.GetFont()->Name());
    same->SetSize(grid.GetFont()->Size());
    grid.SetFont(same);
    EXPECT_FALSE(Contains(StoredNames(*Save()), "Font"));
    grid.GetFont()->SetBold(true);
    EXPECT_TRUE(Contains(StoredNames(*Save()), "Font"));
}

} // namespace
} // namespace attrgrid::test
