#include "colorpicker/control/KSColorPicker.h"

#include "colorpicker/dropdown/frmColorPicker.h"
#include "colorpicker/library/HuechooserTypes.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/FontUtils.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"

#include <cstdio>

namespace huechooser {

using ole::ResumeNext;

namespace {

constexpr std::string_view kDefaultNames =
    "Scroll Bars&Desktop&Active Title Bar&Inactive Title Bar&Menu Bar&Window Background&"
    "Window Frame&Menu Text&Window Text&Active Title Bar Text&Active Border&Inactive Border&"
    "Application Workspace&Highlight&Highlight Text&Button Face&Button Shadow&Disabled Text&"
    "Button Text&Inactive Title Bar Text&Button Highlight&Button Dark Shadow&"
    "Button Light Shadow&ToolTip Text&ToolTip";

constexpr int32_t kDefaultCustomColor = 0xFFFFFF;
// DFCS_SCROLLDOWN: the down arrow; pressed adds DFCS_PUSHED | DFCS_FLAT.
constexpr win::UINT kDropButton = 1;
constexpr win::UINT kDropButtonPushed = 0x4201;

constexpr int32_t SystemColor(uint32_t index) {
    return static_cast<int32_t>(0x80000000U + index);
}

// The surface's Appearance and BorderStyle are 16-bit: a Long past that range is an overflow, not
// its low word (65537 would have set 1).
int16_t ToInteger(int32_t value) {
    return ole::CInt(ole::Variant(value));
}

// The text label shows the colour's text as written. A label reads "&H" as the access key H,
// which would hide both ampersands and take Alt+H from the host's form, so each is doubled.
std::string LabelText(int32_t color) {
    std::string text;
    for (const char c : KSColorPicker::FormatColorText(color)) {
        text += c;
        if (c == '&')
            text += '&';
    }
    return text;
}

void CheckSystemColorIndex(int32_t index) {
    if (index < 0 || index >= KSColorPicker::kSystemColorCount)
        ole::RaiseError(ole::ERR_SUBSCRIPT);
}

} // namespace

ole::Ptr<KSColorPicker> KSColorPicker::Create() {
    return ole::MakeObject<KSColorPicker>();
}

void KSColorPicker::Register() {
    HuechooserTypes::RegisterOnce();
    ole::ClassFlags flags;
    flags.control = true;
    ole::RegisterClass(
        kProgId, Info().ClassId(), [] { return ole::Ptr<ole::Object>(Create()); }, &Info(), flags);
}

KSColorPicker::KSColorPicker() {
    m_customColors.fill(kDefaultCustomColor);
}

KSColorPicker::~KSColorPicker() = default;

std::string KSColorPicker::FormatColorText(int32_t color) {
    char text[16];
    std::snprintf(text, sizeof text, "&H%08X&", static_cast<uint32_t>(color));
    return text;
}

int32_t KSColorPicker::PaletteBackDefault() const {
    return DefaultPaletteBackColor();
}

ole::Ptr<ole::Font> KSColorPicker::SurfaceFont() const {
    return Font();
}

int32_t KSColorPicker::DefaultPaletteBackColor() {
    return static_cast<int32_t>(shared::DarkenColor(shared::TranslateColor(forms::kButtonFace)));
}

// ---- Life cycle ----

void KSColorPicker::OnInitialize() {
    size_t start = 0;
    for (std::string& name : m_defaultSystemColorNames) {
        const size_t end = kDefaultNames.find('&', start);
        name = std::string(kDefaultNames.substr(start, end - start));
        start = end + 1;
    }
    m_systemColorNames = m_defaultSystemColorNames;
}

// The swatch starts black with its text, so a new control's SelectedColor of 0 raises nothing.
void KSColorPicker::CreateConstituents() {
    if (m_lblColor)
        return;
    m_lblColor = forms::Label::Create();
    AddConstituent(m_lblColor, "m_lblColor", {0, 0, 10, 10});
    m_lblColor->SetBackColor(ole::Variant(int32_t{0}));
    m_txtValue = forms::Label::Create();
    AddConstituent(m_txtValue, "m_txtValue", {0, 0, 10, 10});
    m_txtValue->SetCaption(LabelText(0));
    // A press on the text only repaints: the drop button shows it is not the place to press.
    auto sink = ole::EventSink::Create();
    ole::WeakRef<KSColorPicker> weak(this);
    sink->On(forms::eventid::MouseDown, [weak](std::span<ole::Variant>) {
        if (ole::Ptr<KSColorPicker> self = weak.Lock())
            self->RefreshAll();
    });
    m_labelCookie = ole::ConnectEvents(ole::Ptr<ole::Object>(m_txtValue), sink);
}

void KSColorPicker::OnTerminate() {
    if (m_frmColorPicker) {
        ole::Ptr<frmColorPicker> dropDown = std::move(m_frmColorPicker);
        ResumeNext([&] { dropDown->CloseForm(); });
        ResumeNext([&] { dropDown->UnloadForm(); });
    }
    if (m_txtValue && m_labelCookie)
        ResumeNext(
            [&] { ole::DisconnectEvents(ole::Ptr<ole::Object>(m_txtValue), m_labelCookie); });
    m_labelCookie = 0;
}

// ---- Properties ----

void KSColorPicker::Store(int32_t& field, int32_t value, ole::DISPID id) {
    if (field == value)
        return;
    field = value;
    PropertyChanged(id);
}

// For the two whose notified names differ from their keys.
void KSColorPicker::Store(int32_t& field, int32_t value, const char* name) {
    if (field == value)
        return;
    field = value;
    PropertyChanged(std::string(name));
}

int32_t KSColorPicker::GetAppearance() const {
    return UserControl::Appearance();
}

void KSColorPicker::LetAppearance(int32_t value) {
    if (value == UserControl::Appearance())
        return;
    SetAppearance(ToInteger(value));
    UserControl::SetBackColor(static_cast<forms::OLE_COLOR>(m_backColor));
    PropertyChanged(IdAppearance);
}

void KSColorPicker::LetActiveTab(int32_t value) {
    Store(m_activeTab, value, IdActiveTab);
}

void KSColorPicker::LetBackColor(int32_t value) {
    if (value == m_backColor)
        return;
    if (m_txtValue)
        m_txtValue->SetBackColor(ole::Variant(value));
    m_backColor = value;
    UserControl::SetBackColor(static_cast<forms::OLE_COLOR>(value));
    PropertyChanged(IdBackColor);
}

int32_t KSColorPicker::GetBorderStyle() const {
    return UserControl::BorderStyle();
}

void KSColorPicker::LetBorderStyle(int32_t value) {
    if (value == UserControl::BorderStyle())
        return;
    SetBorderStyle(ToInteger(value));
    PropertyChanged(IdBorderStyle);
}

ole::Ptr<ole::Font> KSColorPicker::GetFont() const {
    return m_txtValue ? m_txtValue->Font() : ole::Ptr<ole::Font>();
}

void KSColorPicker::SetFont(const ole::Ptr<ole::Font>& value) {
    if (!value)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    ole::Ptr<ole::Font> own = GetFont();
    if (!own || own.Get() == value.Get())
        return;
    shared::CopyFont(*own, *value);
    PropertyChanged(IdFont);
}

int32_t KSColorPicker::GetForeColor() const {
    return m_txtValue ? m_txtValue->ForeColor() : 0;
}

void KSColorPicker::LetForeColor(int32_t value) {
    if (!m_txtValue || value == m_txtValue->ForeColor())
        return;
    UserControl::SetForeColor(static_cast<forms::OLE_COLOR>(value));
    m_txtValue->SetForeColor(ole::Variant(value));
    PropertyChanged(IdForeColor);
}

void KSColorPicker::LetHighlightColor(int32_t value) {
    Store(m_highlightColor, value, IdHighlightColor);
}

void KSColorPicker::LetHighlightForeColor(int32_t value) {
    Store(m_highlightForeColor, value, IdHighlightForeColor);
}

void KSColorPicker::LetPaletteBackColor(int32_t value) {
    Store(m_paletteBackColor, value, "PaletteColor");
}

void KSColorPicker::LetSystemBackColor(int32_t value) {
    Store(m_systemBackColor, value, "SystemPaletteColor");
}

int32_t KSColorPicker::GetSelectedColor() const {
    return m_lblColor ? m_lblColor->BackColor() : 0;
}

void KSColorPicker::LetSelectedColor(int32_t value) {
    if (!m_lblColor || value == m_lblColor->BackColor())
        return;
    ole::Ptr<KSColorPicker> self(this);
    m_lblColor->SetBackColor(ole::Variant(value));
    m_txtValue->SetCaption(LabelText(value));
    LetActiveTab(shared::IsSystemColor(static_cast<uint32_t>(value)) ? ksSystem : ksPalette);
    RaiseEvent(EvSelectedColorChanged);
    PropertyChanged(IdSelectedColor);
}

std::string KSColorPicker::GetSystemColorName(int32_t eSysClr) const {
    CheckSystemColorIndex(eSysClr);
    return m_systemColorNames[static_cast<size_t>(eSysClr)];
}

void KSColorPicker::LetSystemColorName(int32_t eSysClr, const std::string& sClrName) {
    CheckSystemColorIndex(eSysClr);
    m_systemColorNames[static_cast<size_t>(eSysClr)] = sClrName;
}

void KSColorPicker::ResetSystemColorsNames() {
    m_systemColorNames = m_defaultSystemColorNames;
}

void KSColorPicker::LetPaletteTabCaption(const std::string& value) {
    if (value == m_paletteTabCaption)
        return;
    m_paletteTabCaption = value;
    PropertyChanged(IdPaletteTabCaption);
}

void KSColorPicker::LetSystemTabCaption(const std::string& value) {
    if (value == m_systemTabCaption)
        return;
    m_systemTabCaption = value;
    PropertyChanged(IdSystemTabCaption);
}

int32_t KSColorPicker::GetHwnd() const {
    return static_cast<int32_t>(hWnd().Value());
}

void KSColorPicker::LetToolTipBackColor(int32_t value) {
    Store(m_toolTipBackColor, value, IdToolTipBackColor);
}

void KSColorPicker::LetToolTipForeColor(int32_t value) {
    Store(m_toolTipForeColor, value, IdToolTipForeColor);
}

// ---- Layout and painting ----

void KSColorPicker::OnResize() {
    if (!m_lblColor)
        return;
    const float m = ScaleX(2, ole::Variant(forms::ModeValue(forms::ScaleMode::Pixels)), {});
    const float b = ScaleX(static_cast<float>(win::GetSystemMetrics(win::SM_CXVSCROLL)),
                           ole::Variant(forms::ModeValue(forms::ScaleMode::Pixels)), {});
    const float width = ScaleWidth();
    const float height = ScaleHeight();
    const float side = height - 2 * m;
    ResumeNext(
        [&] { m_lblColor->Move(m, ole::Variant(m), ole::Variant(side), ole::Variant(side)); });
    const float textLeft = m + side + m;
    ResumeNext([&] {
        m_txtValue->Move(textLeft, ole::Variant(0.0F), ole::Variant(width - textLeft - b),
                         ole::Variant(height));
    });
    ResumeNext([&] { RefreshAll(); });
}

void KSColorPicker::OnPaint() {
    DrawDropButton(hDC());
}

void KSColorPicker::DrawDropButton(win::HDC hdc) {
    win::RECT client;
    win::GetClientRect(hWnd(), &client);
    win::RECT button{client.right - win::GetSystemMetrics(win::SM_CXVSCROLL), 0, client.right,
                     client.bottom};
    win::DrawFrameControl(hdc, &button, win::DFC_SCROLL,
                          m_buttonPressed ? kDropButtonPushed : kDropButton);
}

void KSColorPicker::RefreshAll() {
    Refresh();
    if (m_txtValue)
        m_txtValue->Refresh();
    if (m_lblColor)
        m_lblColor->Refresh();
}

} // namespace huechooser
