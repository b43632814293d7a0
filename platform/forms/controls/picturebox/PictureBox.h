#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/controls/common/ColorValue.h"
#include "platform/forms/controls/common/ControlFont.h"
#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <functional>
#include <string>

namespace forms {

// A windowed container with its own coordinate system and graphics methods. It paints like
// every container surface (fill with BackColor, Picture, Paint for a non-empty update region,
// windowless children on top) and takes the focus when clicked.
//
// hDC is one DC kept for the window's life. It carries the Font, ForeColor as text colour, the
// TRANSPARENT background mode while FontTransparent, DrawMode as ROP2 and a DrawWidth pen; the
// control sets these only when the members change, so state a caller sets on it stays until
// the caller restores it. Graphics methods draw on it at once (AutoRedraw is always False).
class PictureBox : public Control, public ControlContainer {
public:
    enum Id : ole::DISPID {
        ScaleMode = 1,
        ScaleLeft = 2,
        ScaleTop = 3,
        ScaleWidth = 4,
        ScaleHeight = 5,
        ScaleX = 6,
        ScaleY = 7,
        Picture = 8,
        Hdc = 9,
        Cls = 10,
        Line = 11,
        Print = 12,
        CurrentX = 13,
        CurrentY = 14,
        TextWidth = 15,
        TextHeight = 16,
        FontTransparent = 17,
        AutoRedraw = 18,
        Align = 19,
        FillColor = 20,
        FillStyle = 21,
        DrawMode = 22,
        DrawWidth = 23,
    };

    static ole::Ptr<PictureBox> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ~PictureBox() override;

    // ---- Coordinate system ----
    int16_t GetScaleMode() const { return static_cast<int16_t>(m_scale.Mode()); }
    void SetScaleMode(int16_t mode);
    float GetScaleLeft() const { return static_cast<float>(m_scale.Left()); }
    float GetScaleTop() const { return static_cast<float>(m_scale.Top()); }
    float GetScaleWidth() const { return static_cast<float>(m_scale.Width()); }
    float GetScaleHeight() const { return static_cast<float>(m_scale.Height()); }
    void SetScaleLeft(float value);
    void SetScaleTop(float value);
    void SetScaleWidth(float value);
    void SetScaleHeight(float value);
    // fromScale defaults to HIMETRIC, toScale to the ScaleMode.
    float DoScaleX(float value, const ole::Variant& fromScale, const ole::Variant& toScale) const;
    float DoScaleY(float value, const ole::Variant& fromScale, const ole::Variant& toScale) const;

    // ---- Appearance ----
    int32_t BackColor() const { return ColorToLong(m_backColor); }
    void SetBackColor(const ole::Variant& color);
    int32_t ForeColor() const { return ColorToLong(m_foreColor); }
    void SetForeColor(const ole::Variant& color);
    int32_t GetFillColor() const { return ColorToLong(m_fillColor); }
    void SetFillColor(const ole::Variant& color);
    // 0 solid, 1 transparent (default), 2-7 hatches; others raise 380.
    int16_t GetFillStyle() const { return m_fillStyle; }
    void SetFillStyle(int16_t style);
    ole::Ptr<ole::Font> Font() const { return m_font.Object(); }
    void SetFont(ole::Ptr<ole::Font> font);
    bool GetFontTransparent() const { return m_fontTransparent; }
    void SetFontTransparent(bool transparent);
    // 0 flat, 1 3D (default); BorderStyle 0 none, 1 fixed single (default). Applied in place;
    // the client area changes and Resize follows.
    int16_t Appearance() const { return m_appearance; }
    void SetAppearance(int16_t appearance);
    int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int16_t style);
    // 0 none, 1 top, 2 bottom, 3 left, 4 right: docks the box to that edge of its container.
    int16_t GetAlign() const { return m_align; }
    void SetAlign(int16_t align);
    void OnContainerResized() override { ApplyAlign(); }
    // Only False is supported: a True let raises 380.
    bool GetAutoRedraw() const { return false; }
    void SetAutoRedraw(bool autoRedraw);
    // The empty picture object when none was set; a set draws at the natural size, top-left,
    // beneath everything else. Nothing clears it.
    ole::Ptr<ole::Picture> GetPicture() const;
    void SetPicture(ole::Ptr<ole::Picture> picture);

