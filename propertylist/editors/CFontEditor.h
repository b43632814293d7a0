#pragma once

#include "propertylist/editors/ValueBoxEditor.h"

#include "platform/ole/font/Font.h"

namespace attrgrid {

// The font editor: a value box showing the font's name whose "..." opens the font dialog on the
// editor's own copy of the row's font and commits what it returns. Sizes go to the dialog as
// pixel heights and come back as whole points, so an OK without a change keeps every whole size.
class CFontEditor final : public ValueBoxEditor {
public:
    static ole::Ptr<CFontEditor> Create();

    // The editor's own font, made with default attributes when there is none.
    ole::Variant GetValue() override;

    // The colour the dialog starts with; the colour chosen there is not kept.
    int32_t GetTextColor() const { return m_TextColor; }
    void LetTextColor(int32_t color) { m_TextColor = color; }

    // Drops the editor's font and empties the box.
    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;

protected:
    // Copies a font's attributes (Nothing: the default font's); anything else raises "Invalid
    // property value." and changes nothing.
    void ShowValue(const ole::Variant& value) override;
    // The font's eight attributes, which only the dialog changes.
    ole::Variant Shown() override;

private:
    CFontEditor();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    ole::Font& Font();
    void Browse() override;

    ole::Ptr<ole::Font> m_Font;
    int32_t m_TextColor = 0;
};

} // namespace attrgrid
