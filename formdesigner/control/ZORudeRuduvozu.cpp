#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/hooks/WndHooks.h"
#include "formdesigner/library/LayoutdeskTypes.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/base/Rounding.h"
#include "platform/forms/host/Ambient.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/bag/PersistedProperties.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"

#include <array>

namespace layoutdesk {

using ole::ResumeNext;

ZORudeRuduvozu::ZORudeRuduvozu() = default;

ZORudeRuduvozu::~ZORudeRuduvozu() {
    // A control dropped without Terminate still lets go of its hooks and its window.
    TeardownDesigner();
}

ole::Ptr<ZORudeRuduvozu> ZORudeRuduvozu::Create() {
    return ole::MakeObject<ZORudeRuduvozu>();
}

void ZORudeRuduvozu::Register() {
    LayoutdeskTypes::RegisterOnce();
    ole::ClassFlags flags;
    flags.control = true;
    ole::RegisterClass(
        kProgId, Info().ClassId(), [] { return ole::Ptr<ole::Object>(Create()); }, &Info(), flags);
}

// ---- Life cycle ----

void ZORudeRuduvozu::OnInitProperties() {
    InitDesigner();
}

// Every stored key is read with its default and kept as it is, through the class table's walk.
void ZORudeRuduvozu::OnReadProperties(ole::PropertyBag& bag) {
    InitDesigner();
    m_readingBag = true;
    ole::ResumeNext([&] { ole::ReadPersistedProperties(*this, bag); });
    m_readingBag = false;
}

void ZORudeRuduvozu::OnWriteProperties(ole::PropertyBag& bag) {
    ole::WritePersistedProperties(*this, bag);
}

// The size defaults are the set-up values in the current scale mode, at reading and writing time.
float ZORudeRuduvozu::DefaultGridSizeX() const {
    return ConvertX(120, forms::ModeValue(forms::ScaleMode::Twips), ScaleMode());
}

float ZORudeRuduvozu::DefaultGridSizeY() const {
    return ConvertY(120, forms::ModeValue(forms::ScaleMode::Twips), ScaleMode());
}

float ZORudeRuduvozu::DefaultHandleSizeX() const {
    return ConvertX(100, forms::ModeValue(forms::ScaleMode::Twips), ScaleMode());
}

float ZORudeRuduvozu::DefaultHandleSizeY() const {
    return ConvertY(100, forms::ModeValue(forms::ScaleMode::Twips), ScaleMode());
}

void ZORudeRuduvozu::OnTerminate() {
    TeardownDesigner();
}

void ZORudeRuduvozu::InitDesigner() {
    if (m_initialized)
        return;
    m_initialized = true;
    m_SelectedControls = ole::Collection::Create();
    m_LockedControls = ole::Collection::Create();
    m_Mode = ksModeRun;
    const int32_t mode = ScaleMode();
    m_HandleSizeX = DefaultHandleSizeX();
    m_HandleSizeY = DefaultHandleSizeY();
    m_HitTolerance = ConvertX(2, forms::ModeValue(forms::ScaleMode::Pixels), mode);
    m_NudgeStep = ConvertX(1, forms::ModeValue(forms::ScaleMode::Pixels), mode);
    m_ShowGrid = true;
    m_GridSizeX = DefaultGridSizeX();
    m_GridSizeY = DefaultGridSizeY();
    SetForeColor(0x80000012);
    SetBackColor(0x8000000F);
    m_HandleBorderColor = 0x8000000E;
    m_HandleColor = 0x8000000D;
    // Only a running container gets the interception.
    if (!GetAmbient()->UserMode())
        return;
    m_ResourceMgr = std::make_unique<shared::CResourceMgr>();
    AddHook(win::WH_CBT, *this);
    AddHook(win::WH_MOUSE, *this);
    m_hooked = true;
    SubclassSelf();
}

void ZORudeRuduvozu::TeardownDesigner() {
    UnsubclassSelf();
    m_SelectedControls = nullptr;
    m_LockedControls = nullptr;
    if (m_hooked) {
        m_hooked = false;
        RemoveHook(win::WH_MOUSE, *this);
        RemoveHook(win::WH_CBT, *this);
    }
    m_ResourceMgr.reset();
}

void ZORudeRuduvozu::SubclassSelf() {
    const win::HWND hwnd = hWnd();
    if (!hwnd)
        return;
    shared::SubclassWindow(hwnd, *this);
    m_subclassedWnd = hwnd;
    m_IsSubclassed = true;
    for (const win::UINT msg :
         {win::WM_DESTROY, win::WM_PAINT, win::WM_SETFOCUS, win::WM_KILLFOCUS})
        shared::HookMessage(hwnd, msg);
}

void ZORudeRuduvozu::UnsubclassSelf() {
    if (!m_IsSubclassed)
        return;
    m_IsSubclassed = false;
    const win::HWND hwnd = m_subclassedWnd;
    for (const win::UINT msg :
         {win::WM_DESTROY, win::WM_PAINT, win::WM_SETFOCUS, win::WM_KILLFOCUS})
        ResumeNext([&] { shared::UnhookMessage(hwnd, msg); });
    if (win::IsWindow(hwnd))
        shared::UnsubclassWindow(hwnd);
    m_subclassedWnd = {};
}

// Focus is followed in every mode: a designer focused in run mode gets no WM_SETFOCUS when the
// mode changes, and a press is only handled while it has the focus.
win::LRESULT ZORudeRuduvozu::WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM,
                                               win::LPARAM, bool&) {
    if (Msg == win::WM_SETFOCUS) {
        m_HasFocus = true;
    } else if (Msg == win::WM_KILLFOCUS) {
        m_HasFocus = false;
    } else if (Msg == win::WM_PAINT) {
        win::RECT area{};
        m_paintArea.reset();
        if (win::GetUpdateRect(hwnd, &area, win::FALSE))
            m_paintArea = area;
    }
    return 0;
}

