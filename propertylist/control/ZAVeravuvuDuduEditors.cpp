// The editor registry and the start of an in-place edit: building the built-in editors, opening
// the selected row's editor over its value cell, the editor font, and the children's events that
// reach the open editor.

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/editors/BuiltinEditors.h"
#include "propertylist/editors/CCusDialogListener.h"
#include "propertylist/editors/EditorChildEvents.h"
#include "propertylist/editors/HostEditor.h"
#include "propertylist/library/AttrgridErrors.h"

#include "shared/util/EditorValue.h"
#include "shared/util/FontUtils.h"

#include "platform/base/Rounding.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/forms/scale/ScaleMode.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <string>

namespace attrgrid {

using ole::ResumeNext;

namespace {

constexpr int32_t kListEditorEventChange = 1;
constexpr int32_t kColorPickerEventSelectedColorChanged = 2;

std::string InternalKey(int32_t editorType) {
    return "INTERNAL_" + std::to_string(editorType);
}

bool UsesListBox(int32_t editorType) {
    return editorType == shared::KSListEditor || editorType == shared::ksBooleanEditor;
}

bool UsesTextBox(int32_t editorType) {
    return editorType == shared::ksTextEditor || editorType == shared::KSNumberEditor;
}

} // namespace

// ---- Registry ----

void ZAVeravuvuDudu::CreateBuiltinEditors() {
    // Host editors registered before the run-time set-up stay in the registry.
    if (!m_Editors)
        m_Editors = ole::Collection::Create();
    const BuiltinEditorBindings bindings{m_TextEditor, m_ListEditor, m_ColorEditor,
                                         m_CusDlgListener};
    const auto gridWnd = static_cast<int32_t>(m_GridWnd.Value());
    for (const auto& slot : BuiltinEditors::Slots()) {
        const BuiltinEditors::Maker* maker = BuiltinEditors::Find(slot.Types().front());
        if (!maker)
            continue;
        ResumeNext([&] {
            const ole::Ptr<CEditor> editor = maker->create();
            if (!editor)
                return;
            editor->init(gridWnd);
            if (maker->bind && !slot.bindAfterStore)
                maker->bind(*editor, bindings);
            for (const int32_t type : slot.Types()) {
                const std::string key = InternalKey(type);
                if (!m_Editors->ContainsKey(key))
                    m_Editors->Append(ole::Variant(ole::Ptr<ole::Object>(editor)), key);
            }
            editor->LetVisible(false);
            if (maker->bind && slot.bindAfterStore)
                maker->bind(*editor, bindings);
        });
    }
}

ole::Ptr<CEditor> ZAVeravuvuDudu::RegisteredEditor(const std::string& key) const {
    if (!m_Editors || !m_Editors->ContainsKey(key))
        return nullptr;
    try {
        return ole::PtrCast<CEditor>(m_Editors->ItemByKey(key).AsObject());
    } catch (const ole::Error&) {
        return nullptr;
    }
}

ole::Ptr<CEditor> ZAVeravuvuDudu::EditorOfObject(const ole::Ptr<ole::Object>& anEditor) const {
    if (!anEditor)
        return nullptr;
    if (m_ActiveEditor && m_ActiveEditor->Identity() == anEditor.Get())
        return m_ActiveEditor;
    if (m_Editors) {
        for (int32_t i = 1; i <= m_Editors->Count(); ++i) {
            ole::Ptr<CEditor> editor;
            ResumeNext([&] { editor = ole::PtrCast<CEditor>(m_Editors->ItemAt(i).AsObject()); });
            if (editor && editor->Identity() == anEditor.Get())
                return editor;
        }
    }
    return HostEditor::Wrap(anEditor);
}

bool ZAVeravuvuDudu::IsOpenEditor(const char* key) const {
    return m_ActiveEditor && m_ActiveEditor.Get() == RegisteredEditor(key).Get();
}

// ---- Starting an edit ----

// Failures of the chosen editor are reported here. The two refusals of the list itself leave the
// editor as the step left it (hidden); any other failure abandons the edit. The row becomes the
// edited one in every case.
void ZAVeravuvuDudu::BeginEdit() {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CNode> row = m_SelectedNode;
    if (!row || row->NodeType() == NodeKind::Category)
        return;
    ole::Ptr<CEditor> editor;
    try {
        const auto property = ole::PtrCast<CProperty>(row->Property());
        if (property && !property->GetReadOnly()) {
            if (m_Tooltip)
                ResumeNext([&] {
                    m_Tooltip->SetNewToolRect(static_cast<win::UINT_PTR>(m_GridWnd.Value()), -1, -1,
                                              0, 0);
                });
            row->SetValueRect(GetCellRect(row, 2));
            const int32_t editorType = ole::CLng(row->EditorType());
            if (editorType == shared::KSCustomEditor) {
                editor = RegisteredEditor("CUSTOM_" + property->GetEditorKey());
                if (!editor)
                    ole::RaiseError(errors::EditorNotRegistered, kLibraryName);
            } else {
                editor = RegisteredEditor(InternalKey(editorType));
            }
            if (editor) {
                const auto window = win::HWND::FromValue(static_cast<uint32_t>(editor->hwnd()));
                if (win::IsWindow(window) && win::GetParent(window) != m_GridWnd)
                    win::SetParent(window, m_GridWnd);
                GiveEditorFont(editor, editorType, row, true);
                editor->Reset(property, m_editListener);
                PositionEditor(editor, row);
                if (!shared::IsValidEditorValue(row->Value(), editorType))
                    ole::RaiseError(errors::InvalidEditorValue, kLibraryName);
                // Read again: a boolean property refills its "True"/"False" items here.
                ResumeNext([&] { property->GetEditorType(); });
                if (editorType == shared::ksPictureEditor) {
                    ole::Variant value = property->GetValue();
                    if (!value.IsObject()) {
                        row->SetValue(ole::Variant(ole::Ptr<ole::Object>()));
                        value = property->GetValue();
                    }
                    const auto picture = ole::PtrCast<ole::Picture>(value.AsObject());
                    editor->LetValue(
                        ole::Variant(!picture || picture->Type() <= 0 ? "(none)" : "(Picture)"));
                } else {
                    editor->LetValue(row->Value());
                }
                editor->LetVisible(true);
                // The editor's calls run host code, which may have moved the selection away.
                if (m_released || m_SelectedNode.Get() != row.Get())
                    ResumeNext([&] { editor->LetVisible(false); });
                else
                    m_ActiveEditor = editor;
            }
        }
    } catch (const ole::Error& error) {
        if (editor && error.Number() != errors::InvalidEditorValue.number)
            ResumeNext([&] { editor->LetVisible(false); });
        DisplayError(error);
        if (win::IsWindow(m_GridWnd))
            win::SetFocus(m_GridWnd);
    } catch (...) {
        ole::ReportCurrentException();
        if (editor)
            ResumeNext([&] { editor->LetVisible(false); });
        if (win::IsWindow(m_GridWnd))
            win::SetFocus(m_GridWnd);
    }
    if (!m_released)
        m_EditNode = row;
}

void ZAVeravuvuDudu::PositionEditor(const ole::Ptr<CEditor>& anEditor,
                                    const ole::Ptr<CNode>& aNode) {
    if (!anEditor || !aNode)
        return;
    const ole::Ptr<CEditor> editor = anEditor;
    int32_t mode = editor->ScaleMode();
    // A user scale means nothing outside the editor, and a mode no conversion knows would place
    // it nowhere; take both as pixels.
    if (mode == 0 || !forms::IsConversionScaleMode(mode))
        mode = forms::ModeValue(forms::ScaleMode::Pixels);
    const win::RECT cell = aNode->ValueRect();
    auto convert = [mode](int32_t value, forms::Axis axis) {
        return static_cast<float>(base::RoundHalfEvenToInt32(
            forms::PixelsToUnits(value, static_cast<forms::ScaleMode>(mode), axis)));
    };
    const float left = convert(cell.left, forms::Axis::X);
    const float top =
        convert(m_settings.grid != ksGridNone ? cell.top : cell.top + 1, forms::Axis::Y);
    const float right = convert(cell.right, forms::Axis::X);
    const float bottom = convert(cell.bottom - 1, forms::Axis::Y);
    editor->Move(left, top, right - left, bottom - top);
}

// ---- Editor fonts ----

void ZAVeravuvuDudu::GiveEditorFont(const ole::Ptr<CEditor>& editor, int32_t editorType,
                                    const ole::Ptr<CNode>& row, bool rowStyle) {
    if (!m_Font || !m_DrawFont)
        return;
    shared::CopyFont(*m_DrawFont, *m_Font);
    m_DrawFont->SetBold(row->Bold());
    m_DrawFont->SetItalic(row->Italic());
    const ole::Ptr<ole::Font> controlFont = rowStyle ? m_DrawFont : m_Font;
    // The controls keep fonts of their own; copying into them never shares the control's Font.
    if (UsesTextBox(editorType)) {
        if (m_TextEditor)
            shared::CopyFont(*m_TextEditor->Font(), *controlFont);
    } else if (UsesListBox(editorType)) {
        if (m_ListEditor)
            ole::SetProperty(ole::Variant(m_ListEditor), "Font", ole::Variant(controlFont));
    } else if (editorType == shared::KSColorEditor) {
        if (m_ColorEditor)
            ole::SetProperty(ole::Variant(m_ColorEditor), "Font", ole::Variant(controlFont));
    } else if (m_ResourceMgr) {
        const win::HFONT handle = m_ResourceMgr->GetFont(*m_DrawFont, "EditorFont");
        editor->LethFont(static_cast<int32_t>(handle.Value()));
    }
}

void ZAVeravuvuDudu::ReapplyEditorFont() {
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    const ole::Ptr<CNode> row = m_EditNode;
    if (!editor || !row)
        return;
    int32_t editorType = shared::ksTextEditor;
    ResumeNext([&] { editorType = ole::CLng(row->EditorType()); });
    ResumeNext([&] { GiveEditorFont(editor, editorType, row, false); });
    ResumeNext([&] { PositionEditor(editor, row); });
}

// ---- Children's events that reach the open editor ----

void ZAVeravuvuDudu::ConnectEditorEvents() {
    auto on = [this](ChildEventHandler handler) { return ChildHandler(std::move(handler)); };
    using Args = std::span<ole::Variant>;

    ole::Ptr<ole::EventSink> dialog = ole::EventSink::Create();
    dialog->On(CCusDialogListener::ShowDialog,
               on([](ZAVeravuvuDudu& self, Args) { self.OnCustomDialogRequest(); }));
    ConnectChild(m_CusDlgListener, dialog);

    ole::Ptr<ole::EventSink> textBox = ole::EventSink::Create();
    textBox->On(forms::eventid::KeyPress, on([](ZAVeravuvuDudu& self, Args args) {
                    if (!args.empty())
                        self.OnTextEditorKeyPress(args[0].Deref());
                }));
    ConnectChild(m_TextEditor, textBox);

    if (m_ListEditor) {
        ole::Ptr<ole::EventSink> listBox = ole::EventSink::Create();
        listBox->On(kListEditorEventChange,
                    on([](ZAVeravuvuDudu& self, Args) { self.OnListEditorChange(); }));
        ConnectChild(m_ListEditor, listBox);
    }
    if (m_ColorEditor) {
        ole::Ptr<ole::EventSink> picker = ole::EventSink::Create();
        picker->On(kColorPickerEventSelectedColorChanged, on([](ZAVeravuvuDudu& self, Args) {
                       self.OnColorEditorSelectedColorChanged();
                   }));
        ConnectChild(m_ColorEditor, picker);
    }
}

void ZAVeravuvuDudu::OnCustomDialogRequest() {
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    const ole::Ptr<CNode> row = m_EditNode;
    if (!editor)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    ole::Variant args[] = {ole::Variant(GetSelectedProperty()), editor->GetValue()};
    Raise(EvShowEditorDialog, args);
    // The host may have ended the edit or opened the same editor on another row; the answer is
    // for this row's edit alone. An object handed back becomes the editor's value by reference,
    // so the commit stores it and a host's cancel in ValidateValue leaves the property's own
    // object untouched.
    if (m_ActiveEditor.Get() == editor.Get() && m_EditNode.Get() == row.Get())
        editor->LetValue(args[1]);
}

// Only the text editors take the text box's keys; another open editor (a host editor, the list
// editor) never sees them.
void ZAVeravuvuDudu::OnTextEditorKeyPress(ole::Variant& keyAscii) {
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    auto* keys = dynamic_cast<TextBoxKeys*>(editor.Get());
    if (!keys)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    int16_t key = ole::CInt(keyAscii);
    keys->KeyPress(key);
    keyAscii = ole::Variant(key);
}

void ZAVeravuvuDudu::OnListEditorChange() {
    if (!IsOpenEditor("INTERNAL_9"))
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    if (auto* list = dynamic_cast<ListBoxEvents*>(editor.Get()))
        list->ListEditorChange();
}

void ZAVeravuvuDudu::OnColorEditorSelectedColorChanged() {
    if (!IsOpenEditor("INTERNAL_10"))
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    if (auto* picker = dynamic_cast<ColorPickerEvents*>(editor.Get()))
        picker->ColorPickerSelectedColorChanged();
}

} // namespace attrgrid
