#include "propertylist/editors/BuiltinEditors.h"

#include "propertylist/editors/CColorEditor.h"
#include "propertylist/editors/CCustomDialog.h"
#include "propertylist/editors/CDateEditor.h"
#include "propertylist/editors/CDirectoryEditor.h"
#include "propertylist/editors/CFileEditor.h"
#include "propertylist/editors/CFontEditor.h"
#include "propertylist/editors/CListEditor.h"
#include "propertylist/editors/CPictureEditor.h"
#include "propertylist/editors/CTextEditor.h"

#include "shared/util/EditorValue.h"

#include <map>

namespace attrgrid {

namespace {

using BE = BuiltinEditors;

// Text, date, number, list (also boolean), font, file, colour, custom dialog, directory, picture.
constexpr std::array<BE::Slot, 10> kSlots{{
    {{shared::ksTextEditor, 0}, 1, false},
    {{shared::KSDateEditor, 0}, 1, false},
    {{shared::KSNumberEditor, 0}, 1, false},
    {{shared::KSListEditor, shared::ksBooleanEditor}, 2, false},
    {{shared::KSFontEditor, 0}, 1, false},
    {{shared::ksFileEditor, 0}, 1, false},
    {{shared::KSColorEditor, 0}, 1, false},
    {{shared::ksCustomDialog, 0}, 1, true},
    {{shared::KSDirectoryEditor, 0}, 1, false},
    {{shared::ksPictureEditor, 0}, 1, false},
}};

// The editor classes that have landed add their maker here.
template <class Editor>
BE::Maker MakerOf(void (*bind)(Editor&, const BuiltinEditorBindings&)) {
    return {[] { return ole::Ptr<CEditor>(Editor::Create()); },
            [bind](CEditor& editor, const BuiltinEditorBindings& bindings) {
                if (auto* made = dynamic_cast<Editor*>(&editor))
                    bind(*made, bindings);
            }};
}

// An editor that makes its own windows and needs nothing of the list.
template <class Editor>
BE::Maker Unbound() {
    return {[] { return ole::Ptr<CEditor>(Editor::Create()); }, {}};
}

void BindText(CTextEditor& editor, const BuiltinEditorBindings& bindings) {
    editor.SetTextEdit(bindings.textBox);
}

void BindList(CListEditor& editor, const BuiltinEditorBindings& bindings) {
    editor.Bind(bindings.listBox);
}

void BindColor(CColorEditor& editor, const BuiltinEditorBindings& bindings) {
    editor.Bind(bindings.colorPicker);
}

void BindDialog(CCustomDialog& editor, const BuiltinEditorBindings& bindings) {
    editor.SetDialogListener(bindings.dialogListener);
}

std::map<int32_t, BE::Maker> LandedMakers() {
    return {
        {shared::ksTextEditor, MakerOf(&BindText)},
        {shared::KSNumberEditor, MakerOf(&BindText)},
        {shared::KSListEditor, MakerOf(&BindList)},
        {shared::KSColorEditor, MakerOf(&BindColor)},
        {shared::ksCustomDialog, MakerOf(&BindDialog)},
        {shared::KSDateEditor, Unbound<CDateEditor>()},
        {shared::ksFileEditor, Unbound<CFileEditor>()},
        {shared::KSDirectoryEditor, Unbound<CDirectoryEditor>()},
        {shared::KSFontEditor, Unbound<CFontEditor>()},
        {shared::ksPictureEditor, Unbound<CPictureEditor>()},
    };
}

std::map<int32_t, BE::Maker>& Makers() {
    static std::map<int32_t, BE::Maker> makers = LandedMakers();
    return makers;
}

} // namespace

std::span<const BuiltinEditors::Slot> BuiltinEditors::Slots() {
    return kSlots;
}

void BuiltinEditors::Provide(int32_t editorType, Maker maker) {
    Makers()[editorType] = std::move(maker);
}

void BuiltinEditors::Withdraw(int32_t editorType) {
    Makers().erase(editorType);
}

const BuiltinEditors::Maker* BuiltinEditors::Find(int32_t editorType) {
    const auto found = Makers().find(editorType);
    return found == Makers().end() || !found->second.create ? nullptr : &found->second;
}

} // namespace attrgrid
