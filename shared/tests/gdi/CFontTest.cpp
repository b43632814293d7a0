#include "shared/gdi/CFont.h"
#include "shared/gdi/CResourceMgr.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/MemoryCanvas.h"

#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"

#include <string>

using namespace shared;
using testsupport::CleanPlatform;

namespace {

using CFontTest = CleanPlatform;

win::LOGFONTA LogFontOf(win::HFONT font) {
    win::LOGFONTA logFont;
    EXPECT_TRUE(win::GetFontLogFont(font, &logFont));
    return logFont;
}

ole::Ptr<ole::Font> FontOfSize(int64_t scaledSize) {
    auto font = ole::Font::Create();
    font->SetName("Arial");
    font->SetSize(ole::Currency{scaledSize});
    return font;
}

std::string Repeat(std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

} // namespace

TEST_F(CFontTest, CachedFontFollowsEveryAttributeOfItsOwnCopy) {
    const size_t fontsBefore = win::test::LiveGdiObjectCount(win::gdi::GdiObjectKind::Font);
    CResourceMgr cache;
    auto font = FontOfSize(90000);
    const win::HFONT first = cache.GetFont(*font, "TreeFont");
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.GetFont(*font, "treefont"), first);
    EXPECT_EQ(cache.GetFont(*font->Clone(), "TreeFont"), first);

    // The caller's object changing in place is noticed: the cache compares with its own copy.
    font->SetUnderline(true);
    const win::HFONT underlined = cache.GetFont(*font, "TreeFont");
    EXPECT_NE(underlined, first);
    EXPECT_EQ(win::GetObjectType(first), 0u);
    EXPECT_EQ(win::test::LiveGdiObjectCount(win::gdi::GdiObjectKind::Font), fontsBefore + 1);

    const win::LOGFONTA logFont = LogFontOf(underlined);
    EXPECT_STREQ(logFont.lfFaceName, "Arial");
    EXPECT_EQ(logFont.lfHeight, -12);
    EXPECT_NE(logFont.lfUnderline, 0);
    EXPECT_EQ(logFont.lfItalic, 0);
    EXPECT_EQ(logFont.lfWeight, 400);

    font->SetItalic(true);
    font->SetStrikethrough(true);
    font->SetCharset(0x1A2);
    const win::LOGFONTA styled = LogFontOf(cache.GetFont(*font, "TreeFont"));
    EXPECT_NE(styled.lfItalic, 0);
    EXPECT_NE(styled.lfStrikeOut, 0);
    EXPECT_EQ(styled.lfCharSet, 0xA2);
}

TEST_F(CFontTest, HeightsUseWholePointsHalfToEvenAt96Dpi) {
    CResourceMgr cache;
    EXPECT_EQ(LogFontOf(cache.GetFont(*FontOfSize(90000), "A")).lfHeight, -12);
    EXPECT_EQ(LogFontOf(cache.GetFont(*FontOfSize(82500), "B")).lfHeight, -11);  // 8.25 -> 8
    EXPECT_EQ(LogFontOf(cache.GetFont(*FontOfSize(115000), "C")).lfHeight, -16); // 11.5 -> 12

    // 10.5 pt rounds to 10 yet is another font: rebuilt with the same height.
    const win::HFONT ten = cache.GetFont(*FontOfSize(100000), "D");
    const win::HFONT tenAndAHalf = cache.GetFont(*FontOfSize(105000), "D");
    EXPECT_NE(tenAndAHalf, ten);
    EXPECT_EQ(win::GetObjectType(ten), 0u);
    EXPECT_EQ(LogFontOf(tenAndAHalf).lfHeight, -13);
}

TEST_F(CFontTest, WeightCountsForSamenessButBoldAloneSetsTheGdiWeight) {
    CResourceMgr cache;
    auto font = FontOfSize(90000);
    font->SetWeight(600); // Bold
    const win::HFONT semiBold = cache.GetFont(*font, "F");
    EXPECT_EQ(LogFontOf(semiBold).lfWeight, 700);

    font->SetWeight(800);
    const win::HFONT heavy = cache.GetFont(*font, "F");
    EXPECT_NE(heavy, semiBold);
    EXPECT_EQ(LogFontOf(heavy).lfWeight, 700);

    font->SetWeight(500); // not Bold
    EXPECT_EQ(LogFontOf(cache.GetFont(*font, "F")).lfWeight, 400);
}

