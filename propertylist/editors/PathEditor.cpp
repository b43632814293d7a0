#include "propertylist/editors/PathEditor.h"

#include "propertylist/model/property/CProperty.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/win/Win.h"

namespace attrgrid {

namespace {

std::string BeforeNul(std::string text) {
    if (const auto nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

} // namespace

void PathEditor::ShowValue(const ole::Variant& value) {
    std::string text;
    try {
        if (!value.IsObject() && !value.IsNull())
            text = ole::CStr(value);
    } catch (const ole::Error&) {
    }
    m_Value = BeforeNul(std::move(text));
    ShowText(m_Value);
}

void PathEditor::ShowText(const std::string& text) {
    win::SetWindowTextA(Window(), text.c_str());
}

void PathEditor::SetPath(std::string path) {
    m_Value = BeforeNul(std::move(path));
    ShowText(m_Value);
}

void PathEditor::ReadCaption(const CProperty& property) {
    m_DialogCaption = property.GetEditorParam("DialogCaption");
}

void PathEditor::Choose(const std::function<std::optional<std::string>()>& dialog) {
    const ole::Ptr<ole::Object> self(this);
    const uint64_t edit = EditCount();
    std::optional<std::string> path = dialog();
    if (!path || EditCount() != edit)
        return;
    SetPath(std::move(*path));
    Commit();
}

} // namespace attrgrid
