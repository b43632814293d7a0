#pragma once

#include "platform/forms/dialogs/DialogWindow.h"
#include "platform/forms/dialogs/folder/FolderBrowserRequest.h"
#include "platform/forms/dialogs/folder/FolderTree.h"

namespace forms {

// The folder browser on screen, captioned "Browse for Folder": the instruction, the tree (a list
// box whose rows are indented by depth), the edit box when asked, OK and Cancel.
//
//   click a row       selects it (the edit box shows its name)
//   double-click, →   opens it: its sub-folders (and files, when asked) show below it
//   ←                 opens the folder above the selected row
//   Enter / OK        the selected item, or the name typed in the edit box below it
//   Esc / Cancel      cancels
//
// OK is grey while the selection cannot be returned (the virtual root with
// BIF_RETURNONLYFSDIRS, anything when computers or printers are asked for).
class FolderBrowserWindow : public AnsweredDialog<FolderBrowserRequest, FolderBrowserAnswer> {
public:
    enum : int { kTree = 100, kEdit = 101 };

    explicit FolderBrowserWindow(FolderBrowserRequest request);

    const FolderTree& Tree() const { return m_tree; }

protected:
    void Build() override;
    void OnCommand(int id, int code) override;
    std::optional<win::LRESULT> OnControlMessage(win::HWND control, win::UINT msg,
                                                 win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void Fill(const std::string& select);
    const FolderNode* Selected() const;
    void OnSelection();
    void OnOk();
    void OpenRow(int row);

    FolderTree m_tree;
};

} // namespace forms
