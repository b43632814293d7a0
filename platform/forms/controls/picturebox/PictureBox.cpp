#include "platform/forms/controls/picturebox/PictureBox.h"

#include "platform/forms/control/ContainerMessages.h"
#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/FillStyle.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

namespace forms {

ole::Ptr<PictureBox> PictureBox::Create() {
    return ole::MakeObject<PictureBox>();
}

PictureBox::PictureBox()
    : m_font([this] {
          ApplyFont();
          AmbientChanged("Font");
      }) {}

PictureBox::~PictureBox() {
    ReleaseDrawingObjects();
}

const ole::ClassInfo& PictureBox::Info() {
    static const ole::ClassInfo info = [] {
        using ole::Arg;
        using ole::Opt;
        using ole::Params;
        using ole::Persisted;
        using ole::Typed;
        using ole::Variant;
        using P = PictureBox;
        ole::ClassBuilder<PictureBox> b("PictureBox");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F31}")
            .Interface("IPictureBox", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F32}", ole::TYPEFLAG_FDUAL)
            .EventInterface("PictureBoxEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F33}");
        AddCommonMembers(b, CommonMembers::All);
        b.Property("ScaleMode", ScaleMode, &P::GetScaleMode, &P::SetScaleMode,
                   Persisted(Variant(ModeValue(ScaleMode::Twips))))
            .Property("ScaleLeft", ScaleLeft, &P::GetScaleLeft, &P::SetScaleLeft)
            .Property("ScaleTop", ScaleTop, &P::GetScaleTop, &P::SetScaleTop)
            .Property("ScaleWidth", ScaleWidth, &P::GetScaleWidth, &P::SetScaleWidth)
            .Property("ScaleHeight", ScaleHeight, &P::GetScaleHeight, &P::SetScaleHeight)
            .Method("ScaleX", ScaleX, &P::DoScaleX,
                    Params({Arg("Width"), Opt("FromScale"), Opt("ToScale")}))
            .Method("ScaleY", ScaleY, &P::DoScaleY,
                    Params({Arg("Height"), Opt("FromScale"), Opt("ToScale")}))
            .Property("BackColor", dispid::BackColor, &P::BackColor, &P::SetBackColor,
                      Typed("OLE_COLOR") | Persisted(Variant(int32_t(kButtonFace))))
            .Property("ForeColor", dispid::ForeColor, &P::ForeColor, &P::SetForeColor,
                      Typed("OLE_COLOR") | Persisted(Variant(int32_t(kButtonText))))
            .Property("FillColor", FillColor, &P::GetFillColor, &P::SetFillColor,
                      Typed("OLE_COLOR") | Persisted(Variant(int32_t{0})))
            .Property("FillStyle", FillStyle, &P::GetFillStyle, &P::SetFillStyle,
                      Persisted(Variant(int16_t{1})))
            .Property("Font", dispid::Font, &P::Font, &P::SetFont, Typed("Font"))
            .Property("FontTransparent", FontTransparent, &P::GetFontTransparent,
                      &P::SetFontTransparent, Persisted(Variant(true)))
            .Property("Appearance", dispid::Appearance, &P::Appearance, &P::SetAppearance,
                      Persisted(Variant(int16_t{1})))
            .Property("BorderStyle", dispid::BorderStyle, &P::BorderStyle, &P::SetBorderStyle,
                      Persisted(Variant(int16_t{1})))
            .Property("Align", Align, &P::GetAlign, &P::SetAlign, Persisted(Variant(int16_t{0})))
            .Property("AutoRedraw", AutoRedraw, &P::GetAutoRedraw, &P::SetAutoRedraw)
            .Property("Picture", Picture, &P::GetPicture, &P::SetPicture, Typed("Picture"))
            .Get("hDC", Hdc, &P::GetHdc)
            .Property("DrawMode", DrawMode, &P::GetDrawMode, &P::SetDrawMode,
                      Persisted(Variant(int16_t{13})))
            .Property("DrawWidth", DrawWidth, &P::GetDrawWidth, &P::SetDrawWidth,
                      Persisted(Variant(int16_t{1})))
            .Property("CurrentX", CurrentX, &P::GetCurrentX, &P::SetCurrentX)
            .Property("CurrentY", CurrentY, &P::GetCurrentY, &P::SetCurrentY)
            .Method("Cls", Cls, &P::DoCls)
            .Method(
                "Line", Line, &P::DoLine,
                Params({Arg("X1"), Arg("Y1"), Arg("X2"), Arg("Y2"), Opt("Color"), Opt("Flags")}))
            .Method("Print", Print, &P::DoPrint, Params({Opt("Text", std::string())}))
            .Method("TextWidth", TextWidth, &P::DoTextWidth, Params({Arg("Str")}))
            .Method("TextHeight", TextHeight, &P::DoTextHeight, Params({Arg("Str")}));
        b.Event("Paint", eventid::Paint).Event("Resize", eventid::Resize);
        AddClickEvents(b);
        AddMouseEvents(b);
        AddKeyEvents(b);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

// ---- Coordinate system ----

void PictureBox::SetScaleMode(int16_t mode) {
    SyncClientSize();
    ChangeScale([&] { m_scale.SetMode(static_cast<int>(mode)); });
}

void PictureBox::SetScaleLeft(float value) {
    ChangeScale([&] { m_scale.SetLeft(value); });
}

void PictureBox::SetScaleTop(float value) {
    ChangeScale([&] { m_scale.SetTop(value); });
}

void PictureBox::SetScaleWidth(float value) {
    ChangeScale([&] { m_scale.SetWidth(value); });
}

void PictureBox::SetScaleHeight(float value) {
    ChangeScale([&] { m_scale.SetHeight(value); });
}

void PictureBox::ChangeScale(const std::function<void()>& change) {
    const forms::ScaleMode before = m_scale.Mode();
    change();
    if (m_scale.Mode() != before)
        AmbientChanged("ScaleUnits");
}

void PictureBox::AmbientChanged(std::string_view name) {
    if (IsAlive())
        Extender::NotifyAmbientChanged(*this, name);
}

namespace {

int ScaleArgument(const ole::Variant& value, int fallback) {
    const ole::Variant& v = value.Deref();
    return v.IsMissing() || v.IsEmpty() ? fallback : ole::CLng(v);
}

} // namespace

float PictureBox::DoScaleX(float value, const ole::Variant& fromScale,
                           const ole::Variant& toScale) const {
    return static_cast<float>(m_scale.Convert(value, ScaleArgument(fromScale, 8),
                                              ScaleArgument(toScale, GetScaleMode()), Axis::X));
}

float PictureBox::DoScaleY(float value, const ole::Variant& fromScale,
                           const ole::Variant& toScale) const {
    return static_cast<float>(m_scale.Convert(value, ScaleArgument(fromScale, 8),
                                              ScaleArgument(toScale, GetScaleMode()), Axis::Y));
}

void PictureBox::SyncClientSize() {
    if (!IsAlive())
        return;
    win::RECT client;
    win::GetClientRect(Window(), &client);
    m_scale.SetClientPixels({client.right, client.bottom});
}

win::POINT PictureBox::ToPixels(float x, float y) const {
    return {m_scale.PositionToWholePixels(x, Axis::X), m_scale.PositionToWholePixels(y, Axis::Y)};
}

// ---- Appearance ----

void PictureBox::SetBackColor(const ole::Variant& color) {
    m_backColor = ColorFromArgument(color);
    ApplyTextState();
    Repaint();
    AmbientChanged("BackColor");
}

void PictureBox::SetForeColor(const ole::Variant& color) {
    m_foreColor = ColorFromArgument(color);
    ApplyTextState();
    ApplyPen();
    AmbientChanged("ForeColor");
}

void PictureBox::SetFillColor(const ole::Variant& color) {
    m_fillColor = ColorFromArgument(color);
}

void PictureBox::SetFillStyle(int16_t style) {
    CheckFillStyle(style);
    m_fillStyle = style;
}

void PictureBox::SetFont(ole::Ptr<ole::Font> font) {
    m_font.Assign(font);
}

void PictureBox::SetFontTransparent(bool transparent) {
    m_fontTransparent = transparent;
    ApplyTextState();
}

void PictureBox::SetAppearance(int16_t appearance) {
    if (appearance < 0 || appearance > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_appearance = appearance;
    ApplyFrame();
}

void PictureBox::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_borderStyle = style;
    ApplyFrame();
}

win::DWORD PictureBox::WindowStyle() const {
    win::DWORD style = win::WS_CLIPCHILDREN | win::WS_CLIPSIBLINGS;
    if (m_borderStyle == 1 && m_appearance == 0)
        style |= win::WS_BORDER;
    return style;
}

win::DWORD PictureBox::WindowExStyle() const {
    return m_borderStyle == 1 && m_appearance == 1 ? win::WS_EX_CLIENTEDGE : 0;
}

void PictureBox::ApplyFrame() {
    if (!IsAlive())
        return;
    const win::HWND hwnd = Window();
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(hwnd, win::GWL_STYLE));
    const auto exStyle = static_cast<win::DWORD>(win::GetWindowLongA(hwnd, win::GWL_EXSTYLE));
    const win::DWORD newStyle = (style & ~win::WS_BORDER) | WindowStyle();
    const win::DWORD newExStyle = (exStyle & ~win::WS_EX_CLIENTEDGE) | WindowExStyle();
    if (newStyle == style && newExStyle == exStyle)
        return;
    win::SetWindowLongA(hwnd, win::GWL_STYLE, static_cast<win::LONG_PTR>(newStyle));
    win::SetWindowLongA(hwnd, win::GWL_EXSTYLE, static_cast<win::LONG_PTR>(newExStyle));
    // The frame change resizes the client area, which raises Resize from WM_SIZE.
    win::SetWindowPos(hwnd, {}, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                          win::SWP_FRAMECHANGED);
    win::RedrawWindow(hwnd, nullptr, {},
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN);
}

void PictureBox::SetAlign(int16_t align) {
    if (align < 0 || align > 4)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_align = align;
    ApplyAlign();
}

void PictureBox::ApplyAlign() {
    ControlContainer* container = ContainerSite();
    if (!IsAlive() || m_align == 0 || !container)
        return;
    win::RECT client;
    win::GetClientRect(container->ContainerWindow(), &client);
    const win::RECT bounds = PixelBounds();
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    switch (m_align) {
    case 1:
        SetPixelBounds({0, 0, client.right, height});
        break;
    case 2:
        SetPixelBounds({0, client.bottom - height, client.right, client.bottom});
        break;
    case 3:
        SetPixelBounds({0, 0, width, client.bottom});
        break;
    case 4:
        SetPixelBounds({client.right - width, 0, client.right, client.bottom});
        break;
    default:
        break;
    }
}

void PictureBox::SetAutoRedraw(bool autoRedraw) {
    if (autoRedraw)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
}

ole::Ptr<ole::Picture> PictureBox::GetPicture() const {
    return m_picture ? m_picture : ole::Picture::CreateEmpty();
}

void PictureBox::SetPicture(ole::Ptr<ole::Picture> picture) {
    m_picture = std::move(picture);
    Repaint();
}

// ---- Graphics ----

int32_t PictureBox::GetHdc() const {
    return static_cast<int32_t>(IsAlive() ? m_hdc.Value() : 0);
}

void PictureBox::SetDrawMode(int16_t mode) {
    if (mode < 1 || mode > 16)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_drawMode = mode;
    ApplyDrawMode();
}

void PictureBox::SetDrawWidth(int16_t width) {
    if (width < 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_drawWidth = width;
    ApplyPen();
}

void PictureBox::DoCls() {
    m_currentX = 0;
    m_currentY = 0;
    if (!IsAlive())
        return;
    win::RECT client;
    win::GetClientRect(Window(), &client);
    ColorBrush brush;
    win::FillRect(m_hdc, &client, brush.Get(m_backColor));
}

void PictureBox::ApplyTextState() {
    if (!m_hdc)
        return;
    win::SetTextColor(m_hdc, TranslateColor(m_foreColor));
    win::SetBkColor(m_hdc, TranslateColor(m_backColor));
    win::SetBkMode(m_hdc, m_fontTransparent ? win::TRANSPARENT : win::OPAQUE);
}

// ---- Container and window ----

ole::Ptr<ole::Object> PictureBox::ContainerObject() const {
    return ole::Ptr<ole::Object>(const_cast<PictureBox*>(this));
}

std::string_view PictureBox::WindowClassName() const {
    return Control::RegisterRuntimeClass("PictureBoxWindow", win::CS_DBLCLKS);
}

void PictureBox::OnWindowCreated() {
    if (ControlContainer* container = ContainerSite())
        m_font.AdoptAmbient(container->AmbientFont().Get());
    SyncClientSize();
    m_hdc = win::GetDC(Window());
    ApplyTextState();
    ApplyFont();
    ApplyDrawMode();
    ApplyPen();
    ApplyAlign();
}

void PictureBox::Repaint() {
    if (IsAlive())
        win::InvalidateRect(Window(), nullptr, win::TRUE);
}

void PictureBox::PaintSurface() {
    PaintContainerSurface(*this, Window(), m_backColor, [this](win::HDC hdc) {
        DrawPicture(hdc);
        RaiseEvent(eventid::Paint);
    });
}

win::LRESULT PictureBox::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (const auto handled =
            HandleContainerMessage(*this, Window(), msg, wParam, lParam, m_backColor))
        return *handled;
    switch (msg) {
    case win::WM_PAINT:
        PaintSurface();
        return 0;
    case win::WM_SIZE:
        SyncClientSize();
        break;
    case win::WM_LBUTTONDOWN:
        if (win::GetFocus() != Window())
            win::SetFocus(Window());
        break;
    case win::WM_DESTROY:
        ReleaseDrawingObjects();
        break;
    default:
        break;
    }
    return Control::WindowProc(msg, wParam, lParam);
}

} // namespace forms
