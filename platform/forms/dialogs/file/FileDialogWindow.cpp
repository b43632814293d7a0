#include "platform/forms/dialogs/file/FileDialogWindow.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/input/Input.h"
#include "platform/win/window/Window.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace forms {

namespace fs = std::filesystem;
using namespace win;

namespace {

constexpr SIZE kClient{420, 300};

bool HasWildcard(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

std::string Trimmed(std::string text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The names of a text such as "a.bmp" "b c.bmp": each between a pair of double quotes.
std::vector<std::string> QuotedNames(const std::string& text) {
    std::vector<std::string> names;
    for (size_t open = text.find('"'); open != std::string::npos;) {
        const size_t close = text.find('"', open + 1);
        if (close == std::string::npos) {
            break;
        }
        if (close > open + 1) {
            names.push_back(text.substr(open + 1, close - open - 1));
        }
        open = text.find('"', close + 1);
    }
    return names;
}

// Read-only by its permission bits: nobody may write it.
bool IsReadOnly(const fs::path& path) {
    std::error_code error;
    const fs::perms perms = fs::status(path, error).permissions();
    constexpr fs::perms writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !error && (perms & writable) == fs::perms::none;
}

} // namespace

FileDialogWindow::FileDialogWindow(FileDialogRequest request)
    : AnsweredDialog(request, request.title, kClient), m_folder(m_request.folder),
      m_patterns(m_request.Patterns(m_request.filterIndex)), m_filterIndex(m_request.filterIndex) {}

void FileDialogWindow::Build() {
    const bool open = m_request.kind == FileDialogKind::Open;
    AddControl("Static", "Look &in:", 0, {8, 10, 70, 26}, -1);
    AddControl("Static", "", SS_LEFTNOWORDWRAP | SS_NOPREFIX, {72, 10, 330, 26}, kFolder);
    AddControl("Button", "&Up", WS_TABSTOP, {336, 7, 412, 30}, kUp);
    const DWORD multiple = (m_request.flags & OFN_ALLOWMULTISELECT) != 0 ? LBS_EXTENDEDSEL : 0;
    AddControl("ListBox", "", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | multiple,
               {8, 36, 412, 206}, kList);
    AddControl("Static", "File &name:", 0, {8, 218, 90, 234}, -1);
    AddControl("Edit", m_request.name, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, {92, 214, 320, 236},
               kName);
    AddControl("Button", open ? "&Open" : "&Save", WS_TABSTOP | BS_DEFPUSHBUTTON,
               {330, 213, 412, 236}, IDOK);
    AddControl("Static", open ? "Files of &type:" : "Save as &type:", 0, {8, 248, 90, 264}, -1);
    AddControl("ComboBox", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, {92, 244, 320, 364},
               kType);
    AddControl("Button", "Cancel", WS_TABSTOP, {330, 243, 412, 266}, IDCANCEL);
    if ((m_request.flags & OFN_HIDEREADONLY) == 0) {
        AddControl("Button", "Open as &read-only", WS_TABSTOP | BS_AUTOCHECKBOX,
                   {92, 272, 320, 292}, kReadOnly);
        SetChecked(kReadOnly, (m_request.flags & OFN_READONLY) != 0);
    }
    for (const FileFilter& filter : m_request.filters) {
        SendMessageA(Item(kType), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(filter.description.c_str()));
    }
    SendMessageA(Item(kType), CB_SETCURSEL, static_cast<WPARAM>(m_filterIndex - 1), 0);
    Relist();
    // The name box has the focus first, its text selected.
    SetInitialFocus(kName);
    SendMessageA(Item(kName), EM_SETSEL, 0, -1);
}

void FileDialogWindow::Navigate(const std::string& folder) {
    m_folder = fs::path(folder).lexically_normal().string();
    if (m_folder.size() > 1 && m_folder.back() == '/') {
        m_folder.pop_back();
    }
    Relist();
}

void FileDialogWindow::Relist() {
    SetItemText(kFolder, m_folder);
    m_entries = ListFolder(m_folder, m_patterns);
    m_hasParent = m_folder != "/";
    const HWND list = Item(kList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (m_hasParent) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("[..]"));
    }
    for (const FolderEntry& entry : m_entries) {
        const std::string shown = entry.folder ? "[" + entry.name + "]" : entry.name;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }
    EnableWindow(Item(kUp), m_hasParent ? TRUE : FALSE);
}

const FolderEntry* FileDialogWindow::EntryAt(int row) const {
    const int index = row - (m_hasParent ? 1 : 0);
    if (row < 0 || index < 0 || static_cast<size_t>(index) >= m_entries.size()) {
        return nullptr;
    }
    return &m_entries[static_cast<size_t>(index)];
}

void FileDialogWindow::OnCommand(int id, int code) {
    switch (id) {
    case IDOK:
        if (code == BN_CLICKED) {
            OnOk();
        }
        break;
    case IDCANCEL:
        Finish(FileDialogAnswer::Cancel());
        break;
    case kUp:
        if (m_hasParent) {
            Navigate(fs::path(m_folder).parent_path().string());
        }
        break;
    case kList:
        if (code == LBN_SELCHANGE || code == LBN_DBLCLK) {
            OnListChoice(code == LBN_DBLCLK);
        }
        break;
    case kType:
        if (code == CBN_SELCHANGE) {
            const auto selected = SendMessageA(Item(kType), CB_GETCURSEL, 0, 0);
            if (selected >= 0) {
                m_filterIndex = static_cast<int>(selected) + 1;
                m_patterns = m_request.Patterns(m_filterIndex);
                Relist();
            }
        }
        break;
    default:
        break;
    }
}

void FileDialogWindow::ShowSelectedNames() {
    const HWND list = Item(kList);
    std::vector<int> rows(
        static_cast<size_t>(std::max<LRESULT>(0, SendMessageA(list, LB_GETSELCOUNT, 0, 0))));
    rows.resize(static_cast<size_t>(
        SendMessageA(list, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()))));
    std::vector<std::string> names;
    for (const int row : rows) {
        if (const FolderEntry* entry = EntryAt(row); entry != nullptr && !entry->folder) {
            names.push_back(entry->name);
        }
    }
    if (names.size() == 1) {
        SetItemText(kName, names.front());
    } else if (names.size() > 1) {
        std::string text;
        for (const std::string& name : names) {
            text += (text.empty() ? "\"" : " \"") + name + "\"";
        }
        SetItemText(kName, text);
    }
}

