#pragma once

#include "propertylist/editors/ValueBoxEditor.h"

#include <functional>
#include <optional>
#include <string>

namespace attrgrid {

// The value-box editors whose value is a path chosen in a dialog: the value is text, the box
// shows it, and a path the dialog hands back commits at once.
class PathEditor : public ValueBoxEditor {
public:
    ole::Variant GetValue() override { return ole::Variant(m_Value); }

protected:
    // The value's text form cut before its first NUL; Empty, Null and values without a text form
    // give "".
    void ShowValue(const ole::Variant& value) override;

    // WS_CHILD | SS_LEFTNOWORDWRAP: an ampersand marks a mnemonic.
    static constexpr win::DWORD kValueStyle = 0x4000000C;

    explicit PathEditor(std::span<const win::UINT> boxMessages = kKeyMessages)
        : ValueBoxEditor(kValueStyle, boxMessages) {}

    // Where the value's text shows: the box.
    virtual void ShowText(const std::string& text);
    void SetPath(std::string path);

    // Reads the caption every path dialog takes.
    void ReadCaption(const CProperty& property);
    const std::string& Caption() const { return m_DialogCaption; }
    const std::string& Path() const { return m_Value; }
    // Runs the dialog; the path it chooses is shown and committed, unless the editor was reset
    // for another edit while the dialog was open.
    void Choose(const std::function<std::optional<std::string>()>& dialog);

private:
    std::string m_Value;
    std::string m_DialogCaption;
};

} // namespace attrgrid
