#pragma once

// The property list on a shown form, driven through the platform's injected mouse and keys.

#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"
#include "shared/util/EditorValue.h"

#include <functional>
#include <string>
#include <vector>

namespace attrgrid {

// Registry entries only the built-in editors have; the given editor takes the built-in one's place.
struct InputTestAccess {
    static void RegisterBuiltin(ZAVeravuvuDudu& grid, const std::string& key,
                                const ole::Ptr<CEditor>& editor) {
        if (grid.m_Editors->ContainsKey(key))
            grid.m_Editors->RemoveByKey(key);
        grid.m_Editors->Append(ole::Variant(ole::Ptr<ole::Object>(editor)), key);
    }
    static ole::Ptr<CNode> HitTest(const ZAVeravuvuDudu& grid, int32_t x, int32_t y) {
        return grid.HitTestNode(x, y);
    }
};

} // namespace attrgrid

namespace attrgrid::test {

class InputFixture : public GridFixture {
protected:
    using Z = ZAVeravuvuDudu;

    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
    }
    void TearDown() override {
        forms::MessageBoxResponder().Reset();
        GridFixture::TearDown();
    }

    ole::Ptr<CNode> Row(const std::string& name) {
        ole::Ptr<CNode> found;
        Grid().ForEachVisibleRow([&](const ole::Ptr<CNode>& row) {
            if (row->Name() == name)
                found = row;
            return !found;
        });
        return found;
    }
    std::string SelectedName() {
        const auto row = Grid().SelectedNode();
        return row ? row->Name() : std::string("(none)");
    }
    // The named row's top, worked out from the rows' order, the header and the scroll position
    // rather than from the row's own rectangle: a layout fault cannot move a click or an
    // expected position along with the row.
    int32_t RowTop(const std::string& name) {
        int32_t index = 0;
        bool found = false;
        Grid().ForEachVisibleRow([&](const ole::Ptr<CNode>& row) {
            found = row->Name() == name;
            index += found ? 0 : 1;
            return !found;
        });
        EXPECT_TRUE(found) << "no row " << name;
        const int32_t scroll = Grid().ScrollBarShown() ? Grid().ScrollBar()->GetValue() : 0;
        const int32_t header =
            Grid().GetHeaders() != ksHeadersNone ? Grid().HeaderHeightPixels() : 0;
        return header + (index - scroll) * Grid().RowHeight();
    }
    win::POINT NamePoint(const std::string& name, int32_t x = 30) {
        return {x, RowTop(name) + Grid().RowHeight() / 2};
    }
    void ClickAt(win::POINT pt) {
        win::test::click(Grid().GridWnd(), pt);
        win::test::pump();
    }
    void ClickRow(const std::string& name, int32_t x = 30) { ClickAt(NamePoint(name, x)); }
    void DoubleClickRow(const std::string& name, int32_t x = 30) {
        win::test::doubleClick(Grid().GridWnd(), NamePoint(name, x));
        win::test::pump();
    }
    // Keys go to the focused grid, as after a click on it.
    void Press(int vk) {
        if (win::GetFocus() != Grid().GridWnd())
            win::SetFocus(Grid().GridWnd());
        win::test::keyPress(vk);
        win::test::pump();
    }
    // The grid's pixels down a line through both columns, or across the whole width.
    std::vector<win::COLORREF> Column(bool everyX = false) {
        std::vector<win::COLORREF> pixels;
        const win::HDC hdc = win::GetDC(Grid().GridWnd());
        win::RECT rc{};
        win::GetClientRect(Grid().GridWnd(), &rc);
        std::vector<int> xs{8, 12, 16, 160, 164};
        if (everyX) {
            xs.clear();
            for (int x = 0; x < rc.right; ++x)
                xs.push_back(x);
        }
        for (int y = 0; y < rc.bottom; ++y) {
            for (const int x : xs)
                pixels.push_back(win::GetPixel(hdc, x, y));
        }
        win::ReleaseDC(Grid().GridWnd(), hdc);
        return pixels;
    }
    // What the grid shows now is what a full repaint draws. The pixels are read before the
    // repaint: as two arguments of one comparison the repaint could run first.
    void ExpectAsRepainted(bool everyX = false) {
        const std::vector<win::COLORREF> shown = Column(everyX);
        win::RedrawWindow(Grid().GridWnd(), nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
        win::test::pump();
        EXPECT_EQ(shown, Column(everyX));
    }

    // Every property so far edits with one test editor, registered under "T".
    ole::Ptr<TestEditor> UseTestEditor(win::HWND window = {}) {
        auto editor = TestEditor::Create(window);
        Grid().UnRegisterEditor("T");
        EXPECT_TRUE(Grid().RegisterEditor("T", editor));
        auto properties = Grid().GetProperties();
        for (int32_t i = 1; i <= properties->Count(); ++i) {
            const auto property = properties->Item(ole::Variant(i));
            property->LetEditorType(shared::KSCustomEditor);
            property->LetEditorKey("T");
        }
        return editor;
    }
    // A test editor opened over the selected row, as starting an edit does.
    ole::Ptr<TestEditor> OpenTestEditor() {
        auto editor = TestEditor::Create();
        GridTestAccess::OpenEditor(Grid(), editor, Grid().SelectedNode());
        return editor;
    }
};

} // namespace attrgrid::test
