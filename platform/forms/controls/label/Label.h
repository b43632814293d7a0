#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/controls/common/ControlFont.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/win/text/AccessKey.h"

#include <cstdint>
#include <string>

namespace forms {

// A windowless caption drawn by its container after the container's Paint, and hit-tested by it:
// mouse input reaches the topmost label under the point. It has no hWnd (438) and never takes
// the focus; an '&' in the caption marks the access key that moves the focus to the next
// control in tab order.
class Label : public Control {
public:
    enum Id : ole::DISPID {
        AutoSize = 1,
        WordWrap = 2,
        Alignment = 3,
        BackStyle = 4,
    };

    static ole::Ptr<Label> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    const std::string& Caption() const { return m_caption; }
    // Alt with this letter moves the focus to the control after the label.
    char AccessKey() const override { return win::AccessKeyOf(m_caption); }
    void SetCaption(const std::string& caption);
    // 0 left, 1 right, 2 centre; others raise 380.
    int16_t GetAlignment() const { return m_alignment; }
    void SetAlignment(int16_t alignment);
    bool GetAutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool GetWordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    // 0 transparent, 1 opaque (default).
    int16_t GetBackStyle() const { return m_backStyle; }
    void SetBackStyle(int16_t style);
    // 0 none (default), 1 a one-pixel frame.
    int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int16_t style);
    // Exactly the value set: system colours are not translated.
    int32_t BackColor() const;
    void SetBackColor(const ole::Variant& color);
    int32_t ForeColor() const;
    void SetForeColor(const ole::Variant& color);
    ole::Ptr<ole::Font> Font();
    void SetFont(ole::Ptr<ole::Font> font);

    void PaintWindowless(win::HDC hdc, const win::RECT& bounds) override;

    Label();

private:
    void Changed();
    // The font starts as a copy of the container's, taken once the label is sited.
    void SettleFont();
    void ApplyAutoSize();
    win::UINT TextFormat() const;

    std::string m_caption;
    int16_t m_alignment = 0;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    int16_t m_backStyle = 1;
    int16_t m_borderStyle = 0;
    OLE_COLOR m_backColor = kButtonFace;
    OLE_COLOR m_foreColor = kButtonText;
    ControlFont m_font;
};

} // namespace forms
