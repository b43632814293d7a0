#include "platform/ole/convert/NumericGrammar.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ole;

TEST(NumericGrammarTest, AcceptsSignedDecimalsExponentsAndRadixForms) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case c : {Case{"12", 12}, Case{" -1.5e3 ", -1500}, Case{"&HFF", 255}, Case{"+7", 7},
                         Case{"5.", 5}, Case{".5", 0.5}, Case{"1D3", 1000}, Case{"2.5E-2", 0.025},
                         Case{"1e+2", 100}, Case{"&h1f", 31}, Case{"&O17", 15}, Case{"007", 7}}) {
        const NumericText parsed = ParseNumericText(c.text);
        EXPECT_EQ(parsed.status, NumericStatus::Ok) << c.text;
        EXPECT_DOUBLE_EQ(parsed.value, c.value) << c.text;
        EXPECT_TRUE(IsNumericText(c.text)) << c.text;
    }
}

TEST(NumericGrammarTest, RejectsSymbolsSeparatorsBlanksAndIncompleteForms) {
    for (const char* text :
         {"1,000", "$5",    "1e",    ".",    "",    "   ",      "- 5", "1 000", "1.2.3",
          "e5",    "\t1",   "1\n",   "&H",   "&HG", "&O8",      "+-1", "1e+",   "--1",
          "12abc", "&H FF", "-&HFF", "1.5%", "(5)", "Infinity", "NaN", "0x10"}) {
        EXPECT_EQ(ParseNumericText(text).status, NumericStatus::NotNumeric) << text;
        EXPECT_FALSE(IsNumericText(text)) << text;
    }
}

TEST(NumericGrammarTest, RadixValuesAreThirtyTwoBitTwosComplement) {
    EXPECT_EQ(ParseNumericText("&HFFFF").value, 65535);
    EXPECT_EQ(ParseNumericText("&HFFFFFFFF").value, -1);
    EXPECT_EQ(ParseNumericText("&H80000000").value, -2147483648.0);
    EXPECT_EQ(ParseNumericText("&O37777777777").value, -1);
    EXPECT_EQ(ParseNumericText("&H000000FF").value, 255);
    // At most 8 hex or 11 octal digits, and the value within 32 bits.
    EXPECT_FALSE(IsNumericText("&H0000000FF"));
    EXPECT_FALSE(IsNumericText("&H100000000"));
    EXPECT_FALSE(IsNumericText("&O40000000000"));
    EXPECT_FALSE(IsNumericText("&O000000000017"));
    EXPECT_EQ(ParseNumericText("1e400").status, NumericStatus::Overflow);
    EXPECT_FALSE(IsNumericText("1e400"));
    // Underflow is just a tiny number.
    EXPECT_EQ(ParseNumericText("1e-400").status, NumericStatus::Ok);
}

TEST(NumericGrammarTest, ValReadsTheLongestNumericPrefixAndNeverFails) {
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("  -3.5e2x"), -350);
    EXPECT_EQ(Val("\t\n 42"), 42);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(Val("1e+"), 1);
    EXPECT_EQ(Val("2.5.1"), 2.5);
    EXPECT_EQ(Val("&H1Fzz"), 31);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1);
    EXPECT_EQ(Val("&H1FFFFFFFF"), -1); // wraps past 32 bits
    EXPECT_EQ(Val("1,000"), 1);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("-1e999"), -std::numeric_limits<double>::max());
}
