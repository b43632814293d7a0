#pragma once

#include "propertylist/editors/PathEditor.h"

#include "platform/win/gdi/OwnedObject.h"

#include <string>

namespace attrgrid {

// The picture editor: its value shows in a read-only edit field inside the value box, in the
// row's colours; "..." picks a picture file (the dialog always starts empty) and commits, and
// Backspace or Delete make the value "(none)", no picture, without ending the edit.
class CPictureEditor final : public PathEditor {
public:
    static ole::Ptr<CPictureEditor> Create();
    ~CPictureEditor() override;

    void LethFont(int32_t hFont) override;
    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;
    void Move(float nLeft, float nTop, float nWidth, float nHeight) override;

    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

private:
    CPictureEditor();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void MakeInnerWindows(win::HWND box) override;
    void ShowText(const std::string& text) override;
    void Browse() override;
    void UnhookEdit();

    win::HWND m_hWndEdit;
    bool m_editHooked = false;
    std::string m_Filter;
    std::string m_InitialDir;
    win::COLORREF m_TextColor = 0;
    win::OwnedObject<win::HBRUSH> m_BackBrush;
    win::COLORREF m_BrushColor = 0;
};

} // namespace attrgrid
