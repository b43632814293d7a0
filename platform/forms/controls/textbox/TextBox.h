#pragma once

#include "platform/forms/controls/common/TextControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <cstdint>
#include <string>

namespace forms {

// A single-line text field on the platform's Edit class. The window is subclassed by the
// runtime, so its own procedure raises the key and mouse events before the Edit sees the
// message (KeyDown's KeyCode 0 keeps the key from the Edit; KeyPress's KeyAscii 0 drops the
// character). Its container reflects WM_CTLCOLOREDIT/WM_CTLCOLORSTATIC here, answered from
// BackColor and ForeColor, and EN_CHANGE, which becomes Change.
//
// Change is raised for every edit the user makes and for a Text let that changes the text,
// once per let.
class TextBox : public TextControl {
public:
    enum Id : ole::DISPID {
        SelStart = 1,
        SelLength = 2,
        SelText = 3,
        Locked = 4,
        MaxLength = 5,
    };

    static ole::Ptr<TextBox> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ~TextBox() override;

    std::string Text() const;
    void SetText(const std::string& text);
    // Positions and lengths count characters. SelStart beyond the end goes to the end; negative
    // values raise 380.
    int32_t GetSelStart() const;
    void SetSelStart(int32_t start);
    int32_t GetSelLength() const;
    void SetSelLength(int32_t length);
    std::string GetSelText() const;
    void SetSelText(const std::string& text);
    bool GetLocked() const { return m_locked; }
    void SetLocked(bool locked);
    // 0 means no limit; negative raises 380.
    int32_t GetMaxLength() const { return m_maxLength; }
    void SetMaxLength(int32_t maxLength);
    // 0 none, 1 fixed single (default: a sunken client edge).
    int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int16_t style);

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam) override;

    TextBox();

protected:
    std::string_view WindowClassName() const override { return "Edit"; }
    win::DWORD WindowStyle() const override;
    win::DWORD WindowExStyle() const override;
    std::string InitialWindowText() const override { return m_text; }
    void OnWindowCreated() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    // The selection as the Edit reports it, in characters.
    struct Selection {
        int32_t start = 0;
        int32_t end = 0;
    };
    Selection GetSelection() const;
    void Select(int32_t start, int32_t end);
    // Replaces the window's selection, the caret after the insertion (Change through EN_CHANGE).
    void ReplaceSelection(const std::string& text);
    void ApplyLocked();
    void ApplyMaxLength();

    // The text while there is no window (before siting, after unloading).
    std::string m_text;
    Selection m_selection;
    bool m_locked = false;
    int32_t m_maxLength = 0;
    int16_t m_borderStyle = 1;
    // Set while a Text let writes the window, whose own EN_CHANGE must not raise a second Change.
    bool m_settingText = false;
};

} // namespace forms