    // ---- Graphics ----
    int32_t GetHdc() const;
    int16_t GetDrawMode() const { return m_drawMode; }
    // 1..16 (ROP2 codes; 13 copy pen is the default).
    void SetDrawMode(int16_t mode);
    int16_t GetDrawWidth() const { return m_drawWidth; }
    // 1 or more; others raise 380.
    void SetDrawWidth(int16_t width);
    float GetCurrentX() const { return m_currentX; }
    void SetCurrentX(float x) { m_currentX = x; }
    float GetCurrentY() const { return m_currentY; }
    void SetCurrentY(float y) { m_currentY = y; }
    // Fills the client area with BackColor now; CurrentX = CurrentY = 0.
    void DoCls();
    // A line from (x1, y1) to (x2, y2), the end point excluded; flags "B" draws a box, "BF" a
    // filled box. Colour defaults to ForeColor. CurrentX/Y end at (x2, y2).
    void DoLine(float x1, float y1, float x2, float y2, const ole::Variant& color,
                const ole::Variant& flags);
    // Text at CurrentX/CurrentY; each line moves CurrentY down by its height and CurrentX to 0.
    void DoPrint(const ole::Variant& text);
    float DoTextWidth(const std::string& text);
    float DoTextHeight(const std::string& text);

    // ---- Container ----
    ControlContainer* AsControlContainer() override { return this; }
    const ScaleSpace* OwnScale() const override { return &m_scale; }
    win::HWND ContainerWindow() const override { return Window(); }
    ScaleSpace ChildScale() const override { return m_scale; }
    ole::Ptr<ole::Object> ContainerObject() const override;
    Form* HostForm() const override { return Control::HostForm(); }
    ole::Ptr<ole::Font> AmbientFont() const override { return m_font.Object(); }
    OLE_COLOR AmbientBackColor() const override { return m_backColor; }
    OLE_COLOR AmbientForeColor() const override { return m_foreColor; }

    PictureBox();

protected:
    std::string_view WindowClassName() const override;
    win::DWORD WindowStyle() const override;
    win::DWORD WindowExStyle() const override;
    void OnWindowCreated() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void ChangeScale(const std::function<void()>& change);
    // Tells the user controls inside that an ambient property changed.
    void AmbientChanged(std::string_view name);
    void ApplyFrame();
    void ApplyAlign();
    void SyncClientSize();
    void Repaint();
    // The persistent DC's state from the members (each only when its member changes).
    void ApplyTextState();
    void ApplyFont();
    void ApplyDrawMode();
    void ApplyPen();
    void ReleaseDrawingObjects();
    void DrawPicture(win::HDC hdc);
    void PaintSurface();
    win::POINT ToPixels(float x, float y) const;
    // Pixels of the widest line and of all lines in the Font.
    win::SIZE MeasureText(const std::string& text);

    mutable ScaleSpace m_scale;
    OLE_COLOR m_backColor = kButtonFace;
    OLE_COLOR m_foreColor = kButtonText;
    OLE_COLOR m_fillColor = 0;
    int16_t m_fillStyle = 1;
    bool m_fontTransparent = true;
    int16_t m_appearance = 1;
    int16_t m_borderStyle = 1;
    int16_t m_align = 0;
    int16_t m_drawMode = 13;
    int16_t m_drawWidth = 1;
    float m_currentX = 0;
    float m_currentY = 0;
    ole::Ptr<ole::Picture> m_picture;
    ControlFont m_font;
    win::HDC m_hdc;
    win::HPEN m_pen;
};

} // namespace forms
