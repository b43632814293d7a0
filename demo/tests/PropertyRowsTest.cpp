// The rows the properties window lists for each kind of control.
#include "SampledeskFixture.h"

#include "propertylist/model/listitems/CListItem.h"
#include "propertylist/model/listitems/CListItems.h"

#include "platform/ole/convert/Conversions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sampledesk::test {

namespace {

using Rows = std::vector<std::string>;

struct RowCase {
    const char* tool;
    Rows rows;
};

class PropertyRowsTest : public SampledeskFixture, public ::testing::WithParamInterface<RowCase> {};

TEST_P(PropertyRowsTest, AControlGetsARowForEachListedMemberItHas) {
    Designer().CreateControl(GetParam().tool, 300, 300, 1200, 600, ole::Variant());
    Properties().ReloadProperties(ole::Ptr<ole::Object>(Designer().ControlList().back()));
    EXPECT_EQ(RowNames(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PropertyRowsTest,
    ::testing::Values(
        RowCase{"Label",
                {"Name", "Left", "Top", "Height", "Width", "BackColor", "ForeColor", "Caption"}},
        RowCase{"TextBox",
                {"Name", "Left", "Top", "Height", "Width", "BackColor", "ForeColor", "Text"}},
        RowCase{"Line", {"Name", "X1", "X2", "Y1", "Y2", "BorderWidth", "BorderColor"}},
        RowCase{"Shape",
                {"Name", "BorderWidth", "Left", "Top", "Height", "Width", "BorderColor",
                 "BackColor", "FillColor", "FillStyle"}}),
    [](const auto& info) { return std::string(info.param.tool); });

using FillStyleRowTest = SampledeskFixture;

TEST_F(FillStyleRowTest, OffersTheEightStylesInTheListEditor) {
    Designer().CreateControl("Shape", 300, 300, 1200, 600, ole::Variant());
    const auto shape = Designer().ControlList().back();
    Properties().ReloadProperties(ole::Ptr<ole::Object>(shape));
    const auto fillStyle = Property("FillStyle");
    ASSERT_TRUE(fillStyle);
    EXPECT_EQ(fillStyle->GetEditorType(), 9);
    const auto items = fillStyle->GetListItems();
    ASSERT_EQ(items->Count(), 8);
    EXPECT_EQ(items->Item(1)->GetText(), "0 - Solid");
    EXPECT_EQ(items->Item(8)->GetText(), "7 - Diagonal Cross");
    EXPECT_EQ(fillStyle->GetHelp(), "Returns/sets the fill style of a shape.");
}

} // namespace

} // namespace sampledesk::test
