#include "platform/ole/object/Guid.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

TEST(GuidTest, ParsesOnlyTheExactShapeAndReadsNothingBeyondTheText) {
    const auto guid = ole::Guid::Parse("{0B6E2F71-3A5C-4D8E-9F10-a2b3c4d5e6f0}");
    ASSERT_TRUE(guid);
    EXPECT_EQ(guid->ToString(), "{0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6F0}");
    EXPECT_EQ(ole::Guid::Parse("0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6F0"), guid);

    // A fifth dash where a digit belongs, with a digit just past the end of the viewed text.
    const std::string backing = "00000000-0000-0000-0000-00-0000000001";
    EXPECT_FALSE(ole::Guid::Parse(std::string_view(backing).substr(0, 36)));
    for (const char* bad :
         {"0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6F", "0B6E2F71-3A5C-4D8E-9F10+A2B3C4D5E6F0",
          "0B6E2F7--3A5C-4D8E-9F10-A2B3C4D5E6F0", "{0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6F0",
          "0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6G0"}) {
        EXPECT_FALSE(ole::Guid::Parse(bad)) << bad;
    }
}

} // namespace
