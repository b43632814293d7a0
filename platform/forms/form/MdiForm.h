#pragma once

#include "platform/forms/form/Form.h"

namespace forms {

// The program's multiple-document frame: a form whose client area holds aligned controls and,
// in what they leave, the MDI client with the child forms (forms whose MDIChild is True).
//
// Aligned controls (extender Align 1 top, 2 bottom, 3 left, 4 right) are placed in the form's
// order, each taking a strip off what is left: a top or bottom one spans the remaining width at
// its own height, a left or right one the remaining height at its own width. Hidden ones take
// nothing, so hiding one enlarges the client. The layout follows every resize, visibility and
// Align change.
//
// Unloading the frame: its QueryUnload, then each loaded child unloads with UnloadMode 4
// (QueryUnload, Unload); a child that cancels cancels the whole unload; then the frame's Unload.
class MdiForm : public Form {
public:
    static ole::Ptr<MdiForm> Create(std::string name);
    // The most recently created MDI form still alive; null when there is none.
    static ole::Ptr<MdiForm> Instance();

    win::HWND ClientWindow() const { return m_client; }
    // The active child form; null when none.
    ole::Ptr<Form> ActiveForm() const;
    // The loaded child forms, in the order they were loaded.
    std::vector<ole::Ptr<Form>> Children() const;
    void ArrangeAligned();
    // Ctrl+F4 closes the active child (its QueryUnload runs), Ctrl+F6 activates the next one;
    // true when the key was one of them.
    bool TranslateSystemKey(win::WPARAM key);

    explicit MdiForm(std::string name);
    ~MdiForm() override;

protected:
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    win::LRESULT DefaultProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    void OnWindowCreated() override;
    bool UnloadDependents() override;

private:
    win::HWND m_client;
};

} // namespace forms
