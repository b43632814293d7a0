#pragma once

#include "platform/forms/dialogs/CommonDialogError.h"
#include "platform/forms/dialogs/DialogWindow.h"
#include "platform/tests/forms/runtime/RuntimeFixture.h"
#include "platform/win/controls/ControlConstants.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include <unistd.h>

namespace dialogtest {

using namespace win;

// A real folder for a test to browse, removed again afterwards: the folders and files named
// (a name with "/" makes a file inside a folder).
class ScratchFolder {
public:
    ScratchFolder(std::initializer_list<const char*> folders,
                  std::initializer_list<const char*> files)
        : m_root(std::filesystem::temp_directory_path() /
                 ("dialogs-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root);
        for (const char* folder : folders) {
            std::filesystem::create_directories(m_root / folder);
        }
        for (const char* file : files) {
            std::ofstream(m_root / file) << "x";
        }
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_root); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_root; }
    std::string operator/(std::string_view name) const { return (m_root / name).string(); }

private:
    std::filesystem::path m_root;
};

// The runtime fixture plus what every common dialog test needs: the dialog on screen, and input a
// person would give to it from inside its loop.
class DialogTest : public runtimetest::RuntimeTest {
protected:
    // The dialog window that is active while a responder runs.
    static HWND OpenDialog() {
        const HWND active = GetActiveWindow();
        return forms::DialogWindow::FromHwnd(active) != nullptr ? active : HWND{};
    }

    // Answers nothing itself but does `act` (input a person would give) from inside the
    // dialog's loop, once.
    template <class Responder>
    static void ActOnce(Responder& responder, std::function<void()> act) {
        responder.SetFunction([act = std::move(act)](const typename Responder::RequestType&) {
            act();
            return std::optional<typename Responder::AnswerType>();
        });
    }

    // Clicks the middle of a control of the open dialog, after checking it is what lies there.
    static void ClickItem(int id) {
        const HWND item = GetDlgItem(OpenDialog(), id);
        ASSERT_TRUE(item) << id;
        RECT rect;
        GetClientRect(item, &rect);
        POINT middle{rect.right / 2, rect.bottom / 2};
        POINT screen = middle;
        ClientToScreen(item, &screen);
        ASSERT_EQ(WindowFromPoint(screen), item) << id;
        test::click(item, middle);
        test::pump();
    }

    static void Press(int vk, test::Modifiers modifiers = test::Modifiers::None) {
        test::keyPress(vk, modifiers);
        test::pump();
    }

    static void Type(std::string_view text) {
        test::typeText(text);
        test::pump();
    }

    // Opens a combo box of the open dialog with a click and clicks the row showing `text` in its
    // dropped list, checking the row under the mouse first.
    static void PickFromCombo(int id, const std::string& text) {
        ClickItem(id);
        const HWND combo = GetDlgItem(OpenDialog(), id);
        ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) << id;
        const auto row =
            static_cast<int>(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(text.c_str())));
        ASSERT_GE(row, 0) << text;
        RECT closed;
        GetWindowRect(combo, &closed);
        const int height = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
        const POINT screen{closed.left + 10, closed.bottom + 1 + row * height + height / 2};
        const HWND list = WindowFromPoint(screen);
        POINT inList = screen;
        ScreenToClient(list, &inList);
        ASSERT_EQ(SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y)), row);
        test::click(screen);
        test::pump();
    }

    // Replaces a box's text the way a person does: focus, select all, type.
    static void TypeInto(int id, std::string_view text) {
        const HWND item = GetDlgItem(OpenDialog(), id);
        SetFocus(item);
        SendMessageA(item, EM_SETSEL, 0, -1);
        test::typeText(text);
        test::pump();
    }
};

} // namespace dialogtest
