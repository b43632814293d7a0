#pragma once

// The list's own editors on a shown list: rows added with an editor type and parameters, opened
// as the selection or by a click, the open editor's windows found as a user sees them, and the
// host's ValidateValue values and DisplayError numbers recorded.

#include "GridFixture.h"

#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace attrgrid::test {

class BuiltinEditorFixture : public GridFixture {
protected:
    using Params = std::vector<std::pair<std::string, std::string>>;

    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
    }
    void TearDown() override {
        validated.clear();
        GridFixture::TearDown();
    }

    // Shows the list and starts recording what the host hears.
    ZAVeravuvuDudu& Show() {
        ShowGrid();
        OnEvent(ZAVeravuvuDudu::EvValidateValue, [this](std::span<ole::Variant> args) {
            validated.push_back(args[1]);
            args[2].Deref() = ole::Variant(cancelValidation);
        });
        OnEvent(ZAVeravuvuDudu::EvDisplayError,
                [this](std::span<ole::Variant> args) { errors.push_back(args[1].AsI4()); });
        return Grid();
    }

    ole::Ptr<CProperty> Add(const std::string& name, ole::Variant value, int32_t type,
                            const Params& params = {}) {
        std::string key;
        auto property =
            Grid().GetProperties()->Add(name, std::move(value), "", key, nullptr, false, type);
        for (const auto& [param, text] : params)
            property->SetEditorParam(param, text);
        return property;
    }
    // A row named after its position.
    ole::Ptr<CProperty> AddRow(ole::Variant value, int32_t type, const Params& params = {}) {
        return Add("R" + std::to_string(Grid().GetProperties()->Count() + 1), std::move(value),
                   type, params);
    }

    // Makes the row the selection afresh, which opens its editor.
    template <class Editor = CEditor>
    Editor& Open(const ole::Ptr<CProperty>& property) {
        Grid().SelectNode(nullptr);
        Grid().SetSelectedProperty(property);
        auto* editor = dynamic_cast<Editor*>(Grid().ActiveEditor().Get());
        if (!editor)
            throw std::runtime_error("the row did not open under the expected editor");
        return *editor;
    }
    ole::Ptr<CNode> Row(const ole::Ptr<CProperty>& property) {
        return Grid().ActiveNodes()->ItemByKey(property->GetInternalKey());
    }
    // A click on the row's value cell, or with `name` on its name.
    void ClickCell(const ole::Ptr<CProperty>& property, bool name = false) {
        const win::RECT cell = Row(property)->ValueRect();
        const int32_t x = name ? cell.left / 2 : cell.left + 5;
        win::test::click(Grid().GridWnd(), {x, (cell.top + cell.bottom) / 2});
        win::test::pump();
        // The next click is a click of its own, not the second half of a double click.
        win::test::advanceTime(1000);
    }

    // The open editor's window (none when no edit is open).
    win::HWND EditorWindow() {
        const auto editor = Grid().ActiveEditor();
        return win::HWND::FromValue(static_cast<uint32_t>(editor ? editor->hwnd() : 0));
    }
    // The open editor's window in the grid's client pixels.
    win::RECT EditorRect() {
        win::RECT rc{};
        win::GetWindowRect(EditorWindow(), &rc);
        win::MapWindowPoints(win::HWND(), Grid().GridWnd(), reinterpret_cast<win::POINT*>(&rc), 2);
        return rc;
    }
    // The open value-box editor's "..." button, and a click on it.
    win::HWND BrowseButton() { return FindChild(EditorWindow(), "Button"); }
    void ClickBrowse() {
        const win::HWND button = BrowseButton();
        win::RECT rc{};
        win::GetClientRect(button, &rc);
        win::test::click(button, {rc.right / 2, rc.bottom / 2});
        win::test::pump();
    }
    // A user's pick in the open list editor's drop-down list.
    void PickInList(int index) {
        const win::HWND combo = FindChild(EditorWindow(), "ComboBox");
        ASSERT_TRUE(combo);
        win::RECT client{};
        win::GetClientRect(combo, &client);
        win::test::click(combo, {client.right - 8, client.bottom / 2});
        win::test::pump();
        const win::HWND list = win::test::DroppedList();
        ASSERT_TRUE(list);
        win::test::clickListItem(list, index);
        win::test::pump();
    }
    // Keys pressed on the open editor's window.
    void PressOnEditor(int vk) {
        win::SetFocus(EditorWindow());
        win::test::keyPress(vk);
        win::test::pump();
    }

    static std::string TextOf(win::HWND window) {
        char text[256] = {};
        win::GetWindowTextA(window, text, sizeof text);
        return text;
    }
    // The first window of the class below `parent`, at any depth.
    static win::HWND FindChild(win::HWND parent, std::string_view className) {
        struct Search {
            std::string_view name;
            win::HWND found;
        } search{className, {}};
        win::EnumChildWindows(
            parent,
            [](win::HWND hwnd, win::LPARAM out) {
                auto* s = reinterpret_cast<Search*>(out);
                char name[32] = {};
                win::GetClassNameA(hwnd, name, sizeof name);
                if (name == s->name && !s->found)
                    s->found = hwnd;
                return win::TRUE;
            },
            reinterpret_cast<win::LPARAM>(&search));
        return search.found;
    }

    std::vector<ole::Variant> validated;
    std::vector<int32_t> errors;
    // What the host answers in ValidateValue.
    bool cancelValidation = false;
};

} // namespace attrgrid::test
