#pragma once

#include "propertylist/editors/BuiltinEditor.h"
#include "propertylist/editors/EditorChildEvents.h"

#include "platform/forms/controls/textbox/TextBox.h"

#include <string>

namespace attrgrid {

// The text and number editors: two instances drive the list's one text box. The number mode and
// its two parameters are read afresh by every Reset, so an edit never inherits them.
class CTextEditor final : public BuiltinEditor, public TextBoxKeys {
public:
    static ole::Ptr<CTextEditor> Create();

    ole::Variant GetValue() override;

    void SetTextEdit(const ole::Ptr<forms::TextBox>& textBox);
    std::string Text();

    int32_t ScaleMode() override;
    bool GetVisible() override;
    void LetVisible(bool visible) override;
    int32_t hwnd() override;
    void LethFont(int32_t) override {}
    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;
    // Invalid number text the user typed raises "Invalid property value." and the edit stays open.
    void Commit() override;
    void Move(float nLeft, float nTop, float nWidth, float nHeight) override;
    void init(int32_t) override {}

    // Enter commits (a refusal keeps the edit open), Escape cancels; in number mode only what
    // can make a valid number passes.
    void KeyPress(int16_t& KeyAscii) override;

protected:
    void ShowValue(const ole::Variant& value) override;
    ole::Variant Shown() override { return ole::Variant(Text()); }

private:
    CTextEditor() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    bool IsValidText();
    bool PassesNumberFilter(forms::TextBox& box, int16_t key) const;

    ole::WeakRef<forms::TextBox> m_ControlPtr;
    bool m_NumberMode = false;
    bool m_AllowFloatingPoint = false;
    bool m_AllowNegative = false;
};

} // namespace attrgrid
