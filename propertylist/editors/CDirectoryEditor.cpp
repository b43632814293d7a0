#include "propertylist/editors/CDirectoryEditor.h"

#include "propertylist/model/property/CProperty.h"

#include "platform/forms/dialogs/folder/FolderBrowser.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/win/Win.h"

#include <array>
#include <memory>

namespace attrgrid {

namespace {

struct ItemIdListFree {
    void operator()(win::ITEMIDLIST* list) const { win::CoTaskMemFree(list); }
};

} // namespace

ole::Ptr<CDirectoryEditor> CDirectoryEditor::Create() {
    return ole::MakeObject<CDirectoryEditor>();
}

void CDirectoryEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                             const ole::Ptr<CEditorListener>& anEditorListener) {
    ValueBoxEditor::Reset(aProperty, anEditorListener);
    if (!aProperty)
        return;
    ReadCaption(*aProperty);
    const ole::Variant flags(aProperty->GetEditorParam("FolderFlags"));
    try {
        if (!flags.AsString().empty() && ole::IsNumeric(flags))
            m_FolderFlags = ole::CLng(flags);
    } catch (const ole::Error&) {
    }
}

void CDirectoryEditor::Browse() {
    Choose([this]() -> std::optional<std::string> {
        win::BROWSEINFOA info{};
        info.hwndOwner = Button();
        info.lpszTitle = Caption().c_str();
        info.ulFlags = static_cast<win::UINT>(m_FolderFlags);
        const std::unique_ptr<win::ITEMIDLIST, ItemIdListFree> chosen(
            win::SHBrowseForFolderA(&info));
        std::array<char, 260> path{};
        if (!chosen || !win::SHGetPathFromIDListA(chosen.get(), path.data()))
            return std::nullopt;
        return std::string(path.data());
    });
}

} // namespace attrgrid
