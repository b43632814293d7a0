#include "platform/forms/dialogs/folder/FolderBrowserWindow.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/dialogs/folder/FolderBrowser.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/input/Input.h"
#include "platform/win/window/Window.h"

#include <filesystem>
#include <system_error>

namespace forms {

namespace fs = std::filesystem;
using namespace win;

namespace {

constexpr SIZE kClient{300, 330};
constexpr int kIndent = 3; // blanks per level of the tree

} // namespace

FolderBrowserWindow::FolderBrowserWindow(FolderBrowserRequest request)
    : AnsweredDialog(request, "Browse for Folder", kClient),
      m_tree(request.root, request.home, request.IncludeFiles()) {}

void FolderBrowserWindow::Build() {
    AddControl("Static", m_request.instruction, SS_NOPREFIX, {8, 8, 292, 40}, -1);
    const int treeBottom = m_request.EditBox() ? 260 : 290;
    AddControl("ListBox", "", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
               {8, 44, 292, treeBottom}, kTree);
    if (m_request.EditBox()) {
        AddControl("Edit", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, {8, 266, 292, 288}, kEdit);
    }
    AddControl("Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {136, 298, 210, 321}, IDOK);
    AddControl("Button", "Cancel", WS_TABSTOP, {218, 298, 292, 321}, IDCANCEL);
    Fill(m_tree.OpenFolder());
    SetInitialFocus(kTree);
}

void FolderBrowserWindow::Fill(const std::string& select) {
    const HWND list = Item(kTree);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int selected = 0;
    for (size_t i = 0; i < m_tree.Rows().size(); ++i) {
        const FolderNode& node = m_tree.Rows()[i];
        const std::string shown(static_cast<size_t>(node.depth * kIndent), ' ');
        SendMessageA(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>((shown + node.display).c_str()));
        if (node.path == select) {
            selected = static_cast<int>(i);
        }
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    OnSelection();
}

const FolderNode* FolderBrowserWindow::Selected() const {
    const LRESULT row = SendMessageA(Item(kTree), LB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<size_t>(row) >= m_tree.Rows().size()) {
        return nullptr;
    }
    return &m_tree.Rows()[static_cast<size_t>(row)];
}

void FolderBrowserWindow::OnSelection() {
    const FolderNode* node = Selected();
    const bool returnable = node != nullptr && !m_request.NothingSelectable() &&
                            !(node->IsVirtual() && (m_request.flags & BIF_RETURNONLYFSDIRS) != 0);
    EnableWindow(Item(IDOK), returnable ? TRUE : FALSE);
    if (node != nullptr && Item(kEdit)) {
        SetItemText(kEdit, node->display);
    }
}

void FolderBrowserWindow::OnCommand(int id, int code) {
    switch (id) {
    case IDOK:
        OnOk();
        break;
    case IDCANCEL:
        Finish(FolderBrowserAnswer::Cancel());
        break;
    case kTree:
        if (code == LBN_SELCHANGE) {
            OnSelection();
        } else if (code == LBN_DBLCLK) {
            OpenRow(static_cast<int>(SendMessageA(Item(kTree), LB_GETCURSEL, 0, 0)));
        }
        break;
    default:
        break;
    }
}

void FolderBrowserWindow::OpenRow(int row) {
    if (row >= 0 && static_cast<size_t>(row) < m_tree.Rows().size()) {
        const std::string path = m_tree.Rows()[static_cast<size_t>(row)].path;
        m_tree.Open(static_cast<size_t>(row));
        Fill(path);
    }
}

std::optional<LRESULT> FolderBrowserWindow::OnControlMessage(HWND control, UINT msg, WPARAM wParam,
                                                             LPARAM) {
    if (control != Item(kTree) || msg != WM_KEYDOWN ||
        (wParam != static_cast<WPARAM>(VK_RIGHT) && wParam != static_cast<WPARAM>(VK_LEFT))) {
        return std::nullopt;
    }
    int row = static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0));
    if (row >= 0 && wParam == static_cast<WPARAM>(VK_LEFT)) {
        // The nearest row above that is one level up.
        const int depth = m_tree.Rows()[static_cast<size_t>(row)].depth;
        while (row > 0 && m_tree.Rows()[static_cast<size_t>(row)].depth >= depth) {
            --row;
        }
    }
    OpenRow(row);
    return 0;
}

void FolderBrowserWindow::OnOk() {
    const FolderNode* node = Selected();
    if (node == nullptr || !IsWindowEnabled(Item(IDOK))) {
        return;
    }
    std::string path = node->path;
    // A name typed in the edit box means that item, below the selected folder.
    const std::string typed = Item(kEdit) ? ItemText(kEdit) : std::string();
    if (!typed.empty() && typed != node->display) {
        const fs::path base = node->IsVirtual() || node->file ? fs::path("/") : fs::path(path);
        const fs::path named = typed.front() == '/' ? fs::path(typed) : base / typed;
        std::error_code error;
        const bool found =
            m_request.IncludeFiles() ? fs::exists(named, error) : fs::is_directory(named, error);
        if (!found) {
            MessageBoxA(Hwnd(), ("The folder \"" + typed + "\" does not exist.").c_str(),
                        "Browse for Folder", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        path = named.lexically_normal().string();
    }
    Finish(FolderBrowserAnswer{true, path});
}

} // namespace forms
