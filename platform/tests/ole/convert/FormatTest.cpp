#include "platform/ole/convert/Format.h"

#include <gtest/gtest.h>

using namespace ole;

namespace {

const Variant kDate =
    Variant::FromDate(45000.0 + (18 * 3600 + 5 * 60 + 9) / 86400.0); // 3/15/2023 18:05:09

} // namespace

TEST(FormatTest, NamedNumberFormats) {
    EXPECT_EQ(Format(Variant(1234.5), "General Number"), "1234.5");
    EXPECT_EQ(Format(Variant(1234.5), "Currency"), "$1,234.50");
    EXPECT_EQ(Format(Variant(-1234.5), "currency"), "($1,234.50)");
    EXPECT_EQ(Format(Variant(1234.567), "Fixed"), "1234.57");
    EXPECT_EQ(Format(Variant(1234567.891), "Standard"), "1,234,567.89");
    EXPECT_EQ(Format(Variant(0.256), "Percent"), "25.60%");
    EXPECT_EQ(Format(Variant(12345.678), "Scientific"), "1.23E+04");
    EXPECT_EQ(Format(Variant(0.00012), "Scientific"), "1.20E-04");
    EXPECT_EQ(Format(Variant(3), "Yes/No"), "Yes");
    EXPECT_EQ(Format(Variant(0), "Yes/No"), "No");
    EXPECT_EQ(Format(Variant(true), "True/False"), "True");
    EXPECT_EQ(Format(Variant("0"), "On/Off"), "Off");
}

TEST(FormatTest, UserNumberFormats) {
    EXPECT_EQ(Format(Variant(5), "0.00"), "5.00");
    EXPECT_EQ(Format(Variant(5), "000"), "005");
    EXPECT_EQ(Format(Variant(0.5), "#.##"), ".5");
    EXPECT_EQ(Format(Variant(5), "#.##"), "5.");
    EXPECT_EQ(Format(Variant(1.25), "0.0#"), "1.25");
    EXPECT_EQ(Format(Variant(1.5), "0.0#"), "1.5");
    EXPECT_EQ(Format(Variant(2.5), "0"), "2"); // halves to even
    EXPECT_EQ(Format(Variant(3.5), "0"), "4");
    EXPECT_EQ(Format(Variant(1234567), "#,##0"), "1,234,567");
    EXPECT_EQ(Format(Variant(1234567), "#,##0,"), "1,235"); // scaled by a thousand
    EXPECT_EQ(Format(Variant(0.5), "0%"), "50%");
    EXPECT_EQ(Format(Variant(123456), "0.0E-00"), "1.2E05");
    EXPECT_EQ(Format(Variant(0.000123), "0.0e+0"), "1.2e-4");
    EXPECT_EQ(Format(Variant(5551234), "(000) 000-0000"), "(000) 555-1234");
    EXPECT_EQ(Format(Variant(-5), "$0.00"), "-$5.00");
    EXPECT_EQ(Format(Variant(7), "\"#\"0 \\k\\g"), "#7 kg");
    EXPECT_EQ(Format(Variant(-0.001), "0.00"), "0.00"); // no sign on a zero result
    EXPECT_EQ(Format(Variant("12.5"), "0.0"), "12.5");
    EXPECT_EQ(Format(Variant::FromCurrency(Currency{12345}), "0.00"), "1.23");
    EXPECT_EQ(Format(Variant(1e300), "#,##0").size(), 401u); // 301 digits, 100 separators
    EXPECT_EQ(Format(Variant(1e307), "0%"), "1E+307");       // beyond Double: standard text
}

