#include "platform/base/CaseTable.h"
#include "platform/base/TextCase.h"
#include "platform/ole/text/CaseMapping.h"
#include "platform/ole/text/TextSlices.h"

#include <gtest/gtest.h>

using namespace ole;

TEST(UnicodeCaseTest, SimpleMappingBeyondAscii) {
    EXPECT_EQ(UCase("abc xyz 09"), "ABC XYZ 09");
    EXPECT_EQ(LCase("ABC XYZ 09"), "abc xyz 09");
    EXPECT_EQ(UCase("\xC3\xA9t\xC3\xA9"), "\xC3\x89T\xC3\x89");               // été
    EXPECT_EQ(LCase("\xD0\x9F\xD0\xA0\xD0\x98"), "\xD0\xBF\xD1\x80\xD0\xB8"); // ПРИ -> при
    EXPECT_EQ(UCase("\xCF\x83\xCF\x82"), "\xCE\xA3\xCE\xA3");                 // σς -> ΣΣ
    EXPECT_EQ(UCase("\xF0\x90\x90\xA8"), "\xF0\x90\x90\x80");                 // Deseret, 4 bytes
    // Simple mapping never changes the length: ß has no one-character upper case.
    EXPECT_EQ(UCase("stra\xC3\x9F"
                    "e"),
              "STRA\xC3\x9F"
              "E");
    EXPECT_EQ(Len(UCase("stra\xC3\x9F"
                        "e")),
              6);
    // Locale-independent: dotless and dotted I map as the Unicode data says, not as Turkish.
    EXPECT_EQ(UCase("i"), "I");
    EXPECT_EQ(LCase("I"), "i");
    EXPECT_EQ(LCase("\xC4\xB0"), "i");
    // Malformed bytes pass through.
    EXPECT_EQ(UCase("a\xFF"
                    "b"),
              "A\xFF"
              "B");
}

TEST(UnicodeCaseTest, KeyComparisonFoldsWithTheSameTable) {
    EXPECT_TRUE(base::EqualsNoCase("ForeColor", "FORECOLOR"));
    EXPECT_TRUE(base::EqualsNoCase("\xC3\x84pfel", "\xC3\xA4PFEL"));
    EXPECT_TRUE(base::EqualsNoCase("\xCE\xA3", "\xCF\x82")); // Σ and final ς
    EXPECT_TRUE(base::EqualsNoCase("\xE2\x84\xAA", "k"));    // Kelvin sign
    EXPECT_FALSE(base::EqualsNoCase("stra\xC3\x9F"
                                    "e",
                                    "STRASSE"));
    EXPECT_FALSE(base::EqualsNoCase("a", "b"));
    // An ASCII stretch, then the full folding from the first byte beyond it.
    EXPECT_TRUE(base::EqualsNoCase("Item_\xE2\x84\xAA", "ITEM_k"));
    EXPECT_FALSE(base::EqualsNoCase("Item_\xE2\x84\xAA", "ITEM_k "));
    EXPECT_FALSE(base::EqualsNoCase("Size", "Size "));
    EXPECT_FALSE(base::EqualsNoCase("[", "{")); // differ by the ASCII case bit, yet not letters
    EXPECT_TRUE(base::LessNoCase{}("\xC3\xA4", "\xC3\x9C")); // ä < Ü
    // Order by folded code point: letters fold down before they compare with what lies between
    // the two cases, a prefix comes first, and a malformed byte after every code point.
    EXPECT_TRUE(base::LessNoCase{}("[", "A"));
    EXPECT_FALSE(base::LessNoCase{}("a", "["));
    EXPECT_TRUE(base::LessNoCase{}("Ab", "aBC"));
    EXPECT_FALSE(base::LessNoCase{}("aBC", "Ab"));
    EXPECT_FALSE(base::LessNoCase{}("ITEM_\xE2\x84\xAA", "Item_k"));
    EXPECT_FALSE(base::LessNoCase{}("Item_k", "ITEM_\xE2\x84\xAA"));
    EXPECT_TRUE(base::LessNoCase{}("Item_\xE2\x84\xAA", "ITEM_l"));
    EXPECT_TRUE(base::LessNoCase{}("a\xC3\xA4", "A\xFF"));
    EXPECT_FALSE(base::LessNoCase{}("A\xFF", "a\xC3\xA4"));
    // Every code point that has an upper case folds like it.
    for (char32_t c = 0; c < 0x20000; ++c) {
        const char32_t upper = base::SimpleUpper(c);
        if (upper != c && base::SimpleLower(upper) == c) {
            ASSERT_EQ(base::SimpleFold(c), base::SimpleFold(upper))
                << std::hex << static_cast<uint32_t>(c);
        }
    }
}

TEST(UnicodeCaseTest, TableIsSortedForItsBinarySearch) {
    const auto table = base::CaseTable();
    ASSERT_GT(table.size(), 1000u);
    for (size_t i = 1; i < table.size(); ++i) {
        ASSERT_LT(table[i - 1].code, table[i].code) << i;
    }
    EXPECT_EQ(base::SimpleUpper(table.back().code), table.back().upper);
    EXPECT_EQ(base::SimpleLower(table.front().code), table.front().lower);
}
