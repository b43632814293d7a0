#include "propertylist/editors/CTextEditor.h"

#include "propertylist/editors/NumberText.h"
#include "propertylist/library/AttrgridErrors.h"
#include "propertylist/model/property/CProperty.h"

#include "shared/util/EditorValue.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/WinConstants.h"
#include "platform/win/window/Geometry.h"

namespace attrgrid {

using ole::ResumeNext;

namespace {

constexpr int32_t kPixels = 3;
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
constexpr int16_t kBackspace = 8;

// A parameter that is absent or reads as no Boolean is False.
bool BooleanParam(const CProperty& property, const char* name) {
    try {
        const std::string text = property.GetEditorParam(name);
        return !text.empty() && ole::CBool(ole::Variant(text));
    } catch (const ole::Error&) {
        return false;
    }
}

// Objects and Null have no text form; the box keeps its text for them.
void ShowTextOf(forms::TextBox& box, const ole::Variant& value) {
    if (value.IsObject() || value.IsNull())
        return;
    box.SetText(ole::CStr(value));
}

} // namespace

ole::Ptr<CTextEditor> CTextEditor::Create() {
    return ole::MakeObject<CTextEditor>();
}

void CTextEditor::SetTextEdit(const ole::Ptr<forms::TextBox>& textBox) {
    m_ControlPtr = ole::WeakRef<forms::TextBox>(textBox);
}

std::string CTextEditor::Text() {
    const auto box = m_ControlPtr.Lock();
    return box ? box->Text() : std::string();
}

int32_t CTextEditor::ScaleMode() {
    return kPixels;
}

ole::Variant CTextEditor::GetValue() {
    const auto box = m_ControlPtr.Lock();
    if (!box)
        return {};
    if (m_NumberMode)
        return ole::Variant(NumberTextValue(box->Text()));
    return ole::Variant(box->Text());
}

void CTextEditor::ShowValue(const ole::Variant& value) {
    if (const auto box = m_ControlPtr.Lock())
        ResumeNext([&] { ShowTextOf(*box, value); });
}

bool CTextEditor::GetVisible() {
    const auto box = m_ControlPtr.Lock();
    return box && box->Visible();
}

void CTextEditor::LetVisible(bool visible) {
    if (const auto box = m_ControlPtr.Lock())
        ResumeNext([&] { box->SetVisible(visible); });
}

int32_t CTextEditor::hwnd() {
    const auto box = m_ControlPtr.Lock();
    return box ? static_cast<int32_t>(box->Window().Value()) : 0;
}

void CTextEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                        const ole::Ptr<CEditorListener>& anEditorListener) {
    const auto box = m_ControlPtr.Lock();
    if (!box)
        return;
    KeepListener(anEditorListener);
    m_NumberMode = false;
    m_AllowFloatingPoint = false;
    m_AllowNegative = false;
    if (!aProperty)
        return;
    // A value without a text form shows an empty box, not the last row's text.
    ResumeNext([&] { box->SetText(""); });
    ResumeNext([&] { ShowTextOf(*box, aProperty->GetValue()); });
    ResumeNext([&] { box->SetBackColor(ole::Variant(aProperty->GetBackColor())); });
    ResumeNext([&] { box->SetForeColor(ole::Variant(aProperty->GetForeColor())); });
    ResumeNext([&] {
        if (aProperty->EditorTypeField() != shared::KSNumberEditor)
            return;
        m_NumberMode = true;
        m_AllowFloatingPoint = BooleanParam(*aProperty, "AllowFloatingPoint");
        m_AllowNegative = BooleanParam(*aProperty, "AllowNegative");
    });
}

bool CTextEditor::IsValidText() {
    if (!m_NumberMode)
        return true;
    const auto box = m_ControlPtr.Lock();
    return box && IsValidNumberText(box->Text(), m_AllowFloatingPoint, m_AllowNegative);
}

void CTextEditor::Commit() {
    if (!HasListener())
        return;
    // The row's own value is never refused, whatever the grammar says of its text.
    if (!Untouched() && !IsValidText())
        ole::RaiseError(errors::InvalidPropertyValue, "Attrgrid");
    Notify(true);
}

void CTextEditor::Move(float nLeft, float nTop, float nWidth, float nHeight) {
    const auto box = m_ControlPtr.Lock();
    if (!box)
        return;
    win::SetWindowPos(box->Window(), win::HWND(), base::RoundHalfEvenToInt32(nLeft),
                      base::RoundHalfEvenToInt32(nTop), base::RoundHalfEvenToInt32(nWidth),
                      base::RoundHalfEvenToInt32(nHeight), win::SWP_NOZORDER);
}

bool CTextEditor::PassesNumberFilter(forms::TextBox& box, int16_t key) const {
    if (key >= '0' && key <= '9')
        return true;
    if (key == kBackspace)
        return true;
    if (key == '.') {
        if (!m_AllowFloatingPoint)
            return false;
        // Typing over a selection that holds the point keeps one point.
        return box.GetSelText().find('.') != std::string::npos ||
               box.Text().find('.') == std::string::npos;
    }
    if (key == '-') {
        if (!m_AllowNegative || box.GetSelStart() != 0)
            return false;
        return box.GetSelLength() != 0 || !box.Text().starts_with('-');
    }
    return false;
}

void CTextEditor::KeyPress(int16_t& KeyAscii) {
    const auto box = m_ControlPtr.Lock();
    if (!box)
        return;
    const ole::Ptr<CTextEditor> self(this);
    if (KeyAscii == kEnter) {
        KeyAscii = 0;
        // A refused number leaves the edit open.
        ResumeNext([&] { Commit(); });
        return;
    }
    if (KeyAscii == kEscape) {
        KeyAscii = 0;
        ResumeNext([&] { Cancel(); });
        return;
    }
    if (m_NumberMode && !PassesNumberFilter(*box, KeyAscii))
        KeyAscii = 0;
}

} // namespace attrgrid
