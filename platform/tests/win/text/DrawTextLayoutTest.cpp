#include "platform/win/text/DrawTextLayout.h"
#include "platform/win/text/TextConstants.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace win;
using win::text::DrawTextLayout;

// Fixed advances make every cut exact: letters 10, space 4, '.' 2 (so "..." is 6).
int FakeAdvance(char32_t code) {
    switch (code) {
    case U' ':
        return 4;
    case U'.':
        return 2;
    default:
        return 10;
    }
}

struct Laid {
    std::vector<std::string> lines;
    std::vector<int> widths;
    // Per line, the indices of underlined characters.
    std::vector<std::vector<size_t>> underlined;
};

Laid Layout(std::string_view text, UINT format, int width, int height = 100) {
    DrawTextLayout::Params params;
    params.format = format;
    params.width = width;
    params.height = height;
    params.lineHeight = 10;
    params.tabWidth = 32;
    params.advance = FakeAdvance;
    const DrawTextLayout layout(text, params);
    Laid laid;
    for (const auto& line : layout.Lines()) {
        std::string s;
        std::vector<size_t> marks;
        for (size_t i = 0; i < line.chars.size(); ++i) {
            s.push_back(static_cast<char>(line.chars[i].code));
            if (line.chars[i].underline) {
                marks.push_back(i);
            }
        }
        laid.lines.push_back(s);
        laid.widths.push_back(line.width);
        laid.underlined.push_back(marks);
    }
    return laid;
}

using Lines = std::vector<std::string>;

TEST(DrawTextLayoutTest, EndEllipsisCutsSingleLineToLongestFittingPrefix) {
    // 0x8025 and 0x8024: room for "..." is kept, the prefix is as long as fits.
    for (const UINT format : {0x8025u, 0x8024u}) {
        Laid laid = Layout("abcdefgh", format, 50);
        EXPECT_EQ(laid.lines, Lines{"abcd..."});
        EXPECT_EQ(laid.widths, std::vector<int>{46});
        // A text that fits is left alone, even exactly at the edge.
        EXPECT_EQ(Layout("abcde", format, 50).lines, Lines{"abcde"});
        // When even "..." does not fit, the dots are drawn (and clipped) without any prefix.
        EXPECT_EQ(Layout("abcde", format, 4).lines, Lines{"..."});
    }
}

TEST(DrawTextLayoutTest, WordEllipsisCutsEachWideWordWithoutWrapping) {
    // 0x40825: no prefixes, so '&' is a literal character of the first word.
    Laid laid = Layout("&ab abcdefgh", 0x40825, 50);
    EXPECT_EQ(laid.lines, Lines{"&ab abcd..."});
    EXPECT_TRUE(laid.underlined[0].empty());
    // 0x48025 adds the end ellipsis once the words are cut: "ab abcd... cd" is 94 wide.
    EXPECT_EQ(Layout("ab abcdefgh cd", 0x48025, 50).lines, Lines{"ab ab..."});
}

TEST(DrawTextLayoutTest, SingleLineDropsBreaksAndUnderlinesPrefix) {
    // 0x20: CR and LF draw nothing; "&b" underlines b.
    Laid laid = Layout("a&bc\r\nde", 0x20, 20);
    EXPECT_EQ(laid.lines, Lines{"abcde"});
    EXPECT_EQ(laid.underlined[0], std::vector<size_t>{1});
    EXPECT_EQ(laid.widths[0], 50);
    // "&&" is one literal '&', a trailing lone '&' vanishes, DT_HIDEPREFIX keeps no underline.
    EXPECT_EQ(Layout("&&a&", DT_SINGLELINE, 100).lines, Lines{"&a"});
    EXPECT_TRUE(Layout("&&a&", DT_SINGLELINE, 100).underlined[0].empty());
    EXPECT_TRUE(Layout("a&b", DT_SINGLELINE | DT_HIDEPREFIX, 100).underlined[0].empty());
    EXPECT_EQ(Layout("a&b", DT_SINGLELINE | DT_HIDEPREFIX, 100).lines, Lines{"ab"});
}

TEST(DrawTextLayoutTest, WordBreakWrapsAtSpacesAndTreatsWideWords) {
    // 0x40010: the wide word gets its own line, cut with "...".
    EXPECT_EQ(Layout("ab cd abcdefghij ef", 0x40010, 50).lines, (Lines{"ab cd", "abcd...", "ef"}));
    // Plain word break leaves a wide word whole on its own line (to be clipped).
    EXPECT_EQ(Layout("ab abcdefgh cd", DT_WORDBREAK, 50).lines, (Lines{"ab", "abcdefgh", "cd"}));
    // The edit-control rule breaks it between characters instead.
    EXPECT_EQ(Layout("abcdefgh", DT_WORDBREAK | DT_EDITCONTROL, 35).lines,
              (Lines{"abc", "def", "gh"}));
    // A line fills up to exactly the width; the breaking space is dropped.
    const Laid exact = Layout("ab cd ef", DT_WORDBREAK, 44);
    EXPECT_EQ(exact.lines, (Lines{"ab cd", "ef"}));
    EXPECT_EQ(exact.widths, (std::vector<int>{44, 20}));
}

TEST(DrawTextLayoutTest, EditControlWithEllipsesEndsLastVisibleLine) {
    // 0x4A811: two lines fit in 25 pixels; the last visible one ends in "..." because more text
    // follows, and the wide word is cut by the word ellipsis rather than broken.
    EXPECT_EQ(Layout("ab cd efg hi", 0x4A811, 50, 25).lines, (Lines{"ab cd", "efg..."}));
    EXPECT_EQ(Layout("abcdefghij", 0x4A811, 50, 25).lines, Lines{"abcd..."});
    // Without the end ellipsis the partially visible third line is simply not drawn ...
    EXPECT_EQ(Layout("ab cd efg hi", DT_WORDBREAK | DT_EDITCONTROL, 50, 25).lines,
              (Lines{"ab cd", "efg"}));
    // ... while without DT_EDITCONTROL it stays, to be clipped.
    EXPECT_EQ(Layout("ab cd efg hi", DT_WORDBREAK, 50, 25).lines.size(), 3u);
}

TEST(DrawTextLayoutTest, LineBreaksTabsAndMeasuring) {
    EXPECT_EQ(Layout("a\r\nb\rc\nd", 0, 100).lines, (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(Layout("a\n", 0, 100).lines, Lines{"a"});
    EXPECT_EQ(Layout("", 0, 100).lines, Lines{""});
    // Tabs stop every tabWidth pixels from the line start.
    EXPECT_EQ(Layout("a\tb", DT_EXPANDTABS, 100).widths, std::vector<int>{42});
    EXPECT_EQ(Layout("abcd\tb", DT_EXPANDTABS, 100).widths, std::vector<int>{74});
    // Measuring ignores the ellipses and the height.
    EXPECT_EQ(Layout("abcdefgh", DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS, 50).widths,
              std::vector<int>{80});
    EXPECT_EQ(Layout("ab cd ef", DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL, 30, 5).lines.size(),
              3u);
}

} // namespace
