#include "platform/win/input/CaretState.h"

#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/timer/TimerTable.h"
#include "platform/win/window/Window.h"

namespace win::detail {

CaretState& CaretState::Instance() {
    thread_local CaretState caret;
    return caret;
}

bool CaretState::Create(HWND owner, HBITMAP bitmap, int width, int height) {
    Destroy();
    m_owner = owner;
    m_bitmap = bitmap;
    m_width = width > 0 ? width : 1;
    m_height = height > 0 ? height : 1;
    m_pos = POINT{};
    m_hideCount = 1;
    m_lit = true;
    return true;
}

bool CaretState::Destroy() {
    if (!Exists()) {
        return false;
    }
    StopBlink();
    m_hideCount = 1;
    SyncPixels();
    m_owner = nullptr;
    m_bitmap = nullptr;
    m_hideCount = 0;
    return true;
}

bool CaretState::Show(HWND hwnd) {
    if (!Owns(hwnd)) {
        return false;
    }
    if (m_hideCount > 0 && --m_hideCount == 0) {
        RestartBlink();
    }
    return true;
}

bool CaretState::Hide(HWND hwnd) {
    if (!Owns(hwnd)) {
        return false;
    }
    if (m_hideCount++ == 0) {
        StopBlink();
        SyncPixels();
    }
    return true;
}

bool CaretState::SetPos(POINT pt) {
    if (!Exists()) {
        return false;
    }
    m_pos = pt;
    if (Shown()) {
        RestartBlink();
    }
    return true;
}

void CaretState::SetBlinkTime(UINT ms) {
    m_blinkTime = ms;
    if (Shown()) {
        RestartBlink();
    }
}

void CaretState::SetBlinking(bool blinking) {
    m_blinking = blinking;
    if (Shown()) {
        RestartBlink();
    } else {
        StopBlink();
    }
}

// A moved or re-shown caret starts lit, as a typing user expects.
void CaretState::RestartBlink() {
    StopBlink();
    m_lit = true;
    if (m_blinking && m_blinkTime > 0) {
        m_blinkTimer = TimerTable::Instance().SetInternal(m_blinkTime, [this] { ToggleBlink(); });
    }
    SyncPixels();
}

void CaretState::ToggleBlink() {
    m_lit = !m_lit;
    SyncPixels();
}

void CaretState::SyncPixels() {
    const RECT wanted{m_pos.x, m_pos.y, m_pos.x + m_width, m_pos.y + m_height};
    if (m_drawn && (!Lit() || wanted != m_drawnRect)) {
        Invert(m_owner, m_drawnRect);
        m_drawn = false;
    }
    if (!m_drawn && Lit() && IsWindowVisible(m_owner)) {
        Invert(m_owner, wanted);
        m_drawn = true;
        m_drawnRect = wanted;
    }
}

void CaretState::Invert(HWND owner, const RECT& clientRect) {
    const WindowDc dc(owner);
    if (gdi::DeviceContext* context = gdi::DcTable::Find(dc.Get())) {
        context->ForEachPiece(context->ToDevice(clientRect),
                              [](gdi::Surface& surface, const RECT& piece) {
                                  for (int y = piece.top; y < piece.bottom; ++y) {
                                      const auto row = surface.Row(y);
                                      for (int x = piece.left; x < piece.right; ++x) {
                                          row[static_cast<size_t>(x)] ^= 0x00FFFFFFu;
                                      }
                                  }
                              });
    }
}

void CaretState::StopBlink() {
    TimerTable::Instance().KillInternal(m_blinkTimer);
    m_blinkTimer = 0;
    m_lit = true;
}

// The owner is going away with its pixels; nothing to erase.
void CaretState::ForgetWindow(HWND hwnd) {
    if (Exists() && m_owner == hwnd) {
        m_drawn = false;
        Destroy();
    }
}

void CaretState::Reset() {
    StopBlink();
    *this = CaretState{};
}

} // namespace win::detail
