#include "platform/forms/controls/frame/Frame.h"

#include "platform/forms/control/ContainerMessages.h"
#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/button/ButtonPainter.h"
#include "platform/win/gdi/DcGuards.h"

namespace forms {

ole::Ptr<Frame> Frame::Create() {
    return ole::MakeObject<Frame>();
}

Frame::Frame() : TextControl(kButtonFace, kButtonText) {}

const ole::ClassInfo& Frame::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<Frame> b("Frame");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F51}")
            .Interface("IFrame", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F52}", ole::TYPEFLAG_FDUAL)
            .EventInterface("FrameEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F53}");
        AddCommonMembers(b, CommonMembers::Geometry | CommonMembers::Window |
                                CommonMembers::Pointer | CommonMembers::ZOrder);
        b.Property("Caption", dispid::Caption, &Frame::Caption, &Frame::SetCaption,
                   ole::Persisted(ole::Variant("")));
        AddTextMembers(b);
        b.Property("BorderStyle", dispid::BorderStyle, &Frame::BorderStyle, &Frame::SetBorderStyle,
                   ole::Persisted(ole::Variant(int16_t{1})));
        AddClickEvents(b);
        AddMouseEvents(b);
        return b.Build();
    }();
    return info;
}

void Frame::SetCaption(const std::string& caption) {
    m_caption = caption;
    if (IsAlive())
        win::SetWindowTextA(Window(), caption.c_str());
    Repaint();
}

void Frame::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_borderStyle = style;
    Repaint();
}

ScaleSpace Frame::ChildScale() const {
    ScaleSpace scale;
    if (IsAlive()) {
        win::RECT client;
        win::GetClientRect(Window(), &client);
        scale.SetClientPixels({client.right, client.bottom});
    }
    return scale;
}

ole::Ptr<ole::Object> Frame::ContainerObject() const {
    return ole::Ptr<ole::Object>(const_cast<Frame*>(this));
}

ole::Ptr<ole::Font> Frame::AmbientFont() const {
    return const_cast<Frame*>(this)->Font();
}

std::string_view Frame::WindowClassName() const {
    return Control::RegisterRuntimeClass("FrameWindow", win::CS_DBLCLKS);
}

win::DWORD Frame::WindowStyle() const {
    return win::WS_CLIPCHILDREN | win::WS_CLIPSIBLINGS;
}

void Frame::PaintGroup(win::HDC hdc) {
    if (m_borderStyle == 0)
        return;
    win::RECT client;
    win::GetClientRect(Window(), &client);
    const win::SavedDc saved(hdc);
    win::SelectObject(hdc, FontHandle());
    const win::HBRUSH background = PrepareColors(hdc);
    win::controls::ButtonLook look;
    look.type = win::BS_GROUPBOX;
    look.enabled = win::IsWindowEnabled(Window()) != win::FALSE;
    look.text = m_caption;
    win::controls::ButtonPainter::Paint(hdc, client, background, look);
}

win::LRESULT Frame::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (const auto handled =
            HandleContainerMessage(*this, Window(), msg, wParam, lParam, BackOleColor()))
        return *handled;
    switch (msg) {
    case win::WM_PAINT:
        PaintContainerSurface(*this, Window(), BackOleColor(),
                              [this](win::HDC hdc) { PaintGroup(hdc); });
        return 0;
    case win::WM_ENABLE:
        Repaint();
        break;
    default:
        break;
    }
    return TextControl::WindowProc(msg, wParam, lParam);
}

} // namespace forms