TEST(FormatTest, SectionsForNegativeZeroAndNull) {
    const char* format = "0.0;(0.0);\"zero\";\"null\"";
    EXPECT_EQ(Format(Variant(1.5), format), "1.5");
    EXPECT_EQ(Format(Variant(-1.5), format), "(1.5)");
    EXPECT_EQ(Format(Variant(0), format), "zero");
    EXPECT_EQ(Format(Variant::Null(), format), "null");
    EXPECT_EQ(Format(Variant::Null(), "0.0"), "");
    EXPECT_EQ(Format(Variant(-2), "0;;\"z\""), "-2"); // an empty section stands for the first
    EXPECT_EQ(Format(Variant(0), "0;-0"), "0");
}

TEST(FormatTest, DateFormats) {
    EXPECT_EQ(Format(kDate, "General Date"), "3/15/2023 6:05:09 PM");
    EXPECT_EQ(Format(kDate, "Long Date"), "Wednesday, March 15, 2023");
    EXPECT_EQ(Format(kDate, "Medium Date"), "15-Mar-23");
    EXPECT_EQ(Format(kDate, "Short Date"), "3/15/2023");
    EXPECT_EQ(Format(kDate, "Long Time"), "6:05:09 PM");
    EXPECT_EQ(Format(kDate, "Medium Time"), "06:05 PM");
    EXPECT_EQ(Format(kDate, "Short Time"), "18:05");
    EXPECT_EQ(Format(kDate, "yyyy-mm-dd hh:nn:ss"), "2023-03-15 18:05:09");
    EXPECT_EQ(Format(kDate, "hh:mm"), "18:05"); // m after h is the minute
    EXPECT_EQ(Format(kDate, "mm:ss"), "05:09"); // and before s
    EXPECT_EQ(Format(kDate, "d/m/yy"), "15/3/23");
    EXPECT_EQ(Format(kDate, "ddd dd mmm mmmm"), "Wed 15 Mar March");
    EXPECT_EQ(Format(kDate, "h am/pm"), "6 pm");
    EXPECT_EQ(Format(kDate, "h A/P"), "6 P");
    EXPECT_EQ(Format(kDate, "\"Day\" d"), "Day 15");
    EXPECT_EQ(Format(Variant::FromDate(0.25), "h:nn AM/PM"), "6:00 AM");
    EXPECT_EQ(Format(Variant::FromDate(0.0), "hh AM/PM"), "12 AM");
    // Text and numbers that read as dates are formatted as dates.
    EXPECT_EQ(Format(Variant("Dec 31, 2020"), "yyyy/mm/dd"), "2020/12/31");
    EXPECT_EQ(Format(Variant(45000), "Short Date"), "3/15/2023");
}

TEST(FormatTest, TextFormatsAndFallbacks) {
    EXPECT_EQ(Format(Variant("abc"), "@@@@@"), "  abc");
    EXPECT_EQ(Format(Variant("abc"), "!@@@@@"), "abc  ");
    EXPECT_EQ(Format(Variant("abc"), "&&&&&"), "abc");
    EXPECT_EQ(Format(Variant("abcdef"), "@@@"), "abcdef");
    EXPECT_EQ(Format(Variant("5551234"), "@@@-@@@@"), "555-1234");
    EXPECT_EQ(Format(Variant("MiXed"), ">"), "MIXED");
    EXPECT_EQ(Format(Variant("MiXed"), "<"), "mixed");
    EXPECT_EQ(Format(Variant("\xC3\xA9t\xC3\xA9"), ">@@@@"), " \xC3\x89T\xC3\x89");
    EXPECT_EQ(Format(Variant(""), "@;\"(none)\""), "(none)");
    // What the subset cannot apply gives the standard text.
    EXPECT_EQ(Format(Variant(1.5)), "1.5");
    EXPECT_EQ(Format(Variant("abc"), "0.00"), "abc");
    EXPECT_EQ(Format(Variant("abc"), "Short Date"), "abc");
    EXPECT_EQ(Format(Variant(1e10), "yyyy"), "10000000000");
    EXPECT_EQ(Format(Variant(true)), "True");
    EXPECT_EQ(Format(Variant::Null()), "");
}
