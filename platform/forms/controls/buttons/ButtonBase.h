#pragma once

#include "platform/forms/controls/common/TextControl.h"
#include "platform/win/text/AccessKey.h"

#include <string>

namespace forms {

// What CommandButton, CheckBox and OptionButton share: a subclassed window of the platform's
// Button class with a Caption ('&' marks the access key), whose BN_CLICKED, reflected by the
// container, is the control's Click. A press raises Click only through BN_CLICKED, so a release
// outside the button raises none.
class ButtonBase : public TextControl {
public:
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    char AccessKey() const override { return win::AccessKeyOf(m_caption); }

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam) override;

protected:
    using TextControl::TextControl;

    // The BS_* kind of the window.
    virtual win::DWORD ButtonStyle() const = 0;
    // BN_CLICKED arrived (the window has already changed an automatic button's check).
    virtual void OnClicked() { RaiseEvent(eventid::Click); }

    std::string_view WindowClassName() const override { return "Button"; }
    win::DWORD WindowStyle() const override;
    std::string InitialWindowText() const override { return m_caption; }
    bool RaisesClickOnMouseUp() const override { return false; }
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    std::string m_caption;
};

} // namespace forms
