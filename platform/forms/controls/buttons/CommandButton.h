#pragma once

#include "platform/forms/controls/buttons/ButtonBase.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <functional>

namespace forms {

// A push button. Enter on its form presses the Default button and Esc the Cancel one (unless the
// focused control wants the key); one button of a form is Default at a time, drawing the
// thicker default border, and one is Cancel. BackColor is kept but not drawn: the face keeps the
// system colours.
class CommandButton : public ButtonBase {
public:
    static ole::Ptr<CommandButton> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    bool Default() const { return m_default; }
    // True takes Default from the form's other command buttons.
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    // True takes Cancel from the form's other command buttons.
    void SetCancel(bool value);

    bool IsDefaultButton() const override { return m_default; }
    bool IsCancelButton() const override { return m_cancel; }
    void PressFromKeyboard() override { RaiseEvent(eventid::Click); }

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam) override;

    CommandButton();

protected:
    win::DWORD ButtonStyle() const override;

private:
    void ApplyStyle();
    void ForEachOtherButton(const std::function<void(CommandButton&)>& action);

    bool m_default = false;
    bool m_cancel = false;
};

} // namespace forms
