#pragma once

#include "platform/forms/dialogs/DialogWindow.h"
#include "platform/forms/dialogs/file/FileDialogRequest.h"
#include "platform/forms/dialogs/file/FolderListing.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace forms {

// The open and save dialog on screen: the folder being shown with an Up button, its list
// (folders first as "[name]", "[..]" for the parent, then the files the chosen filter lets
// through), the name box, the filter list, the read-only box, and OK and Cancel.
//
//   list: click      a file fills the name box; with OFN_ALLOWMULTISELECT Ctrl and Shift
//                    select several, which fill it as "a" "b" (OK chooses them all)
//   list: dbl-click  enters a folder, or chooses a file
//   Enter / OK       enters a folder typed or selected; a name with "*" or "?" filters the
//                    list; otherwise checks the name as the flags ask (a missing path or file,
//                    or a read-only one with OFN_NOREADONLYRETURN, warns and keeps the dialog
//                    open; creating and overwriting ask first)
//   Esc / Cancel     cancels
class FileDialogWindow : public AnsweredDialog<FileDialogRequest, FileDialogAnswer> {
public:
    enum : int {
        kFolder = 1088,
        kUp = 1089,
        kList = 1120,
        kName = 1152,
        kType = 1136,
        kReadOnly = 1040,
    };

    explicit FileDialogWindow(FileDialogRequest request);

    const std::string& Folder() const { return m_folder; }
    const std::vector<FolderEntry>& Entries() const { return m_entries; }
    // The list box row that shows entry `index` ("[..]" comes first when there is a parent).
    int RowOf(int index) const { return index + (m_hasParent ? 1 : 0); }

protected:
    void Build() override;
    void OnCommand(int id, int code) override;

private:
    void Navigate(const std::string& folder);
    void Relist();
    // The entry at a list row, null for "[..]" and no row.
    const FolderEntry* EntryAt(int row) const;
    void OnListChoice(bool chosen);
    // The selected files of a multiple-selection list into the name box, quoted when several.
    void ShowSelectedNames();
    void OnOk();
    // The path a name stands for once the flags' checks pass (the default extension added, a
    // link followed unless kept); null when refused, after telling the person why.
    std::optional<std::string> Checked(std::filesystem::path path);
    // A warning or question over the dialog; true for Yes. Otherwise the name box is ready for
    // another name.
    bool Ask(const std::string& text, win::UINT type);

    std::string m_folder;
    std::string m_patterns;
    int m_filterIndex;
    bool m_hasParent = false;
    std::vector<FolderEntry> m_entries;
};

} // namespace forms
