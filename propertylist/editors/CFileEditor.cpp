#include "propertylist/editors/CFileEditor.h"

#include "propertylist/model/property/CProperty.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace attrgrid {

namespace {

// The dialog's filter list: description and pattern pairs, each NUL-terminated, with a NUL after
// the last pair.
std::string FilterList(std::string filter) {
    if (filter.empty())
        filter = "All Files (*.*)|*.*";
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.push_back('\0');
    return filter;
}

win::DWORD FileFlags(const std::string& text) {
    try {
        if (ole::IsNumeric(ole::Variant(text)) && !text.empty())
            return static_cast<win::DWORD>(ole::CLng(ole::Variant(text)));
    } catch (const ole::Error&) {
    }
    return win::OFN_FILEMUSTEXIST;
}

// What the dialog wrote: one path, or with several files chosen the folder followed by the
// names, each NUL-terminated; several files give the first one's full path.
std::string ChosenPath(const std::string& buffer) {
    const auto nul = buffer.find('\0');
    if (nul == std::string::npos || nul + 1 >= buffer.size() || buffer[nul + 1] == '\0')
        return buffer.substr(0, nul);
    const std::string folder = buffer.substr(0, nul);
    const std::string name = buffer.substr(nul + 1, buffer.find('\0', nul + 1) - nul - 1);
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
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
    const std::string filter = FilterList(m_Filter);
    std::string file = Path() + std::string(257, '\0');
    std::string title = file;
    win::OPENFILENAMEA ofn{};
    ofn.lStructSize = win::OPENFILENAMEA_V1_SIZE;
    ofn.hwndOwner = win::GetWindow(Window(), win::GW_CHILD);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<win::DWORD>(file.size() - 1);
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = static_cast<win::DWORD>(title.size() - 1);
    ofn.lpstrInitialDir = m_InitialDir.c_str();
    ofn.lpstrTitle = Caption().c_str();
    ofn.Flags = FileFlags(m_FileFlags);
    ofn.lpstrDefExt = m_DefaultExt.c_str();
    const ole::Ptr<ole::Object> self(this);
    if (win::GetOpenFileNameA(&ofn))
        Choose(ChosenPath(file));
}

} // namespace attrgrid
