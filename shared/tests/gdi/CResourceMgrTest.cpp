#include "shared/gdi/CResourceMgr.h"
#include "shared/util/Geometry.h"
#include "testsupport/CleanPlatform.h"

#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"

#include <optional>
#include <vector>

using namespace shared;
using testsupport::CleanPlatform;
using win::RGB;

namespace {

using CResourceMgrTest = CleanPlatform;

size_t Live(win::gdi::GdiObjectKind kind) {
    return win::test::LiveGdiObjectCount(kind);
}

bool IsLive(win::HGDIOBJ object) {
    return win::GetObjectType(object) != 0;
}

template <class Call>
std::optional<int32_t> ErrorOf(Call call) {
    try {
        call();
    } catch (const ole::Error& e) {
        return e.Number();
    }
    return std::nullopt;
}

} // namespace

TEST_F(CResourceMgrTest, PensAreRemadeOnlyForOtherAttributesAndDeletedOnce) {
    const size_t pensBefore = Live(win::gdi::GdiObjectKind::Pen);
    {
        CResourceMgr cache;
        const win::HPEN first = cache.GetPen(RGB(1, 2, 3), "LineColor", win::PS_SOLID, 1);
        ASSERT_TRUE(first);
        EXPECT_EQ(cache.GetPen(RGB(1, 2, 3), "LineColor", win::PS_SOLID, 1), first);
        // Keys are compared without regard to case.
        EXPECT_EQ(cache.GetPen(RGB(1, 2, 3), "LINECOLOR", win::PS_SOLID, 1), first);
        EXPECT_EQ(Live(win::gdi::GdiObjectKind::Pen), pensBefore + 1);

        const win::HPEN recoloured = cache.GetPen(RGB(9, 9, 9), "LineColor", win::PS_SOLID, 1);
        EXPECT_NE(recoloured, first);
        EXPECT_FALSE(IsLive(first));
        EXPECT_EQ(Live(win::gdi::GdiObjectKind::Pen), pensBefore + 1);

        const win::HPEN restyled = cache.GetPen(RGB(9, 9, 9), "LineColor", win::PS_DOT, 1);
        EXPECT_NE(restyled, recoloured);
        const win::HPEN widened = cache.GetPen(RGB(9, 9, 9), "LineColor", win::PS_DOT, 2);
        EXPECT_NE(widened, restyled);
        EXPECT_FALSE(IsLive(recoloured));
        EXPECT_FALSE(IsLive(restyled));
        EXPECT_TRUE(IsLive(widened));

        cache.GetPen(RGB(0, 0, 0), "Other", win::PS_SOLID, 0);
        EXPECT_EQ(Live(win::gdi::GdiObjectKind::Pen), pensBefore + 2);
    }
    EXPECT_EQ(Live(win::gdi::GdiObjectKind::Pen), pensBefore);
}

TEST_F(CResourceMgrTest, KindsHaveSeparateKeySpacesAndKeysSeparateObjects) {
    CResourceMgr cache;
    const win::HPEN pen = cache.GetPen(RGB(10, 20, 30), "Grid", win::PS_SOLID, 1);
    const win::HBRUSH brush = cache.GetBrush(RGB(10, 20, 30), "Grid");
    ASSERT_TRUE(pen);
    ASSERT_TRUE(brush);
    EXPECT_EQ(cache.GetPen(RGB(10, 20, 30), "Grid", win::PS_SOLID, 1), pen);
    EXPECT_EQ(cache.GetBrush(RGB(10, 20, 30), "Grid"), brush);

    // One colour under two keys makes two brushes.
    const win::HBRUSH other = cache.GetBrush(RGB(10, 20, 30), "Back");
    EXPECT_NE(other, brush);
    EXPECT_TRUE(IsLive(other));
    EXPECT_TRUE(IsLive(brush));

    const win::HBRUSH recoloured = cache.GetBrush(RGB(0, 0, 0), "Grid");
    EXPECT_NE(recoloured, brush);
    EXPECT_FALSE(IsLive(brush));
    EXPECT_TRUE(IsLive(pen));
}

