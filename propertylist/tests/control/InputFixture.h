#pragma once

// The property list on a shown form, driven through the platform's injected mouse and keys.

#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"

#include <functional>
#include <string>
#include <vector>

namespace attrgrid {

// Registry entries only the built-in editors have.
struct InputTestAccess {
    static void RegisterBuiltin(ZAVeravuvuDudu& grid, const std::string& key,
                                const ole::Ptr<CEditor>& editor) {
        grid.m_Editors->Append(ole::Variant(ole::Ptr<ole::Object>(editor)), key);
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
        if (m_cookie)
            ole::DisconnectEvents(GridObject(), m_cookie);
        m_sink = nullptr;
        GridFixture::TearDown();
    }

    Z& ShowGrid(const win::RECT& bounds = kDefaultBounds) {
        HostGrid(HostMode::User, nullptr, bounds);
        Host().Show();
        return Grid();
    }
    // Properties "P<n>" with values n, in `category` when one is given.
    void AddProperties(int count, const std::string& category = {}) {
        auto properties = Grid().GetProperties();
        for (int i = 0; i < count; ++i) {
            const auto n = properties->Count();
            properties->Add("P" + std::to_string(n), ole::Variant(n), category);
        }
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
    // Rows the grid shows at once below its headers.
    int32_t Page() {
        win::RECT rc{};
        win::GetClientRect(Grid().GridWnd(), &rc);
        return (rc.bottom - Grid().HeaderHeightPixels()) / Grid().RowHeight();
    }
    win::POINT NamePoint(const ole::Ptr<CNode>& row, int32_t x = 30) {
        const win::RECT r = row->RowRect();
        return {r.left + x, (r.top + r.bottom) / 2};
    }
    void ClickAt(win::POINT pt) {
        win::test::click(Grid().GridWnd(), pt);
        win::test::pump();
    }
    void ClickRow(const std::string& name, int32_t x = 30) { ClickAt(NamePoint(Row(name), x)); }
    void DoubleClickRow(const std::string& name, int32_t x = 30) {
        win::test::doubleClick(Grid().GridWnd(), NamePoint(Row(name), x));
        win::test::pump();
    }
    // Keys go to the focused grid, as after a click on it.
    void Press(int vk) {
        if (win::GetFocus() != Grid().GridWnd())
            win::SetFocus(Grid().GridWnd());
        win::test::keyPress(vk);
        win::test::pump();
    }
    // The host's handlers for the control's events, by event id.
    void OnEvent(ole::DISPID id, std::function<void(std::span<ole::Variant>)> handler) {
        if (!m_sink) {
            m_sink = ole::EventSink::Create();
            m_cookie = ole::ConnectEvents(GridObject(), m_sink);
        }
        m_sink->On(id, std::move(handler));
    }
    // A test editor opened over the selected row, as starting an edit does.
    ole::Ptr<TestEditor> OpenTestEditor() {
        auto editor = TestEditor::Create();
        GridTestAccess::OpenEditor(Grid(), editor, Grid().SelectedNode());
        return editor;
    }

private:
    ole::Ptr<ole::EventSink> m_sink;
    uint32_t m_cookie = 0;
};

} // namespace attrgrid::test
