#include "testsupport/ErrorOf.h"

#include "platform/ole/text/TextCompare.h"
#include "platform/ole/text/TextEdits.h"
#include "platform/ole/text/TextSlices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ole;
using testsupport::ErrorOf;

TEST(TextFunctionsTest, LengthsAndSlicesCountCodePoints) {
    const std::string text = "h\xC3\xA9llo \xF0\x9F\x98\x80!"; // "héllo 😀!"
    EXPECT_EQ(Len(text), 8);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Left(text, 2), "h\xC3\xA9");
    EXPECT_EQ(Left(text, 100), text);
    EXPECT_EQ(Left(text, 0), "");
    EXPECT_EQ(Right(text, 2), "\xF0\x9F\x98\x80!");
    EXPECT_EQ(Right(text, 100), text);
    EXPECT_EQ(Mid(text, 2, 3), "\xC3\xA9ll");
    EXPECT_EQ(Mid(text, 7), "\xF0\x9F\x98\x80!");
    EXPECT_EQ(Mid(text, 9), "");
    EXPECT_EQ(Mid(text, 8, 5), "!");
    // A malformed byte is one code point and survives slicing.
    EXPECT_EQ(Len("a\xFF"
                  "b"),
              3);
    EXPECT_EQ(Mid("a\xFF"
                  "b",
                  2, 1),
              "\xFF");
}

TEST(TextFunctionsTest, BadPositionsAndLengthsRaiseInvalidCall) {
    EXPECT_EQ(ErrorOf([] { Left("abc", -1); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([] { Right("abc", -1); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([] { Mid("abc", 0); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([] { Mid("abc", 1, -1); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([] { InStr(0, "abc", "a"); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([] { Replace("abc", "a", "b", 0); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([] { Split("abc", ",", -2); }), ERR_INVALID_CALL);
}

TEST(TextFunctionsTest, InStrFindsByCodePointInBothCompareModes) {
    EXPECT_EQ(InStr("a\xC3\x84"
                    "bc",
                    "bc"),
              3);
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
    EXPECT_EQ(InStr(7, "abcabc", "c"), 0);
    EXPECT_EQ(InStr("abc", "d"), 0);
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(InStr(3, "abc", ""), 3);
    EXPECT_EQ(InStr("", ""), 0);
    EXPECT_EQ(InStr("Hello", "LL"), 0);
    EXPECT_EQ(InStr("Hello", "LL", CompareMethod::Text), 3);
    EXPECT_EQ(InStr("stra\xC3\x9F"
                    "e \xC3\x84rger",
                    "\xC3\xA4", CompareMethod::Text),
              8);
}

TEST(TextFunctionsTest, TrimRemovesSpacesOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a  "), "a  ");
    EXPECT_EQ(RTrim("  a  "), "  a");
    EXPECT_EQ(Trim("\ta\n"), "\ta\n");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(CutAtNul(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(CutAtNul("abc"), "abc");
}

TEST(TextFunctionsTest, ReplaceSplitAndJoin) {
    EXPECT_EQ(Replace("a-b-c", "-", "+"), "a+b+c");
    EXPECT_EQ(Replace("a-b-c", "-", "+", 1, 1), "a+b-c");
    EXPECT_EQ(Replace("a-b-c", "-", "+", 3), "b+c"); // the text before start is dropped
    EXPECT_EQ(Replace("a-b-c", "-", "", 1), "abc");
    EXPECT_EQ(Replace("aAa", "a", "x", 1, -1, CompareMethod::Text), "xxx");
    EXPECT_EQ(Replace("aaa", "", "x"), "aaa");
    EXPECT_EQ(Replace("aaa", "aa", "a"), "aa");
    EXPECT_EQ(Replace("abc", "b", "x", 9), "");
    EXPECT_EQ(Replace("\xC3\xA9t\xC3\xA9", "\xC3\xA9", "e"), "ete");

    const std::vector<std::string> pieces = Split("a,b,,c", ",");
    EXPECT_EQ(pieces, (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(Split("a,b,c", ",", 2), (std::vector<std::string>{"a", "b,c"}));
    EXPECT_EQ(Split("a b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Split("aXbxc", "x", -1, CompareMethod::Text),
              (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(Split("", ",").empty());
    EXPECT_EQ(Split("abc", ""), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(Split("abc", ",", 0).size(), 0u);
    EXPECT_EQ(Join(pieces, "|"), "a|b||c");
    EXPECT_EQ(Join(std::vector<std::string>{"x", "y"}), "x y");
    EXPECT_EQ(Join(std::vector<std::string>{}), "");
}

TEST(TextFunctionsTest, StrCompBinaryIsByteOrderAndTextIgnoresCase) {
    EXPECT_EQ(StrComp("a", "b"), -1);
    EXPECT_EQ(StrComp("b", "a"), 1);
    EXPECT_EQ(StrComp("a", "a"), 0);
    EXPECT_EQ(StrComp("B", "a"), -1); // upper case sorts first in byte order
    EXPECT_EQ(StrComp("B", "a", CompareMethod::Text), 1);
    EXPECT_EQ(StrComp("ABC", "abc", CompareMethod::Text), 0);
    EXPECT_EQ(StrComp("ab", "abc"), -1);
    EXPECT_EQ(StrComp("\xC3\x84", "z"), 1); // Ä after z by code point
    EXPECT_EQ(StrComp("\xC3\x84", "\xC3\xA4", CompareMethod::Text), 0);
}
