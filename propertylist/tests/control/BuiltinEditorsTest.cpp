#include "GridFixture.h"
#include "GridTestAccess.h"

#include "propertylist/editors/CFontEditor.h"

#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/font/Font.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class BuiltinEditorsTest : public GridFixture {
protected:
    // A value each editor type opens on.
    static std::vector<std::pair<int32_t, ole::Variant>> Rows() {
        return {
            {shared::ksCustomDialog, ole::Variant("x")},
            {shared::ksTextEditor, ole::Variant("x")},
            {shared::KSNumberEditor, ole::Variant(1)},
            {shared::ksBooleanEditor, ole::Variant(true)},
            {shared::KSFontEditor, ole::Variant(ole::Font::Create())},
            {shared::KSDateEditor, ole::Variant("1/2/2024")},
            {shared::ksFileEditor, ole::Variant("a.txt")},
            {shared::KSDirectoryEditor, ole::Variant("/tmp")},
            {shared::KSListEditor, ole::Variant(1)},
            {shared::KSColorEditor, ole::Variant(255)},
            {shared::ksPictureEditor, ole::Variant(ole::Ptr<ole::Object>())},
        };
    }
    ole::Ptr<CProperty> Add(int32_t type, ole::Variant value) {
        std::string key;
        return Grid().GetProperties()->Add("T" + std::to_string(type), std::move(value), "", key,
                                           nullptr, false, type);
    }
};

TEST_F(BuiltinEditorsTest, TenEditorsServeElevenTypesAndEachRowOpensItsOwn) {
    Z& grid = ShowGrid();
    const auto editors = GridTestAccess::Editors(grid);
    std::set<ole::Object*> distinct;
    for (int32_t i = 1; i <= editors->Count(); ++i)
        distinct.insert(editors->ItemAt(i).AsObject().Get());
    EXPECT_EQ(editors->Count(), 11);
    EXPECT_EQ(distinct.size(), 10U);

    for (const auto& [type, value] : Rows()) {
        SCOPED_TRACE(type);
        auto row = Add(type, value);
        grid.SelectNode(nullptr);
        grid.SetSelectedProperty(row);
        const std::string key = "INTERNAL_" + std::to_string(type);
        ASSERT_TRUE(grid.ActiveEditor());
        EXPECT_EQ(static_cast<ole::Object*>(grid.ActiveEditor().Get()),
                  editors->ItemByKey(key).AsObject().Get());
    }
    EXPECT_TRUE(dynamic_cast<CFontEditor*>(editors->ItemByKey("INTERNAL_5").AsObject().Get()));
}

// The fixture's teardown checks that every window, GDI object, hook and object is gone.
TEST_F(BuiltinEditorsTest, UnloadingWithAnyEditorOpenLeavesNothingBehind) {
    for (const auto& [type, value] : Rows()) {
        SCOPED_TRACE(type);
        Z& grid = ShowGrid();
        auto row = Add(type, value);
        grid.SetSelectedProperty(row);
        ASSERT_TRUE(grid.ActiveEditor());
        Unload();
    }
}

} // namespace
} // namespace attrgrid::test
