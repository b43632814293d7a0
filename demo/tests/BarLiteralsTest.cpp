// The main window's two bars come up from their stored settings and write the same back.
#include "SampledeskFixture.h"

#include "demo/forms/BarLiterals.h"
#include "demo/forms/BarPictures.h"

#include "buttonbar/model/CGroup.h"

#include "platform/forms/test/TestHost.h"
#include "platform/ole/bag/BagEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sampledesk::test {

namespace {

using BarLiteralsTest = SampledeskFixture;

// Every key of the literal comes back in its order with its value; "Font" may stay out when it
// is what the window's ambient font already is.
void ExpectWrittenBack(const ole::Ptr<forms::Control>& site,
                       const std::vector<forms::PropertyLiteral>& literal) {
    const auto saved = forms::test::TestHost::Save(*ole::PtrCast<forms::Extender>(site));
    std::vector<std::string> expected;
    for (const auto& entry : literal)
        if (entry.name != "Font" || saved->Entries().Find("Font"))
            expected.push_back(entry.name);
    std::vector<std::string> written;
    for (const auto& [name, value] : saved->Entries().Entries())
        written.push_back(name);
    EXPECT_EQ(written, expected);

    for (const auto& entry : literal) {
        const ole::Variant* value = saved->Entries().Find(entry.name);
        if (!value)
            continue;
        if (const auto* picture = std::get_if<forms::PictureLiteral>(&entry.value)) {
            const auto stored = ole::PtrCast<ole::Picture>(value->AsObject());
            ASSERT_TRUE(stored) << entry.name;
            EXPECT_TRUE(stored->SameImage(*BarPicture(picture->resourceId))) << entry.name;
        } else if (const auto* plain = std::get_if<ole::Variant>(&entry.value)) {
            EXPECT_TRUE(ole::BagEntries::MatchesDefault(*value, *plain)) << entry.name;
        }
    }
}

TEST_F(BarLiteralsTest, BothBarsWriteBackTheirStoredSettings) {
    ExpectWrittenBack(program->Main()->m_MenuToolbar(), MenuToolbarBag());
    ExpectWrittenBack(program->Main()->m_ToolBox(), ToolBoxBag());
}

// Absent keys take their reading defaults, some of them the value of another key just read.
TEST_F(BarLiteralsTest, TheMenuToolbarsAbsentKeysFollowTheirDefaults) {
    const auto site = ole::PtrCast<forms::Extender>(program->Main()->m_MenuToolbar());
    const auto& bar = *ole::PtrCast<shelfstrip::KSButtonBar>(site->Inner());
    constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);
    EXPECT_EQ(bar.GetSelectedButtonBackColor(), kButtonFace);
    EXPECT_EQ(bar.GetButtonGradientColor(), kButtonFace);
    EXPECT_EQ(bar.GetGroupGradientColor(), kButtonFace);
    EXPECT_EQ(bar.GetButtonLayout(), 1);
    EXPECT_FALSE(bar.GetShowCaptionBar());
    EXPECT_EQ(bar.GetActiveGroup()->GetCaption(), "");
}

} // namespace

} // namespace sampledesk::test
