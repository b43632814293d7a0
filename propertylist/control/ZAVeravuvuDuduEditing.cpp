#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/editors/BuiltinEditor.h"
#include "propertylist/model/rows/SameValue.h"

#include "shared/util/EditorValue.h"
#include "shared/util/FontUtils.h"

#include "platform/forms/app/App.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/picture/LoadPicture.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/error/ErrorDisplay.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <string>

namespace attrgrid {

using ole::ResumeNext;

void ZAVeravuvuDudu::DisplayError(const ole::Error& error) {
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    ole::Variant args[] = {ole::Variant(error.Description()), ole::Variant(error.Number()),
                           ole::Variant(true)};
    ResumeNext([&] { Raise(EvDisplayError, args); });
    bool showBox = true;
    ResumeNext([&] { showBox = ole::CBool(args[2]); });
    if (!showBox)
        return;
    const std::string text = ole::FormatErrorForDisplay(error);
    ResumeNext([&] { forms::MsgBox(forms::App::Component(kLibraryName), text, forms::vbOKOnly); });
}

bool ZAVeravuvuDudu::CommitActiveEditor() {
    if (!m_ActiveEditor)
        return true;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    try {
        // Commit ends the edit through the listener before it returns; a failure while storing
        // is reported there, so only the editor's own refusal arrives here.
        editor->Commit();
        return true;
    } catch (const ole::Error& error) {
        DisplayError(error);
    } catch (...) {
        ole::ReportCurrentException();
    }
    ResumeNext([&] { editor->LetVisible(false); });
    if (m_ActiveEditor.Get() == editor.Get())
        m_ActiveEditor = nullptr;
    if (win::IsWindow(m_GridWnd))
        win::SetFocus(m_GridWnd);
    return false;
}

namespace {

// Objects are the same value only when they are the same object.
bool SameStoredValue(const ole::Variant& a, const ole::Variant& b) {
    if (a.IsObject() || b.IsObject())
        return a.IsObject() && b.IsObject() && a.AsObject().Get() == b.AsObject().Get();
    return SameValue(a, b);
}

// Straight into the property, so a source object's refusal reaches the caller; an unchanged value
// is not written again.
void StoreIfDifferent(CProperty& property, const ole::Variant& value) {
    if (SameStoredValue(property.GetValue(), value))
        return;
    if (value.IsObject())
        property.SetValue(value);
    else
        property.LetValue(value);
}

// A built-in editor the user left as it showed the row commits the row's own value, which it may
// not be able to show or give back as it stands.
ole::Variant CommittedValue(CEditor& editor, const ole::Ptr<CNode>& row) {
    auto* builtin = dynamic_cast<BuiltinEditor*>(&editor);
    if (row && builtin && builtin->Untouched())
        return row->Value();
    return editor.GetValue();
}

} // namespace

void ZAVeravuvuDudu::StoreEditedValue(const ole::Ptr<CNode>& row, const ole::Ptr<CProperty>& edited,
                                      const ole::Variant& newValue) {
    // The write-back may clear the collection; the row and its property stay alive meanwhile.
    const ole::Ptr<CNode> heldRow = row;
    // Only into the property the user edited, while the list still holds it: a host that removed
    // it or refilled the list from ValidateValue may have put another property under its key.
    const auto property = ole::PtrCast<CProperty>(NodeProperty(row->Key()));
    if (!property || property.Get() != edited.Get())
        return;
    // The row's own value, an untouched edit's, is not stored again, not even as a font of its own.
    if (SameStoredValue(property->GetValue(), newValue))
        return;
    const int32_t editorType = ole::CLng(row->EditorType());
    const ole::Variant nothing(ole::Ptr<ole::Object>{});
    switch (editorType) {
    case shared::KSFontEditor: {
        // The row gets a font of its own, never the editor's object.
        auto font = ole::Font::Create();
        if (const auto edited = ole::PtrCast<ole::Font>(newValue.AsObject()))
            shared::CopyFont(*font, *edited);
        StoreIfDifferent(*property, ole::Variant(font));
        return;
    }
    case shared::ksPictureEditor: {
        // The editor's value is text; a number (or numeric text) names no picture file.
        if (ole::IsNumeric(newValue))
            return;
        const std::string text = ole::CStr(newValue);
        if (text == "(Picture)")
            return;
        if (text == "(none)") {
            StoreIfDifferent(*property, nothing);
            return;
        }
        // A file that does not load is reported and the current picture stays.
        ole::Ptr<ole::Picture> picture = forms::LoadPicture(text);
        if (picture && picture->Type() <= 0)
            picture = nullptr;
        StoreIfDifferent(*property, ole::Variant(ole::Ptr<ole::Object>(picture)));
        return;
    }
    default:
        StoreIfDifferent(*property, newValue);
    }
}

void ZAVeravuvuDudu::EndEdit(const ole::Ptr<CEditor>& anEditor, bool bCancel) {
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CEditor> editor = anEditor;
    if (!editor)
        return;
    // An editor that is not the open one only closes itself: the open edit keeps what the user
    // typed and is stored when it ends.
    if (editor.Get() != m_ActiveEditor.Get()) {
        ResumeNext([&] { editor->LetVisible(false); });
        return;
    }
    // Closed before the host hears of it: a commit the host triggers from ValidateValue
    // (UnRegisterEditor, a selection) finds no open editor instead of recursing.
    m_ActiveEditor = nullptr;
    try {
        if (!bCancel) {
            const ole::Ptr<CNode> row = m_EditNode;
            const ole::Ptr<CProperty> edited = row ? NodeProperty(row->Key()) : nullptr;
            const ole::Variant newValue = CommittedValue(*editor, row);
            ole::Variant args[] = {ole::Variant(edited), newValue, ole::Variant(false)};
            Raise(EvValidateValue, args);
            if (!ole::CBool(args[2]) && row && edited)
                StoreEditedValue(row, edited, newValue);
        }
    } catch (const ole::Error& error) {
        DisplayError(error);
    } catch (...) {
        ole::ReportCurrentException();
    }
    // ValidateValue or the store may have opened another edit (a host moving the selection):
    // that edit keeps its editor and the focus.
    if (const ole::Ptr<CEditor> reopened = m_ActiveEditor) {
        if (editor.Get() != reopened.Get())
            ResumeNext([&] { editor->LetVisible(false); });
        return;
    }
    if (win::IsWindow(m_GridWnd))
        win::SetFocus(m_GridWnd);
    ResumeNext([&] { editor->LetVisible(false); });
}

void ZAVeravuvuDudu::OnEditorCommitEdit(const ole::Ptr<ole::Object>& anEditor) {
    if (auto editor = EditorOfObject(anEditor))
        EndEdit(editor, false);
}

void ZAVeravuvuDudu::OnEditorCancelEdit(const ole::Ptr<ole::Object>& anEditor) {
    if (auto editor = EditorOfObject(anEditor))
        EndEdit(editor, true);
}

} // namespace attrgrid
