#include "colorpicker/dropdown/frmColorPicker.h"

#include "shared/util/ColorUtils.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <cstdlib>
#include <string_view>

namespace huechooser {

using ole::ResumeNext;

namespace {

constexpr std::string_view kPaletteText = "FFFFFF&C0C0FF&C0E0FF&C0FFFF&C0FFC0&FFFFC0&FFC0C0&FFC0FF&"
                                          "E0E0E0&8080FF&80C0FF&80FFFF&80FF80&FFFF80&FF8080&FF80FF&"
                                          "C0C0C0&0000FF&0080FF&00FFFF&00FF00&FFFF00&FF0000&FF00FF&"
                                          "808080&0000C0&0040C0&00C0C0&00C000&C0C000&C00000&C000C0&"
                                          "404040&000080&004080&008080&008000&808000&800000&800080&"
                                          "000000&000040&404080&004040&004000&404000&400000&400040";

// The hexadecimal items of an "&"-separated list, in order.
template <size_t N>
void ParseColors(std::string_view text, std::array<ColorCell, N>& cells) {
    size_t start = 0;
    for (ColorCell& cell : cells) {
        const size_t end = text.find('&', start);
        const std::string item(text.substr(start, end - start));
        cell.color = static_cast<int32_t>(std::strtoul(item.c_str(), nullptr, 16));
        start = end + 1;
    }
}

std::string SystemColorsText() {
    std::string text;
    for (int i = 0; i < frmColorPicker::kSystemCount; ++i) {
        char item[12];
        std::snprintf(item, sizeof item, "%s%08X", i ? "&" : "", 0x80000000U + i);
        text += item;
    }
    return text;
}

constexpr int32_t kDefaultCustomColor = 0xFFFFFF;

bool FallsBackToModal(int32_t number) {
    return number == 369 || number == 401 || number == 406;
}

} // namespace

ole::Ptr<frmColorPicker> frmColorPicker::Create() {
    ole::Ptr<frmColorPicker> form = ole::MakeObject<frmColorPicker>();
    form->RaiseInitialize();
    return form;
}

frmColorPicker::frmColorPicker() : forms::Form("frmColorPicker") {
    ParseColors(kPaletteText, m_palette);
    ParseColors(SystemColorsText(), m_system);
    for (ColorCell& cell : m_custom)
        cell.color = kDefaultCustomColor;
    m_dialogColors.fill(0xFFFFFFFF);
    PaletteBackColor =
        static_cast<int32_t>(shared::DarkenColor(shared::TranslateColor(BackColor())));
    // Borderless and out of the task bar: inner size is the whole window.
    SetBorderStyle(0);
    SetShowInTaskbar(false);
    SetKeyPreview(true);
}

frmColorPicker::~frmColorPicker() = default;

// ---- Public members ----

void frmColorPicker::SetActiveTab(int32_t tab) {
    m_eActiveTab = tab;
    if (m_VScrollBar)
        m_VScrollBar->SetVisible(tab == 1);
}

int32_t frmColorPicker::GetCustomColor(int32_t index) const {
    if (index < 0 || index >= kCustomCount)
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    return m_custom[static_cast<size_t>(index)].color;
}

void frmColorPicker::SetCustomColor(int32_t index, int32_t color) {
    if (index < 0 || index >= kCustomCount)
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    m_custom[static_cast<size_t>(index)].color = color;
    RepaintPalette();
}

void frmColorPicker::SetToolTipBackColor(int32_t color) {
    m_toolTipBackColor = color;
    if (!m_toolTip && IsLoaded())
        CreateToolTip();
    if (m_toolTip && m_toolTip->BackColor() != shared::TranslateColor(static_cast<uint32_t>(color)))
        m_toolTip->SetBackColor(static_cast<uint32_t>(color));
}

void frmColorPicker::SetToolTipForeColor(int32_t color) {
    m_toolTipForeColor = color;
    if (!m_toolTip && IsLoaded())
        CreateToolTip();
    if (m_toolTip && m_toolTip->ForeColor() != shared::TranslateColor(static_cast<uint32_t>(color)))
        m_toolTip->SetForeColor(static_cast<uint32_t>(color));
}

int32_t frmColorPicker::GetToolTipBackColor() {
    if (!m_toolTip && IsLoaded())
        CreateToolTip();
    return static_cast<int32_t>(m_toolTip ? m_toolTip->BackColor()
                                          : shared::TranslateColor(m_toolTipBackColor));
}

int32_t frmColorPicker::GetToolTipForeColor() {
    if (!m_toolTip && IsLoaded())
        CreateToolTip();
    return static_cast<int32_t>(m_toolTip ? m_toolTip->ForeColor()
                                          : shared::TranslateColor(m_toolTipForeColor));
}

win::SIZE frmColorPicker::InnerPixelSize() const {
    win::RECT client{};
    if (m_hwnd)
        win::GetClientRect(m_hwnd, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void frmColorPicker::UpdateInfo(const ole::Ptr<ole::Object>& colorPicker) {
    if (colorPicker &&
        ole::PtrOfObject(colorPicker.Get()) != ole::PtrOfObject(m_control.Lock().Get()))
        m_control = ole::WeakRef<ole::Object>(colorPicker.Get());
    LoadForm();
    m_TabContainer->SetBackColor(ole::Variant(static_cast<int32_t>(BackColor())));
    m_TabContainer->SetFont(Font());
    m_PaletteContainer->SetFont(Font());
    if (m_toolTip && m_resources)
        m_toolTip->SetHFont(m_resources->GetFont(*Font(), "CurrentFont"));
    m_TabContainer->SetForeColor(ole::Variant(static_cast<int32_t>(ForeColor())));
    m_PaletteContainer->SetForeColor(ole::Variant(static_cast<int32_t>(ForeColor())));
    Refresh();
    RepaintTabStrip();
    ContainerResized();
}

// ---- Showing and closing ----

// Each drop-down starts without hot or selected cells; painting finds the selected colour again.
void frmColorPicker::Showform(const ole::Ptr<ole::Object>& colorPicker) {
    ole::Ptr<frmColorPicker> self(this);
    try {
        if (m_shown)
            return;
        if (colorPicker)
            m_control = ole::WeakRef<ole::Object>(colorPicker.Get());
        LoadForm();
        if (!m_toolTip)
            CreateToolTip();
        m_hotIndex = -1;
        m_hotSystemRow = -1;
        m_systemHot = false;
        m_selectedIndex = -1;
        m_selectedSystemRow = -1;
        if (shared::IsSystemColor(static_cast<uint32_t>(SelectedColor))) {
            SetActiveTab(1);
            m_VScrollBar->SetValue(m_VScrollBar->GetMin());
        } else {
            SetActiveTab(0);
        }
        // Keys may come before the first paint, so the cursor starts where painting would put it.
        FindSelected();
        m_shown = true;
        ContainerResized();
        {
            ole::Ptr<ole::Object> hold;
            if (DropDownOwner* owner = Owner(hold))
                owner->DropDownOpened();
        }
        // The host may have let go of the control inside PaletteOpened, which closed this
        // window: showing it now would leave it on the screen, hooked, for nobody.
        if (!m_shown || !IsLoaded())
            return;
        try {
            ShowWindow(!forms::FormSettings::ModelessFormsAllowed());
        } catch (const ole::Error& error) {
            if (!FallsBackToModal(error.Number()) || !IsLoaded())
                return;
            ShowWindow(true);
        }
    } catch (const ole::Error&) {
        // Any other failure ends the drop-down quietly.
    }
}

void frmColorPicker::ShowWindow(bool modal) {
    m_tabStripFocused = false;
    if (modal) {
        m_modal = true;
        Show(ole::Variant(int16_t{1}), ole::Variant::Missing());
        return;
    }
    Show(ole::Variant(int16_t{0}), ole::Variant::Missing());
    win::SetWindowPos(m_hwnd, win::HWND_TOPMOST, 0, 0, 0, 0, win::SWP_NOMOVE | win::SWP_NOSIZE);
    ResumeNext([&] { m_TabContainer->SetFocus(); });
}

void frmColorPicker::CloseForm() {
    m_shown = false;
    m_modal = false;
    UnloadForm();
}

DropDownOwner* frmColorPicker::Owner(ole::Ptr<ole::Object>& hold) const {
    hold = m_control.Lock();
    return dynamic_cast<DropDownOwner*>(hold.Get());
}

void frmColorPicker::RaiseTabChanged() {
    ole::Ptr<ole::Object> hold;
    if (DropDownOwner* owner = Owner(hold))
        owner->DropDownTabChanged();
}

void frmColorPicker::RaiseSelectedColorChanged(int32_t color) {
    ole::Ptr<ole::Object> hold;
    if (DropDownOwner* owner = Owner(hold))
        owner->DropDownSelectedColorChanged(color);
}

void frmColorPicker::RaiseCustomColorChanged(int16_t index, int32_t color) {
    ole::Ptr<ole::Object> hold;
    if (DropDownOwner* owner = Owner(hold))
        owner->DropDownCustomColorChanged(index, color);
}

// ---- Form events ----

void frmColorPicker::OnEvent(ole::DISPID id, std::span<ole::Variant> args) {
    ole::Ptr<frmColorPicker> self(this);
    switch (id) {
    case Load:
        OnLoad();
        break;
    case Unload:
        OnUnload();
        break;
    case Resize:
        FormResized();
        break;
    case KeyDown:
        if (!args.empty())
            FormKeyDown(ole::CInt(args[0]));
        break;
    default:
        break;
    }
}

void frmColorPicker::OnLoad() {
    BuildControls();
    m_closeReported = false;
    m_tabStripFocused = false;
    MeasureTabs();
    m_hwnd = Window();
    if (!m_resources)
        m_resources = std::make_unique<shared::CResourceMgr>();
    // The tip died with the cell window of the last load; hot tracking needs one on this one.
    if (m_toolTip && !win::IsWindow(m_toolTip->hwnd()))
        m_toolTip.reset();
    if (!m_toolTip)
        CreateToolTip();
    HookForm();
    HookContainer();
}

// A host letting go of the control in PaletteClosed unloads the window again while it unloads:
// that is the same close, reported once.
void frmColorPicker::OnUnload() {
    if (m_closeReported)
        return;
    m_closeReported = true;
    ole::Ptr<frmColorPicker> self(this);
    m_shown = false;
    m_resources.reset();
    ole::Ptr<ole::Object> hold;
    if (DropDownOwner* owner = Owner(hold))
        owner->DropDownClosed();
}

void frmColorPicker::Connect(const ole::Ptr<ole::Object>& source, ole::DISPID event,
                             Handler handler) {
    auto sink = ole::EventSink::Create();
    ole::WeakRef<frmColorPicker> weak(this);
    sink->On(event, [weak, handler = std::move(handler)](std::span<ole::Variant> args) {
        if (ole::Ptr<frmColorPicker> self = weak.Lock())
            handler(*self, args);
    });
    m_connections.emplace_back(source, ole::ConnectEvents(source, sink));
}

// The children are made on every load: unloading destroys them with the window.
void frmColorPicker::BuildControls() {
    m_connections.clear();
    m_TabContainer = forms::PictureBox::Create();
    AddControl(m_TabContainer, "m_TabContainer", {}, {0, 0, 10, 10});
    m_TabContainer->SetBorderStyle(0);
    m_TabContainer->SetScaleMode(forms::ModeValue(forms::ScaleMode::Pixels));
    m_Container = forms::PictureBox::Create();
    AddControl(m_Container, "m_Container", ole::Ptr<ole::Object>(m_TabContainer), {0, 0, 10, 10});
    m_Container->SetBorderStyle(0);
    m_Container->SetScaleMode(forms::ModeValue(forms::ScaleMode::Pixels));
    m_Container->SetTabStop(false);
    m_PaletteContainer = forms::PictureBox::Create();
    AddControl(m_PaletteContainer, "m_PaletteContainer", ole::Ptr<ole::Object>(m_Container),
               {0, 0, 10, 10});
    m_PaletteContainer->SetBorderStyle(0);
    m_PaletteContainer->SetScaleMode(forms::ModeValue(forms::ScaleMode::Pixels));
    m_PaletteContainer->SetTabStop(false);
    m_VScrollBar = forms::VScrollBar::Create();
    AddControl(m_VScrollBar, "m_VScrollBar", ole::Ptr<ole::Object>(m_Container), {0, 0, 10, 10},
               m_eActiveTab == 1);
    m_VScrollBar->SetTabStop(false);
    m_lblDummy = forms::Label::Create();
    AddControl(m_lblDummy, "m_lblDummy", {}, {0, 0, 10, 10}, false);
    m_lblDummy->SetAutoSize(true);
    m_cmdCancel = forms::CommandButton::Create();
    AddControl(m_cmdCancel, "cmdCancel", {}, {-100, -100, -90, -90});
    m_cmdCancel->SetCancel(true);
    m_cmdCancel->SetTabStop(false);

    using Args = std::span<ole::Variant>;
    namespace ev = forms::eventid;
    const ole::Ptr<ole::Object> tabs(m_TabContainer);
    Connect(tabs, ev::Resize, [](frmColorPicker& f, Args) { f.TabContainerResized(); });
    Connect(tabs, ev::Paint, [](frmColorPicker& f, Args) { f.DrawTabStrip(); });
    Connect(tabs, ev::MouseDown, [](frmColorPicker& f, Args a) {
        f.TabStripMouseDown(ole::CInt(a[0]), ole::CSng(a[2]), ole::CSng(a[3]));
    });
    Connect(tabs, ev::LostFocus, [](frmColorPicker& f, Args) { f.TabStripLostFocus(); });
    Connect(ole::Ptr<ole::Object>(m_Container), ev::Resize,
            [](frmColorPicker& f, Args) { f.ContainerResized(); });
    const ole::Ptr<ole::Object> cells(m_PaletteContainer);
    Connect(cells, ev::Resize, [](frmColorPicker& f, Args) { f.PaletteContainerResized(); });
    Connect(cells, ev::Paint, [](frmColorPicker& f, Args) { f.PaintPalette(); });
    Connect(cells, ev::MouseMove, [](frmColorPicker& f, Args a) {
        f.PaletteMouseMove(ole::CSng(a[2]), ole::CSng(a[3]));
    });
    Connect(cells, ev::MouseUp, [](frmColorPicker& f, Args a) {
        f.PaletteMouseUp(ole::CInt(a[0]), ole::CSng(a[2]), ole::CSng(a[3]));
    });
    const ole::Ptr<ole::Object> bar(m_VScrollBar);
    Connect(bar, ev::Change, [](frmColorPicker& f, Args) { f.ScrollChanged(); });
    Connect(bar, ev::Scroll, [](frmColorPicker& f, Args) { f.ScrollChanged(); });
    // The bar takes no keys of its own here; its blinking thumb would only distract.
    Connect(bar, ev::GotFocus,
            [](frmColorPicker& f, Args) { win::HideCaret(f.m_VScrollBar->Window()); });
    Connect(ole::Ptr<ole::Object>(m_cmdCancel), ev::Click,
            [](frmColorPicker& f, Args) { f.CloseForm(); });
}

// ---- Tooltip ----

void frmColorPicker::CreateToolTip() {
    if (!m_PaletteContainer)
        return;
    const win::HWND cells = m_PaletteContainer->Window();
    m_toolTip = std::make_unique<shared::CToolTip>();
    m_toolTip->init(cells);
    m_toolTip->AddTool(cells.Value(), false, 0, 0, 0, 0, "");
    m_toolTipRow = -1;
    ApplyToolTipColors();
}

void frmColorPicker::ApplyToolTipColors() {
    m_toolTip->SetBackColor(static_cast<uint32_t>(m_toolTipBackColor));
    m_toolTip->SetForeColor(static_cast<uint32_t>(m_toolTipForeColor));
}

} // namespace huechooser