void FileDialogWindow::OnListChoice(bool chosen) {
    const int row = static_cast<int>(SendMessageA(Item(kList), LB_GETCURSEL, 0, 0));
    if (!chosen && (m_request.flags & OFN_ALLOWMULTISELECT) != 0) {
        ShowSelectedNames();
        return;
    }
    const FolderEntry* entry = EntryAt(row);
    if (entry != nullptr && !entry->folder) {
        SetItemText(kName, entry->name);
        if (chosen) {
            OnOk();
        }
        return;
    }
    if (chosen && row >= 0) {
        // "[..]" or a folder.
        Navigate(entry == nullptr ? fs::path(m_folder).parent_path().string()
                                  : (fs::path(m_folder) / entry->name).string());
    }
}

bool FileDialogWindow::Ask(const std::string& text, UINT type) {
    const int answer = MessageBoxA(Hwnd(), text.c_str(), m_request.title.c_str(), type);
    if (answer == IDYES) {
        return true;
    }
    // Refused: the name is selected for retyping.
    FocusItem(kName);
    SendMessageA(Item(kName), EM_SETSEL, 0, -1);
    return false;
}

void FileDialogWindow::OnOk() {
    // Enter on a folder (or "[..]") in the list opens it, whatever the name box holds.
    if (GetFocus() == Item(kList)) {
        const int row = static_cast<int>(SendMessageA(Item(kList), LB_GETCURSEL, 0, 0));
        const FolderEntry* entry = EntryAt(row);
        if (row >= 0 && (entry == nullptr || entry->folder)) {
            OnListChoice(true);
            return;
        }
    }
    const std::string typed = Trimmed(ItemText(kName));
    if (typed.empty()) {
        return;
    }
    if (HasWildcard(typed)) {
        m_patterns = typed;
        Relist();
        return;
    }
    const bool readOnly = Item(kReadOnly) && IsChecked(kReadOnly);
    // Several names are typed quoted, each a name in the folder shown.
    if ((m_request.flags & OFN_ALLOWMULTISELECT) != 0 && typed.front() == '"') {
        std::vector<std::string> paths;
        for (const std::string& name : QuotedNames(typed)) {
            const std::optional<std::string> path = Checked(fs::path(m_folder) / name);
            if (!path) {
                return;
            }
            paths.push_back(*path);
        }
        if (!paths.empty()) {
            Finish(FileDialogAnswer{true, std::move(paths), readOnly, m_filterIndex});
        }
        return;
    }
    std::error_code error;
    const fs::path path =
        (typed.front() == '/' ? fs::path(typed) : fs::path(m_folder) / typed).lexically_normal();
    if (fs::is_directory(path, error)) {
        SetItemText(kName, "");
        Navigate(path.string());
        return;
    }
    if (const std::optional<std::string> checked = Checked(path)) {
        Finish(FileDialogAnswer{true, {*checked}, readOnly, m_filterIndex});
    }
}

std::optional<std::string> FileDialogWindow::Checked(fs::path path) {
    std::error_code error;
    if (!path.has_extension() && !m_request.defaultExtension.empty() && !fs::exists(path, error)) {
        path += "." + m_request.defaultExtension;
    }
    const DWORD flags = m_request.flags;
    const std::string name = path.filename().string();
    const bool mustExist = (flags & OFN_FILEMUSTEXIST) != 0;
    if ((mustExist || (flags & OFN_PATHMUSTEXIST) != 0) &&
        !fs::is_directory(path.parent_path(), error)) {
        Ask(path.string() + "\nPath does not exist.\nCheck the path and try again.",
            MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    const bool exists = fs::exists(path, error);
    if (mustExist && !exists) {
        Ask(name + "\nFile not found.\nCheck the file name and try again.",
            MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    const bool open = m_request.kind == FileDialogKind::Open;
    if (open && !exists && (flags & OFN_CREATEPROMPT) != 0 &&
        !Ask(name + "\nThis file does not exist.\nDo you want to create it?",
             MB_YESNO | MB_ICONQUESTION)) {
        return std::nullopt;
    }
    if (!open && exists && (flags & OFN_OVERWRITEPROMPT) != 0 &&
        !Ask(name + " already exists.\nDo you want to replace it?",
             MB_YESNO | MB_ICONEXCLAMATION)) {
        return std::nullopt;
    }
    if ((flags & OFN_NOREADONLYRETURN) != 0 && exists && IsReadOnly(path)) {
        Ask(name + "\nThis file is set to read-only.\nTry again with a different file name.",
            MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    if ((flags & OFN_NODEREFERENCELINKS) == 0 && fs::is_symlink(path, error)) {
        path = fs::weakly_canonical(path, error);
    }
    return path.string();
}

} // namespace forms
