#pragma once

#include "platform/forms/dialogs/MessageBoxLayout.h"
#include "platform/forms/dialogs/MessageBoxRequest.h"
#include "platform/win/WinTypes.h"

#include <optional>

namespace forms {

// The message box on screen: an owned popup with a caption, its text and icon, and push buttons
// it draws and operates itself.
//
//   Enter, Space     the focused button (the default one until the focus moves)
//   Esc, close box   the request's escape result; nothing when it has none
//   Tab, arrows      move the focus (and the default outline) between buttons, wrapping
//   a letter         the button with that access key (Alt optional)
//   click            press on a button, release over the same button
class MessageBoxWindow {
public:
    explicit MessageBoxWindow(MessageBoxRequest request);
    ~MessageBoxWindow();
    MessageBoxWindow(const MessageBoxWindow&) = delete;
    MessageBoxWindow& operator=(const MessageBoxWindow&) = delete;

    // Creates the window hidden, sized to its layout and centred over the owner; false on failure.
    bool Create();
    win::HWND Hwnd() const { return m_hwnd; }
    const MessageBoxRequest& Request() const { return m_request; }
    const MessageBoxLayout& Layout() const { return m_layout; }

    // Ends the box with `id`; ignored unless it is one of the box's buttons.
    bool Finish(int id);
    const std::optional<int>& Result() const { return m_result; }
    int FocusedButton() const { return m_focus; }

    static constexpr const char* kClassName = "MessageBoxWindow";
    // The class procedure; the window's object arrives with WM_NCCREATE.
    static win::LRESULT Proc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

private:
    win::LRESULT Handle(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void Paint();
    bool OnKeyDown(int vk);
    bool OnCharacter(char32_t ch);
    void MoveFocus(int step);
    void SetPressed(int index);
    void InvalidateButtons();

    MessageBoxRequest m_request;
    MessageBoxLayout m_layout;
    win::HWND m_hwnd;
    int m_focus = 0;
    int m_pressed = -1;  // button drawn sunk
    int m_tracking = -1; // button the mouse went down on
    bool m_spaceDown = false;
    std::optional<int> m_result;
};

} // namespace forms
