#pragma once

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/controls/common/TextControl.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/win/text/AccessKey.h"

#include <cstdint>
#include <string>

namespace forms {

// A windowed container drawn as a group box: an etched frame whose top runs through the middle
// of the caption. Its window rectangle is its client rectangle, so children are placed from its
// outer corner, in twips (it has no ScaleMode of its own). It never takes the focus; its access
// key moves the focus to the next control in tab order, and disabling it disables what it holds.
class Frame : public TextControl, public ControlContainer {
public:
    static ole::Ptr<Frame> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    // 0 none (neither frame nor caption), 1 fixed single (default); others raise 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int16_t style);
    char AccessKey() const override { return win::AccessKeyOf(m_caption); }
    bool CanTakeFocus() const override { return false; }

    // ---- Container ----
    ControlContainer* AsControlContainer() override { return this; }
    win::HWND ContainerWindow() const override { return Window(); }
    ScaleSpace ChildScale() const override;
    ole::Ptr<ole::Object> ContainerObject() const override;
    Form* HostForm() const override { return Control::HostForm(); }
    ole::Ptr<ole::Font> AmbientFont() const override;
    OLE_COLOR AmbientBackColor() const override { return BackOleColor(); }
    OLE_COLOR AmbientForeColor() const override { return ForeOleColor(); }

    Frame();

protected:
    std::string_view WindowClassName() const override;
    win::DWORD WindowStyle() const override;
    std::string InitialWindowText() const override { return m_caption; }
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void PaintGroup(win::HDC hdc);

    std::string m_caption;
    int16_t m_borderStyle = 1;
};

} // namespace forms