void ZORudeRuduvozu::OnEnterFocus() {
    m_HasFocus = true;
}

void ZORudeRuduvozu::OnExitFocus() {
    m_HasFocus = false;
}

// ---- Mode ----

void ZORudeRuduvozu::LetMode(int32_t eMode) {
    if (Stored([&] { m_Mode = eMode; }) || eMode == m_Mode)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    m_Mode = eMode;
    if (eMode == ksModeRun)
        AbandonGesture();
    if (eMode != ksModeSelect)
        DeselectAllControl();
    Refresh();
    // A control that cannot take the focus yet (its form hidden) still changed its mode, and the
    // container must hear of it.
    if (eMode != ksModeRun)
        ResumeNext([&] { SetFocus(); });
    PropertyChanged("Mode");
}

// ---- The surface's own events (run mode; the mouse hook raises them in the design modes) ----

// In the design modes Shift alone sizes and Ctrl alone moves the selection before the host hears
// the key; any other combination only reaches the host.
void ZORudeRuduvozu::OnKeyDown(int16_t& keyCode, int16_t shift) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    if (m_Mode != ksModeRun && m_SelectedControls && m_SelectedControls->Count() > 0) {
        if (shift == 1)
            NudgeResizeSelection(keyCode);
        else if (shift == 2)
            NudgeSelection(keyCode);
    }
    std::array<ole::Variant, 2> args{ole::Variant(keyCode), ole::Variant(shift)};
    RaiseEvent(EvKeydown, args);
}

void ZORudeRuduvozu::OnKeyPress(int16_t& keyAscii) {
    std::array<ole::Variant, 1> args{ole::Variant(keyAscii)};
    RaiseEvent(EvKeyPress, args);
}

void ZORudeRuduvozu::OnKeyUp(int16_t& keyCode, int16_t shift) {
    std::array<ole::Variant, 2> args{ole::Variant(keyCode), ole::Variant(shift)};
    RaiseEvent(EvKeyUp, args);
}

void ZORudeRuduvozu::OnMouseDown(int16_t button, int16_t shift, float x, float y) {
    RaiseMouseEvent(EvMouseDown, button, shift, x, y);
}

void ZORudeRuduvozu::OnMouseMove(int16_t button, int16_t shift, float x, float y) {
    RaiseMouseEvent(EvMouseMove, button, shift, x, y);
}

void ZORudeRuduvozu::OnMouseUp(int16_t button, int16_t shift, float x, float y) {
    RaiseMouseEvent(EvMouseUp, button, shift, x, y);
}

// Every by-reference argument but DisplayError's bShowMsgBox and CreateControl's aNewControl is
// passed as a copy: what a handler writes there is not read back.
void ZORudeRuduvozu::RaiseMouseEvent(ole::DISPID eventId, int16_t button, int16_t shift, float x,
                                     float y) {
    std::array<ole::Variant, 4> args{ole::Variant(button), ole::Variant(shift), ole::Variant(x),
                                     ole::Variant(y)};
    RaiseEvent(eventId, args);
}

void ZORudeRuduvozu::RaiseWithControl(ole::DISPID eventId, const ole::Ptr<ole::Object>& control) {
    std::array<ole::Variant, 1> args{ole::Variant(control)};
    RaiseEvent(eventId, args);
}

// ---- Conversions ----

float ZORudeRuduvozu::ConvertX(float value, int32_t from, int32_t to) const {
    return ScaleX(value, ole::Variant(static_cast<int16_t>(from)),
                  ole::Variant(static_cast<int16_t>(to)));
}

float ZORudeRuduvozu::ConvertY(float value, int32_t from, int32_t to) const {
    return ScaleY(value, ole::Variant(static_cast<int16_t>(from)),
                  ole::Variant(static_cast<int16_t>(to)));
}

int32_t ZORudeRuduvozu::PixelsX(float units) const {
    return base::RoundHalfEvenToInt32(
        ConvertX(units, ScaleMode(), forms::ModeValue(forms::ScaleMode::Pixels)));
}

int32_t ZORudeRuduvozu::PixelsY(float units) const {
    return base::RoundHalfEvenToInt32(
        ConvertY(units, ScaleMode(), forms::ModeValue(forms::ScaleMode::Pixels)));
}

} // namespace layoutdesk
