// The main window's layout-file commands.
#include "MDISample.h"

#include "demo/app/Sampledesk.h"
#include "demo/forms/frmDesigner.h"

#include "platform/forms/app/App.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

namespace sampledesk {

namespace {

constexpr int kNameRoom = 257;
constexpr char kFilter[] = "All Formdesigner Files (*.ksf)\0*.ksf\0All Files (*.*)\0*.*\0";

// The text before the first NUL.
std::string StripNull(const std::vector<char>& buffer) {
    return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
}

// ".ksf" goes on a name whose last part has no dot; dots in folder names do not count.
std::string WithExtension(const std::string& name) {
    const std::string last = std::filesystem::path(name).filename().string();
    return last.find('.') == std::string::npos ? name + ".ksf" : name;
}

} // namespace

bool MDISample::AskToSave() {
    switch (forms::MsgBox("Do you want to save?", forms::vbYesNoCancel, "Form Designer")) {
    case forms::vbYes:
        return SaveFile();
    case forms::vbNo:
        return true;
    default:
        return false;
    }
}

bool MDISample::ShowFileDialog(bool bOpen) {
    std::vector<char> file(m_sFileName.begin(), m_sFileName.end());
    file.resize(file.size() + kNameRoom, '\0');
    std::vector<char> title = file;
    const std::string folder = forms::App::Program().Path();
    win::OPENFILENAMEA ofn;
    ofn.lStructSize = win::OPENFILENAMEA_V1_SIZE;
    ofn.hwndOwner = Window();
    ofn.hInstance =
        win::HINSTANCE::FromValue(static_cast<uint32_t>(forms::App::Program().hInstance()));
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<win::DWORD>(file.size() - 1);
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = ofn.nMaxFile;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = "Layout File";
    // A save dialog that insisted on an existing file could never save a new layout.
    ofn.Flags = bOpen ? win::OFN_FILEMUSTEXIST : 0;
    const bool chosen = bOpen ? win::GetOpenFileNameA(&ofn) : win::GetSaveFileNameA(&ofn);
    if (chosen)
        m_sFileName = StripNull(file);
    return chosen;
}

bool MDISample::SaveFile() {
    const bool named = m_sFileName != kUntitled;
    if (!named && !ShowFileDialog(false))
        return false;
    m_sFileName = WithExtension(m_sFileName);
    std::array<ole::Variant, 1> args{ole::Variant(m_sFileName)};
    // A save that failed, even halfway, is no save: New, Open and Close must not then drop the
    // layout. A name just chosen that could not be written is let go, so the next Save asks again.
    if (ole::CBool(ole::CallMethod(FormDesigner(), "SaveLayout", args)))
        return true;
    if (!named)
        m_sFileName = kUntitled;
    return false;
}

void MDISample::DropLayout() {
    if (auto program = Program())
        if (auto designer = program->PeekDesigner())
            designer->UnloadForm();
    m_sFileName = kUntitled;
}

void MDISample::NewLayout() {
    if (!AskToSave())
        return;
    DropLayout();
    ShowDesigner();
    ShowFileNameInCaption();
}

void MDISample::OpenLayout() {
    if (!AskToSave())
        return;
    DropLayout();
    ShowFileNameInCaption();
    ShowDesigner();
    if (!ShowFileDialog(true))
        return;
    auto program = Program();
    const auto designer = program ? program->Designer() : nullptr;
    // A file that did not load is not this layout's: a later Save must not write over it.
    if (!designer || !designer->LoadLayout(m_sFileName))
        m_sFileName = kUntitled;
    ShowFileNameInCaption();
}

void MDISample::CloseLayout() {
    if (!AskToSave())
        return;
    DropLayout();
    ShowFileNameInCaption();
}

void MDISample::Exit() {
    SaveFile();
    UnloadForm();
}

} // namespace sampledesk