TEST_F(CResourceMgrTest, RemovalDeletesAndAbsentKeysRaiseFiveExceptForFonts) {
    CResourceMgr cache;
    const std::vector<uint32_t> checker(4, 0xAAAA5555u);
    const auto font = ole::Font::Create();
    const win::HPEN pen = cache.GetPen(RGB(1, 1, 1), "P", win::PS_SOLID, 1);
    const win::HBRUSH brush = cache.GetBrush(RGB(1, 1, 1), "B");
    const win::HBRUSH pattern = cache.GetPatternBrush(checker, "G");
    const win::HFONT hfont = cache.GetFont(*font, "F");
    ASSERT_TRUE(pen && brush && pattern && hfont);

    cache.RemovePen("p");
    cache.RemoveBrush("B");
    cache.RemovePatternBrush("G");
    cache.RemoveFont("f");
    for (const win::HGDIOBJ gone :
         {win::HGDIOBJ(pen), win::HGDIOBJ(brush), win::HGDIOBJ(pattern), win::HGDIOBJ(hfont)})
        EXPECT_FALSE(IsLive(gone));
    EXPECT_FALSE(cache.Contains(ResourceKind::Pen, "P"));
    EXPECT_FALSE(cache.Contains(ResourceKind::Font, "F"));

    EXPECT_EQ(ErrorOf([&] { cache.RemovePen("P"); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { cache.RemoveBrush("nothing"); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { cache.RemovePatternBrush("G"); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { cache.RemoveFont("F"); }), std::nullopt);
    // A pen key does not remove a brush.
    cache.GetBrush(RGB(2, 2, 2), "Shared");
    EXPECT_EQ(ErrorOf([&] { cache.RemovePen("Shared"); }), ole::ERR_INVALID_CALL);
    EXPECT_TRUE(cache.Contains(ResourceKind::Brush, "Shared"));

    // A removed key is made again on the next request.
    const win::HPEN again = cache.GetPen(RGB(1, 1, 1), "P", win::PS_SOLID, 1);
    EXPECT_TRUE(again);
    EXPECT_NE(again, pen);
}

TEST_F(CResourceMgrTest, ShortPatternsCacheNothingAndOnlyTheirElementsCount) {
    CResourceMgr cache;
    const size_t brushesBefore = Live(win::gdi::GdiObjectKind::Brush);
    const std::vector<uint32_t> two{0xAAAA5555u, 0xAAAA5555u};
    const std::vector<uint32_t> none;
    EXPECT_FALSE(cache.GetPatternBrush(two, "Grid"));
    EXPECT_FALSE(cache.GetPatternBrush(none, "Grid"));
    EXPECT_FALSE(cache.Contains(ResourceKind::PatternBrush, "Grid"));
    EXPECT_EQ(Live(win::gdi::GdiObjectKind::Brush), brushesBefore);
    EXPECT_EQ(win::test::LiveGdiObjectCount(), Baseline().gdiObjects);

    std::vector<uint32_t> four(4, 0xAAAA5555u);
    const win::HBRUSH first = cache.GetPatternBrush(four, "Grid");
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.GetPatternBrush(four, "grid"), first);

    // Elements past the fourth do not change the tile but make another pattern.
    std::vector<uint32_t> five = four;
    five.push_back(0);
    const win::HBRUSH longer = cache.GetPatternBrush(five, "Grid");
    EXPECT_NE(longer, first);
    EXPECT_FALSE(IsLive(first));
    EXPECT_EQ(cache.GetPatternBrush(five, "Grid"), longer);
    five.back() = 1;
    EXPECT_NE(cache.GetPatternBrush(five, "Grid"), longer);

    // A short pattern under a cached key leaves the wrapper with no brush until it changes.
    EXPECT_FALSE(cache.GetPatternBrush(two, "Grid"));
    EXPECT_TRUE(cache.Contains(ResourceKind::PatternBrush, "Grid"));
    EXPECT_FALSE(cache.GetPatternBrush(two, "Grid"));
    EXPECT_TRUE(cache.GetPatternBrush(four, "Grid"));
    // Only the brush is left: the bitmap went at once.
    EXPECT_EQ(Live(win::gdi::GdiObjectKind::Brush), brushesBefore + 1);
}

TEST_F(CResourceMgrTest, CheckerboardPaintsZeroBitsInTheTextColourAndFollowsTheOrigin) {
    CResourceMgr cache;
    const std::vector<uint32_t> checker(4, 0xAAAA5555u);
    const win::HBRUSH brush = cache.GetPatternBrush(checker, "GridBrush");
    ASSERT_TRUE(brush);

    const win::HDC dc = win::CreateCompatibleDC({});
    const win::HBITMAP bitmap = win::CreateBitmap(20, 12, 1, 32, nullptr);
    const win::HGDIOBJ oldBitmap = win::SelectObject(dc, bitmap);
    const win::HGDIOBJ oldBrush = win::SelectObject(dc, brush);
    const win::COLORREF text = RGB(200, 0, 0);
    const win::COLORREF back = RGB(0, 0, 200);
    win::SetTextColor(dc, text);
    win::SetBkColor(dc, back);

    const auto expectPhase = [&](int originX, int originY) {
        win::PatBlt(dc, 0, 0, 20, 12, win::PATCOPY);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) {
                // Row 0 of the tile is 0x55: its leftmost bit is clear.
                const bool zeroBit = ((x - originX + y - originY) % 2 + 2) % 2 == 0;
                ASSERT_EQ(win::GetPixel(dc, x, y), zeroBit ? text : back)
                    << "at " << x << "," << y << " origin " << originX << "," << originY;
            }
    };
    expectPhase(0, 0);

    // Content scrolled by (1, 0): the origin moves to 7 and the phase flips.
    AlignPatternBrush(dc, 1, 0);
    win::POINT origin;
    win::GetBrushOrgEx(dc, &origin);
    EXPECT_EQ(origin, (win::POINT{7, 0}));
    expectPhase(7, 0);
    EXPECT_EQ(win::GetPixel(dc, 0, 0), back);

    AlignPatternBrush(dc, 3, 13);
    win::GetBrushOrgEx(dc, &origin);
    EXPECT_EQ(origin, (win::POINT{5, 3}));
    AlignPatternBrush(dc, -2, INT32_MIN);
    win::GetBrushOrgEx(dc, &origin);
    EXPECT_EQ(origin, (win::POINT{2, 0}));

    win::SelectObject(dc, oldBrush);
    win::SelectObject(dc, oldBitmap);
    win::DeleteDC(dc);
    win::DeleteObject(bitmap);
}

TEST_F(CResourceMgrTest, AnObjectStillSelectedIsReplacedSafely) {
    CResourceMgr cache;
    const win::HDC dc = win::CreateCompatibleDC({});
    const win::HBRUSH first = cache.GetBrush(RGB(1, 2, 3), "Back");
    const win::HGDIOBJ old = win::SelectObject(dc, first);
    const win::HBRUSH second = cache.GetBrush(RGB(4, 5, 6), "Back");
    EXPECT_NE(second, first);
    win::SelectObject(dc, old);
    EXPECT_FALSE(IsLive(first));
    win::DeleteDC(dc);
}