TEST_F(CFontTest, FaceNamesLongerThan31BytesMakeNoFontAndCacheNothing) {
    CResourceMgr cache;
    auto font = FontOfSize(90000);

    font->SetName(std::string(31, 'a'));
    const win::HFONT fits = cache.GetFont(*font, "Max");
    ASSERT_TRUE(fits);
    EXPECT_EQ(std::string(LogFontOf(fits).lfFaceName), std::string(31, 'a'));

    for (const std::string& name :
         {std::string(32, 'a'), std::string(33, 'a'), std::string(34, 'a'), Repeat("\xC3\xA4", 16),
          Repeat("\xE6\xB8\xA9", 11)}) {
        font->SetName(name);
        EXPECT_FALSE(cache.GetFont(*font, "Long")) << name.size() << " bytes";
        EXPECT_FALSE(cache.Contains(ResourceKind::Font, "Long"));
    }
    // Ten three-byte characters are 30 bytes, which fit whole.
    font->SetName(Repeat("\xE6\xB8\xA9", 10));
    const win::HFONT wide = cache.GetFont(*font, "Wide");
    ASSERT_TRUE(wide);
    EXPECT_EQ(std::string(LogFontOf(wide).lfFaceName), Repeat("\xE6\xB8\xA9", 10));

    // Under a cached key the old font goes and the key gives 0 until the font changes.
    font->SetName(std::string(40, 'b'));
    EXPECT_FALSE(cache.GetFont(*font, "Max"));
    EXPECT_EQ(win::GetObjectType(fits), 0u);
    EXPECT_TRUE(cache.Contains(ResourceKind::Font, "Max"));
    EXPECT_FALSE(cache.GetFont(*font, "Max"));
    font->SetName("Arial");
    EXPECT_TRUE(cache.GetFont(*font, "Max"));
}

TEST_F(CFontTest, FreshWrapperIsNeverTheSame) {
    const auto plain = ole::Font::Create();
    CFont wrapper;
    EXPECT_FALSE(wrapper.isSame(*plain));
    EXPECT_FALSE(wrapper.hFont());
    // The comparison left an empty copy behind, which equals a new font object.
    EXPECT_TRUE(wrapper.isSame(*plain));

    try {
        auto longName = ole::Font::Create();
        longName->SetName(std::string(32, 'x'));
        CFont failing;
        failing.init(*longName);
        ADD_FAILURE() << "no error for a 32-byte face name";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.Number(), ole::ERR_SUBSCRIPT);
    }

    CFont built;
    ASSERT_TRUE(built.init(*plain));
    const win::HFONT handle = built.hFont();
    built.UpdateInfo(*plain->Clone());
    EXPECT_EQ(built.hFont(), handle);
}

TEST_F(CFontTest, OrientationIsPartOfTheCachedFont) {
    const size_t fontsBefore = win::test::LiveGdiObjectCount(win::gdi::GdiObjectKind::Font);
    CResourceMgr cache;
    auto font = FontOfSize(90000);
    const win::HFONT flat = cache.GetFont(*font, "GROUPFONT");
    const win::HFONT turned = cache.GetFont(*font, "GROUPFONT", 900);
    EXPECT_NE(turned, flat);
    EXPECT_EQ(win::GetObjectType(flat), 0u);
    EXPECT_EQ(win::test::LiveGdiObjectCount(win::gdi::GdiObjectKind::Font), fontsBefore + 1);
    EXPECT_EQ(cache.GetFont(*font, "GROUPFONT", 900), turned);
    EXPECT_EQ(cache.GetFont(*font, "GROUPFONT", 4500), turned);
    const win::LOGFONTA up = LogFontOf(turned);
    EXPECT_EQ(up.lfEscapement, 900);
    EXPECT_EQ(up.lfOrientation, 900);
    EXPECT_EQ(up.lfOutPrecision, win::OUT_TT_ONLY_PRECIS);

    // A whole turn is no turn, and builds exactly the unturned font; the sign stays.
    const win::LOGFONTA whole = LogFontOf(cache.GetFont(*font, "GROUPFONT", 3600));
    EXPECT_EQ(whole.lfEscapement, 0);
    EXPECT_EQ(whole.lfOutPrecision, 0);
    EXPECT_EQ(cache.GetFont(*font, "GROUPFONT", 0), cache.GetFont(*font, "GROUPFONT", 3600));
    EXPECT_EQ(LogFontOf(cache.GetFont(*font, "GROUPFONT", -900)).lfEscapement, -900);
    const win::HFONT down = cache.GetFont(*font, "GROUPFONT", -900);
    EXPECT_NE(cache.GetFont(*font, "GROUPFONT", 2700), down);
}

TEST_F(CFontTest, TextOfATurnedFontRunsUpward) {
    CResourceMgr cache;
    auto font = FontOfSize(140000);
    testsupport::MemoryCanvas canvas(60, 60);
    const win::SelectedObject selectFont(canvas.Dc(), cache.GetFont(*font, "UP", 900));
    win::SIZE extent{};
    win::GetTextExtentPoint32A(canvas.Dc(), "Ag", 2, &extent);
    win::TextOutA(canvas.Dc(), 20, 50, "Ag", 2);
    const std::optional<win::RECT> ink = canvas.InkBounds();
    ASSERT_TRUE(ink);
    // The extent is the unturned one; the ink is taller than wide, above and right of (20, 50).
    EXPECT_GT(extent.cx, extent.cy / 2);
    EXPECT_GT(ink->bottom - ink->top, ink->right - ink->left);
    EXPECT_GE(ink->left, 20);
    EXPECT_LE(ink->bottom, 51);
}
