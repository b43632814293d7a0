#include "GridFixture.h"
#include "GridTestAccess.h"

#include "propertylist/editors/CFontEditor.h"

#include "shared/subclass/SubclassWnd.h"

#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/font/Font.h"
#include "platform/win/Win.h"

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

// In the designer as in a running program.
TEST_F(BuiltinEditorsTest, TenEditorsServeElevenTypesAndEachRowOpensItsOwn) {
    for (const HostMode mode : {HostMode::User, HostMode::Design}) {
        SCOPED_TRACE(mode == HostMode::User ? "user" : "design");
        Z& grid = ShowGrid(kDefaultBounds, mode);
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
        Unload();
    }
}

// Every window, GDI object, hook and object goes with the list, whichever editor is open, in the
// designer too.
TEST_F(BuiltinEditorsTest, UnloadingWithAnyEditorOpenLeavesNothingBehind) {
    const auto rows = Rows();
    const LiveCounts before = LiveCounts::Now();
    for (const HostMode mode : {HostMode::User, HostMode::Design}) {
        for (const auto& [type, value] : rows) {
            SCOPED_TRACE(type);
            Z& grid = ShowGrid(kDefaultBounds, mode);
            grid.SetSelectedProperty(Add(type, value));
            ASSERT_TRUE(grid.ActiveEditor());
            Unload();
            EXPECT_EQ(LiveCounts::Now(), before);
        }
    }
}

// The grid window destroyed while the editors live on: their windows go with it and are unhooked
// as they go, so the editors, released afterwards, find nothing left to free.
TEST_F(BuiltinEditorsTest, TheGridWindowGoingFirstLeavesTheEditorsNothingToFree) {
    const size_t subclassedBefore = shared::SubclassWnd::Module().RecordCount();
    Z& grid = ShowGrid();
    grid.SetSelectedProperty(Add(shared::KSFontEditor, ole::Variant(ole::Font::Create())));
    ASSERT_TRUE(grid.ActiveEditor());
    std::vector<ole::Ptr<ole::Object>> editors;
    std::vector<win::HWND> hooked;
    for (const auto& item : GridTestAccess::Editors(grid)->Snapshot()) {
        editors.push_back(item.AsObject());
        const auto window = win::HWND::FromValue(
            static_cast<uint32_t>(ole::PtrCast<CEditor>(editors.back())->hwnd()));
        for (win::HWND w = window; w; w = win::GetWindow(w, win::GW_CHILD)) {
            if (shared::SubclassWnd::Module().Record(w))
                hooked.push_back(w);
        }
    }
    // The date picker, five value boxes and the picture editor's field.
    EXPECT_EQ(hooked.size(), 7U);

    win::DestroyWindow(grid.GridWnd());
    for (const win::HWND window : hooked) {
        EXPECT_FALSE(win::IsWindow(window));
        EXPECT_FALSE(shared::SubclassWnd::Module().Record(window));
    }
    editors.clear();
    grid.RaiseTerminate();
    Unload();
    EXPECT_EQ(shared::SubclassWnd::Module().RecordCount(), subclassedBefore);
    EXPECT_EQ(LiveCounts::Now(), Baseline());
}

} // namespace
} // namespace attrgrid::test
