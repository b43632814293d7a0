#include "platform/win/text/Font.h"
#include "platform/base/TextCase.h"
#include "platform/tests/win/text/TextFixture.h"

#include <algorithm>

namespace texttest {

namespace {

TEXTMETRICA MetricsOf(HDC dc, HFONT font) {
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm;
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    SelectObject(dc, old);
    return tm;
}

std::string FaceOf(HDC dc, HFONT font) {
    const HGDIOBJ old = SelectObject(dc, font);
    char name[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, name);
    SelectObject(dc, old);
    return name;
}

} // namespace

TEST_F(TextTest, MetricsFollowTheWindowsAscentAndDescent) {
    const HFONT font = MakeFont("DejaVu Sans", -11);
    const TEXTMETRICA tm = MetricsOf(Dc(), font);
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmAscent, 10);
    EXPECT_EQ(tm.tmDescent, 3);
    EXPECT_EQ(tm.tmInternalLeading, 2);
    EXPECT_EQ(tm.tmExternalLeading, 0);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    SelectObject(Dc(), font);
    EXPECT_EQ(tm.tmAveCharWidth, Extent("x").cx);
    // Extent height is the cell height whatever the characters, even for nothing.
    EXPECT_EQ(Extent("Qp").cy, 13);
    EXPECT_EQ(Extent("").cy, 13);
    EXPECT_EQ(Extent("").cx, 0);
    SelectObject(Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST_F(TextTest, HeightRulesPickThePixelSize) {
    // 0 is the default size; a positive height is the largest cell not taller than asked.
    const HFONT byDefault = MakeFont("Arial", 0);
    const HFONT cell13 = MakeFont("Arial", 13);
    const HFONT cell14 = MakeFont("Arial", 14);
    const HFONT em12 = MakeFont("Arial", -12);
    EXPECT_EQ(MetricsOf(Dc(), byDefault).tmHeight, 13);
    EXPECT_EQ(MetricsOf(Dc(), cell13).tmHeight, 13);
    EXPECT_EQ(MetricsOf(Dc(), cell13).tmHeight - MetricsOf(Dc(), cell13).tmInternalLeading, 11);
    EXPECT_EQ(MetricsOf(Dc(), cell14).tmHeight, 14);
    EXPECT_EQ(MetricsOf(Dc(), em12).tmHeight, 14);
    EXPECT_EQ(MetricsOf(Dc(), cell14).tmHeight - MetricsOf(Dc(), cell14).tmInternalLeading, 12);
    for (const HFONT font : {byDefault, cell13, cell14, em12}) {
        DeleteObject(font);
    }
}

TEST_F(TextTest, FaceNamesMapOntoDejaVuButReportTheRequest) {
    const HFONT sans = MakeFont("ms SANS serif", -11);
    const HFONT mono = MakeFont("Courier New", -11);
    const HFONT serif = MakeFont("times new roman", -11);
    const HFONT unknown = MakeFont("No Such Face", -11);
    EXPECT_EQ(FaceOf(Dc(), sans), "ms SANS serif");
    EXPECT_EQ(FaceOf(Dc(), unknown), "No Such Face");
    EXPECT_EQ(win::text::MapFaceName("COURIER"), win::text::FontFamily::SansMono);
    EXPECT_EQ(win::text::MapFaceName("Georgia"), win::text::FontFamily::Serif);
    EXPECT_EQ(win::text::MapFaceName("Segoe UI"), win::text::FontFamily::Sans);

    // The monospaced family has one advance for every character; the others do not.
    const auto widths = [&](HFONT font) {
        SelectObject(Dc(), font);
        const std::pair result{Extent("i").cx, Extent("W").cx};
        SelectObject(Dc(), GetStockObject(SYSTEM_FONT));
        return result;
    };
    EXPECT_EQ(widths(mono).first, widths(mono).second);
    EXPECT_LT(widths(sans).first, widths(sans).second);
    EXPECT_EQ(widths(unknown), widths(sans));
    EXPECT_EQ(MetricsOf(Dc(), mono).tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    EXPECT_NE(MetricsOf(Dc(), sans).tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    EXPECT_EQ(MetricsOf(Dc(), serif).tmPitchAndFamily & 0xF0, FF_ROMAN);
    for (const HFONT font : {sans, mono, serif, unknown}) {
        DeleteObject(font);
    }
}

TEST_F(TextTest, LogFontIsKeptAsRequested) {
    LOGFONTA request;
    request.lfHeight = -15;
    request.lfWeight = FW_BOLD;
    request.lfItalic = 1;
    request.lfCharSet = SYMBOL_CHARSET;
    request.lfEscapement = 4500;
    std::memset(request.lfFaceName, 'a', LF_FACESIZE); // no terminating NUL
    const HFONT font = CreateFontIndirectA(&request);
    ASSERT_TRUE(font);
    LOGFONTA back;
    ASSERT_EQ(GetObjectA(font, sizeof back, &back), static_cast<int>(sizeof back));
    EXPECT_EQ(std::string(back.lfFaceName), std::string(31, 'a'));
    EXPECT_EQ(back.lfHeight, -15);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfEscapement, 900);
    const TEXTMETRICA tm = MetricsOf(Dc(), font);
    EXPECT_EQ(tm.tmCharSet, SYMBOL_CHARSET);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_NE(tm.tmItalic, 0);
    EXPECT_FALSE(CreateFontIndirectA(nullptr));
    DeleteObject(font);
}

TEST_F(TextTest, StockFontsAreTheDefaultFace) {
    for (const int index : {SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT}) {
        const HFONT stock = HFONT(GetStockObject(index));
        ASSERT_TRUE(stock);
        EXPECT_EQ(FaceOf(Dc(), stock), "MS Sans Serif");
        const TEXTMETRICA tm = MetricsOf(Dc(), stock);
        EXPECT_EQ(tm.tmHeight, 13);
        EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    }
    // A new DC starts with the system font.
    EXPECT_EQ(GetCurrentObject(Dc(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
}

TEST_F(TextTest, BoldAndItalicChangeTheGlyphs) {
    const HFONT regular = MakeFont("Arial", -11);
    const HFONT bold = MakeFont("Arial", -11, FW_BOLD);
    const HFONT semibold = MakeFont("Arial", -11, FW_SEMIBOLD);
    const HFONT medium = MakeFont("Arial", -11, FW_MEDIUM);
    const auto width = [&](HFONT font) {
        SelectObject(Dc(), font);
        const LONG cx = Extent("Hello world").cx;
        SelectObject(Dc(), GetStockObject(SYSTEM_FONT));
        return cx;
    };
    EXPECT_GT(width(bold), width(regular));
    EXPECT_EQ(width(semibold), width(bold));
    EXPECT_EQ(width(medium), width(regular));
    for (const HFONT font : {regular, bold, semibold, medium}) {
        DeleteObject(font);
    }
}

TEST_F(TextTest, StaleFontsFallBackToTheStockFont) {
    const size_t objects = test::LiveGdiObjectCount();
    const HFONT big = MakeFont("Arial", -30);
    SelectObject(Dc(), big);
    DeleteObject(big); // deferred while selected
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(Dc(), &tm));
    EXPECT_GT(tm.tmHeight, 30);
    SelectObject(Dc(), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(test::LiveGdiObjectCount(), objects) << "deleted once selected out";
    // A handle that names nothing draws with the stock font instead of failing.
    EXPECT_EQ(win::text::Font::Resolve(HFONT::FromValue(0x7FFFFFF0)).Metrics().tmHeight, 13);
    EXPECT_EQ(win::text::Font::Resolve(big).FaceName(), "MS Sans Serif");
}

TEST_F(TextTest, FontListsOfferMappedFacesAndSizes) {
    const auto faces = ListFontFaces();
    for (const char* face : {"Arial", "Courier New", "MS Sans Serif", "DejaVu Sans Mono"}) {
        EXPECT_NE(std::find(faces.begin(), faces.end(), face), faces.end()) << face;
    }
    EXPECT_TRUE(std::is_sorted(faces.begin(), faces.end(), base::LessNoCase{}));
    const auto sizes = ListFontSizes();
    EXPECT_EQ(sizes.front(), 8);
    EXPECT_EQ(sizes.back(), 72);
}

} // namespace texttest

namespace texttest {

TEST(FontFilesTest, StylesComeFromTheirOwnFilesOrAreSynthesised) {
    using win::text::FontFamily;
    const auto& regular = win::text::FindFontFile(FontFamily::Sans, false, false);
    const auto& bold = win::text::FindFontFile(FontFamily::Sans, true, false);
    const auto& italic = win::text::FindFontFile(FontFamily::Serif, false, true);
    const auto& mono = win::text::FindFontFile(FontFamily::SansMono, true, true);
    EXPECT_TRUE(regular.path.ends_with("DejaVuSans.ttf")) << regular.path;
    EXPECT_TRUE(bold.path.ends_with("DejaVuSans-Bold.ttf")) << bold.path;
    EXPECT_TRUE(italic.path.ends_with("DejaVuSerif-Italic.ttf")) << italic.path;
    EXPECT_TRUE(mono.path.ends_with("DejaVuSansMono-BoldOblique.ttf")) << mono.path;
    EXPECT_FALSE(bold.syntheticBold);

    // Without a bold file the regular one is emboldened: wider strokes, wider advances.
    win::text::FontFile emboldened = regular;
    emboldened.syntheticBold = true;
    win::text::FontFile slanted = regular;
    slanted.syntheticOblique = true;
    const auto plain = win::text::FontFace::Get(regular, 20);
    const auto heavy = win::text::FontFace::Get(emboldened, 20);
    const auto leaning = win::text::FontFace::Get(slanted, 20);
    ASSERT_TRUE(plain && heavy && leaning);
    const auto inked = [](const win::text::Glyph& glyph) {
        return std::count(glyph.coverage.begin(), glyph.coverage.end(), 1);
    };
    EXPECT_GT(inked(heavy->GlyphFor(U'l')), inked(plain->GlyphFor(U'l')));
    EXPECT_GE(heavy->Advance(U'l'), plain->Advance(U'l'));
    // A slanted 'l' leans right: its bitmap is wider than the upright stem.
    EXPECT_GT(leaning->GlyphFor(U'l').width, plain->GlyphFor(U'l').width);
    EXPECT_EQ(leaning->Advance(U'l'), plain->Advance(U'l'));
}

} // namespace texttest
