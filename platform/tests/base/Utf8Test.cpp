#include "platform/base/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8Test, BoundedCopiesNeverSplitASequenceAndAlwaysTerminate) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC"; // a, e-acute (2 bytes), euro (3 bytes)
    char buffer[8];
    EXPECT_EQ(base::CopyUtf8ToBuffer(text, buffer, sizeof buffer), 6u);
    EXPECT_STREQ(buffer, text.c_str());
    EXPECT_EQ(base::CopyUtf8ToBuffer(text, buffer, 6), 3u) << "the euro sign does not fit";
    EXPECT_STREQ(buffer, "a\xC3\xA9");
    EXPECT_EQ(base::CopyUtf8ToBuffer(text, buffer, 3), 1u) << "nor does half an e-acute";
    EXPECT_STREQ(buffer, "a");
    EXPECT_EQ(base::CopyUtf8ToBuffer(text, buffer, 1), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(base::CopyUtf8ToBuffer(text, nullptr, 8), 0u);
    EXPECT_EQ(base::Utf8PrefixLength(text, 100), text.size());
}

TEST(Utf8Test, ValidTextIsEveryFormThatDecodes) {
    EXPECT_TRUE(base::IsValidUtf8(""));
    EXPECT_TRUE(base::IsValidUtf8("a\xC3\xA9\xE2\x82\xAC\xF4\x8F\xBF\xBF"));
    for (const char* bad : {"\x80", "a\xC3", "\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xFF"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(base::IsValidUtf8(bad));
    }
}
