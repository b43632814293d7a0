#pragma once

#include "platform/forms/controls/lists/ListControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <cstdint>
#include <string>

namespace forms {

// A combo box on the platform's ComboBox class: Style 0 an editable field (CBS_DROPDOWN), 2 a
// drop-down list (CBS_DROPDOWNLIST); the style is fixed once the window exists. Its height
// follows its font (Height raises 383). Text is the field's text; with Style 2 a Text let must
// name an item (383 otherwise). The field's edits raise Change, the list opening DropDown.
class ComboBox : public ListControl {
public:
    enum Id : ole::DISPID { Style = 50 };

    static ole::Ptr<ComboBox> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    int16_t GetStyle() const { return m_style; }
    // 0 or 2 (380 otherwise); 383 once sited.
    void SetStyle(int16_t style);
    std::string Text() const;
    void SetText(const std::string& text);
    bool FixedHeight() const override { return true; }

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam) override;

    ComboBox();

protected:
    std::string_view WindowClassName() const override { return "ComboBox"; }
    win::DWORD WindowStyle() const override;
    std::string InitialWindowText() const override { return m_text; }
    void OnWindowCreated() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    int16_t m_style = 0;
    // While there is no window.
    std::string m_text;
    bool m_settingText = false;
};

} // namespace forms
