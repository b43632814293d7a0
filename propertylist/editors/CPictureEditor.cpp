#include "propertylist/editors/CPictureEditor.h"

#include "propertylist/editors/OpenFileDialog.h"
#include "propertylist/model/property/CProperty.h"

#include "shared/subclass/SubclassWnd.h"
#include "shared/util/ColorUtils.h"

#include "platform/base/Rounding.h"
#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/Drawing.h"

namespace attrgrid {

namespace {

constexpr win::DWORD kEditStyle = 0x50000800; // WS_CHILD | WS_VISIBLE | ES_READONLY
constexpr win::UINT kBoxMessages[] = {win::WM_DESTROY, win::WM_COMMAND, win::WM_CTLCOLOREDIT,
                                      win::WM_CTLCOLORSTATIC};
constexpr win::UINT kEditMessages[] = {win::WM_KEYDOWN, win::WM_DESTROY};
constexpr win::WPARAM kBackspace = 8;
constexpr win::WPARAM kDelete = 46;
constexpr const char* kNone = "(none)";

} // namespace

CPictureEditor::CPictureEditor() : PathEditor(kBoxMessages) {}

ole::Ptr<CPictureEditor> CPictureEditor::Create() {
    return ole::MakeObject<CPictureEditor>();
}

// The button goes first, then the edit field, then (in the frame) the box.
CPictureEditor::~CPictureEditor() {
    UnhookEdit();
    UnhookWindow();
    DestroyButton();
    if (m_hWndEdit && win::IsWindow(m_hWndEdit))
        win::DestroyWindow(m_hWndEdit);
    m_hWndEdit = {};
}

void CPictureEditor::MakeInnerWindows(win::HWND box) {
    m_hWndEdit = win::CreateWindowExA(0, "Edit", "", kEditStyle, 0, 0, 50 - ButtonWidth(), 200, box,
                                      {}, {}, nullptr);
    if (!m_hWndEdit)
        return;
    shared::SubclassWindow(m_hWndEdit, *this);
    m_editHooked = true;
    for (const win::UINT msg : kEditMessages)
        shared::HookMessage(m_hWndEdit, msg);
}

void CPictureEditor::UnhookEdit() {
    if (!m_editHooked || !win::IsWindow(m_hWndEdit))
        return;
    m_editHooked = false;
    for (const win::UINT msg : kEditMessages)
        shared::UnhookMessage(m_hWndEdit, msg);
    shared::UnsubclassWindow(m_hWndEdit);
}

void CPictureEditor::ShowText(const std::string& text) {
    win::SetWindowTextA(m_hWndEdit, text.c_str());
}

void CPictureEditor::LethFont(int32_t hFont) {
    PathEditor::LethFont(hFont);
    if (hFont != 0)
        win::SendMessageA(m_hWndEdit, win::WM_SETFONT, static_cast<win::WPARAM>(hFont), 1);
}

void CPictureEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                           const ole::Ptr<CEditorListener>& anEditorListener) {
    KeepListener(anEditorListener);
    win::SetWindowTextA(m_hWndEdit, "");
    if (!aProperty)
        return;
    m_TextColor = shared::TranslateColor(static_cast<uint32_t>(aProperty->GetForeColor()));
    // A brush is made for the first edit whatever its colour, black included.
    const win::COLORREF back =
        shared::TranslateColor(static_cast<uint32_t>(aProperty->GetBackColor()));
    if (!m_BackBrush.Get() || back != m_BrushColor) {
        m_BrushColor = back;
        m_BackBrush.Reset(win::CreateSolidBrush(back));
    }
    m_Filter = aProperty->GetEditorParam("Filter");
    ReadCaption(*aProperty);
    m_InitialDir = aProperty->GetEditorParam("InitialDir");
}

void CPictureEditor::Move(float nLeft, float nTop, float nWidth, float nHeight) {
    PathEditor::Move(nLeft, nTop, nWidth, nHeight);
    win::SetWindowPos(m_hWndEdit, {}, 0, 0, base::RoundHalfEvenToInt32(nWidth) - ButtonWidth(),
                      base::RoundHalfEvenToInt32(nHeight), win::SWP_NOZORDER);
}

void CPictureEditor::Browse() {
    // The dialog starts with an empty name, whatever the value.
    Choose([this] {
        return ChooseFile(
            {Button(), m_Filter, m_InitialDir, Caption(), "", 255, win::OFN_FILEMUSTEXIST, ""});
    });
}

win::LRESULT CPictureEditor::WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                               win::LPARAM lParam, bool& bRouteToOriginal) {
    const ole::Ptr<ole::Object> self(this);
    if (Msg == win::WM_DESTROY) {
        UnhookEdit();
        UnhookWindow();
        return 0;
    }
    if (hwnd == m_hWndEdit) {
        if (Msg != win::WM_KEYDOWN)
            return 0;
        if (wParam == kBackspace || wParam == kDelete) {
            bRouteToOriginal = false;
            SetPath(kNone);
            return 1;
        }
        EndOnKey(wParam);
        return 0;
    }
    if (Msg == win::WM_CTLCOLOREDIT || Msg == win::WM_CTLCOLORSTATIC) {
        const win::HDC hdc = win::HdcFromParam(static_cast<intptr_t>(wParam));
        win::SetBkMode(hdc, win::TRANSPARENT);
        win::SetTextColor(hdc, m_TextColor);
        bRouteToOriginal = false;
        return static_cast<win::LRESULT>(m_BackBrush.Get().Value());
    }
    return PathEditor::WindowMsgListener(hwnd, Msg, wParam, lParam, bRouteToOriginal);
}

} // namespace attrgrid
