#include "propertylist/editors/CFileEditor.h"

#include "propertylist/model/property/CProperty.h"

#include "propertylist/editors/OpenFileDialog.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/win/Win.h"

namespace attrgrid {

namespace {

win::DWORD FileFlags(const std::string& text) {
    try {
        if (ole::IsNumeric(ole::Variant(text)) && !text.empty())
            return static_cast<win::DWORD>(ole::CLng(ole::Variant(text)));
    } catch (const ole::Error&) {
    }
    return win::OFN_FILEMUSTEXIST;
}

} // namespace

ole::Ptr<CFileEditor> CFileEditor::Create() {
    return ole::MakeObject<CFileEditor>();
}

void CFileEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                        const ole::Ptr<CEditorListener>& anEditorListener) {
    ValueBoxEditor::Reset(aProperty, anEditorListener);
    if (!aProperty)
        return;
    m_Filter = aProperty->GetEditorParam("Filter");
    ReadCaption(*aProperty);
    m_InitialDir = aProperty->GetEditorParam("InitialDir");
    m_FileFlags = aProperty->GetEditorParam("FileFlags");
    m_DefaultExt = aProperty->GetEditorParam("DefaultExt");
}

void CFileEditor::Browse() {
    // The value keeps 256 bytes of room after it.
    Choose([this] {
        return ChooseFile({Button(), m_Filter, m_InitialDir, Caption(), Path(), 256,
                           FileFlags(m_FileFlags), m_DefaultExt});
    });
}

} // namespace attrgrid
