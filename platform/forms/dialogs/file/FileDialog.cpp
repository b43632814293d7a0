#include "platform/forms/dialogs/file/FileDialog.h"

#include "platform/forms/dialogs/CommonDialogError.h"
#include "platform/forms/dialogs/file/FileDialogWindow.h"

#include <filesystem>
#include <system_error>

namespace forms {

FileDialogResponderType& FileDialogResponder() {
    return ResponderInstance<FileDialogResponderType>();
}

namespace {

win::BOOL RunFileDialog(FileDialogKind kind, win::OPENFILENAMEA* ofn) {
    using namespace win;
    if (ofn == nullptr ||
        (ofn->lStructSize != OPENFILENAMEA_V1_SIZE && ofn->lStructSize != sizeof(OPENFILENAMEA))) {
        SetCommDlgError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    if (ofn->lpstrFile == nullptr || ofn->nMaxFile == 0) {
        SetCommDlgError(CDERR_INITIALIZATION);
        return FALSE;
    }
    FileDialogWindow dialog(FileDialogRequest::Decode(kind, *ofn));
    const std::optional<FileDialogAnswer> answer = RunCommonDialog(
        dialog, dialog.Request().owner, FileDialogResponder(),
        kind == FileDialogKind::Open ? "open dialog responder" : "save dialog responder");
    if (!answer || !answer->ok) {
        SetCommDlgError(0);
        return FALSE;
    }
    const DWORD error = WriteFileAnswer(*ofn, *answer);
    SetCommDlgError(error);
    if (error != 0) {
        return FALSE;
    }
    // The current directory follows the chosen folder unless the caller keeps it.
    if ((ofn->Flags & OFN_NOCHANGEDIR) == 0) {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::path(answer->paths.front()).parent_path(),
                                      ignored);
    }
    return TRUE;
}

} // namespace

} // namespace forms

namespace win {

BOOL GetOpenFileNameA(OPENFILENAMEA* ofn) {
    return forms::RunFileDialog(forms::FileDialogKind::Open, ofn);
}

BOOL GetSaveFileNameA(OPENFILENAMEA* ofn) {
    return forms::RunFileDialog(forms::FileDialogKind::Save, ofn);
}

} // namespace win
