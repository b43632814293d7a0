#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/DcState.h"
#include "platform/win/gdi/DeviceContexts.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/paint/Paint.h"

// The guards every paint step uses to leave a DC as it found it, also when a draw call throws.
// SavedDc covers everything (attributes, origins, clip, selections); SelectedObject is the cheaper
// guard for a step that only selects one object. WindowDc and PaintDc give a borrowed DC back.

namespace win {

// SaveDC on construction, RestoreDC to that level on scope exit. Saved() is false for a bad DC.
class SavedDc {
public:
    explicit SavedDc(HDC hdc) : m_hdc(hdc), m_level(SaveDC(hdc)) {}
    ~SavedDc() {
        if (m_level > 0)
            RestoreDC(m_hdc, m_level);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

    bool Saved() const { return m_level > 0; }

private:
    HDC m_hdc;
    int m_level;
};

// Selects one object and selects the previous one back. A null object or a failed selection (a
// bitmap that does not fit the DC) changes nothing; Selected() tells.
class SelectedObject {
public:
    SelectedObject(HDC hdc, HGDIOBJ object)
        : m_hdc(hdc), m_previous(object ? SelectObject(hdc, object) : HGDIOBJ{}) {}
    ~SelectedObject() {
        if (m_previous)
            SelectObject(m_hdc, m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    bool Selected() const { return static_cast<bool>(m_previous); }

private:
    HDC m_hdc;
    HGDIOBJ m_previous;
};

// A window's DC released on scope exit: GetDC's (a null window gives the screen DC), or one from
// GetDCEx or GetWindowDC handed in. Get() is null when the window gave no DC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : WindowDc(hwnd, GetDC(hwnd)) {}
    WindowDc(HWND hwnd, HDC hdc) : m_hwnd(hwnd), m_hdc(hdc) {}
    ~WindowDc() {
        if (m_hdc)
            ReleaseDC(m_hwnd, m_hdc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return m_hdc; }

private:
    HWND m_hwnd;
    HDC m_hdc;
};

// BeginPaint on construction, EndPaint on scope exit, so the update region is validated and the
// caret shown again whatever the paint does. Get() is null when the window could not be painted.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : m_hwnd(hwnd), m_hdc(BeginPaint(hwnd, &m_ps)) {}
    ~PaintDc() {
        if (m_hdc)
            EndPaint(m_hwnd, &m_ps);
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const { return m_hdc; }
    // The update rectangle BeginPaint reported.
    const RECT& Area() const { return m_ps.rcPaint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_hdc;
};

// CreateCompatibleDC on construction, DeleteDC on scope exit. Get() is null when no DC was made.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : m_hdc(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (m_hdc)
            DeleteDC(m_hdc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Get() const { return m_hdc; }

private:
    HDC m_hdc;
};

} // namespace win
