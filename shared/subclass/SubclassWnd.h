#pragma once

#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"
#include "shared/subclass/cSubclassInfo.h"
#include "shared/subclass/cSubclassListener.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

namespace shared {

// Window subclassing with per-window hooked-message lists. Every message of a subclassed window
// passes through this registry's procedure: hooked messages reach the listener first, everything
// goes on to the previous procedure unless the listener swallows it, and WM_NCDESTROY always
// reaches the previous procedure and ends the subclassing.
//
// Each control library carries one registry (Module()) with its own procedure, so two libraries
// that subclass the same window chain through each other and each finds only its own record.
// Further instances stand for further libraries in one process (tests); each takes a distinct
// procedure from a small fixed pool.
//
// The listener is held by weak id: a listener released without unsubclassing is found gone, is
// never called, and its window keeps working through its previous procedure.
class SubclassWnd {
public:
    // This library's registry, created on first use and kept for the life of the library.
    static SubclassWnd& Module();

    // Raises error 7 when every procedure of the pool is taken.
    SubclassWnd();
    // Restores the previous procedure of every live window still subclassed here.
    ~SubclassWnd();
    SubclassWnd(const SubclassWnd&) = delete;
    SubclassWnd& operator=(const SubclassWnd&) = delete;

    // Replaces an earlier subclassing of hWnd (new listener, no hooked messages). Nothing for a
    // null or dead handle. The listener may be a C++ cSubclassListener or a host object with
    // WindowMsgListener at DISPID_WindowMsgListener; a null listener passes everything on.
    void SubclassWindow(win::HWND hWnd, const ole::Ptr<ole::Object>& listener);
    // For an object subclassing on its own behalf (no reference is taken, so it works from set-up
    // code too). Raises 13 when the listener is not an automation object.
    void SubclassWindow(win::HWND hWnd, cSubclassListener& listener);
    // Silent for a window without a record. While a later subclasser chains to this registry's
    // procedure, everything that still reaches it goes on to the saved procedure until the window
    // goes.
    void UnsubclassWindow(win::HWND hWnd);
    // Nothing while no window is subclassed here; error 5 for a window without a record while
    // another one is.
    void HookMessage(win::HWND hWnd, win::UINT Msg);
    // Silent for a window without a record or a message that is not hooked.
    void UnhookMessage(win::HWND hWnd, win::UINT Msg);

    // The procedure this registry installs.
    win::WNDPROC Procedure() const { return m_procedure; }
    // Inspection: null when hWnd has no record.
    std::shared_ptr<const cSubclassInfo> Record(win::HWND hWnd) const;
    size_t RecordCount() const;

    // The body of this registry's procedure.
    win::LRESULT Dispatch(win::HWND hWnd, win::UINT Msg, win::WPARAM wParam, win::LPARAM lParam);

private:
    explicit SubclassWnd(win::WNDPROC procedure);
    void Subclass(win::HWND hWnd, uint32_t listenerPtr);
    void DropDeadWindows();
    // Removes the window's record or forwarding entry, and restores the previous procedure where
    // ours is in place.
    void Drop(win::HWND hWnd);
    bool CallListener(const cSubclassInfo& record, win::HWND hWnd, win::UINT Msg,
                      win::WPARAM wParam, win::LPARAM lParam, win::LRESULT& result);

    win::WNDPROC m_procedure = nullptr;
    size_t m_slot = 0;
    // Shared so that a procedure still running for a record keeps it after removal.
    std::map<uint32_t, std::shared_ptr<cSubclassInfo>> m_records;
    // Windows let go of while a later subclasser chains to our procedure: no listener, no hooked
    // messages, only the procedure to pass everything on to.
    std::map<uint32_t, std::shared_ptr<cSubclassInfo>> m_forwarding;
};

// The module's operations on this library's registry, under their system names.
void SubclassWindow(win::HWND hWnd, const ole::Ptr<ole::Object>& listener);
void SubclassWindow(win::HWND hWnd, cSubclassListener& listener);
void UnsubclassWindow(win::HWND hWnd);
void HookMessage(win::HWND hWnd, win::UINT Msg);
void UnhookMessage(win::HWND hWnd, win::UINT Msg);
// The procedure SubclassWindow installs for this library.
win::LRESULT SubclassWndProc(win::HWND hWnd, win::UINT Msg, win::WPARAM wParam, win::LPARAM lParam);

// Weak references: 32-bit ids given by the platform, never reused; ObjectFromPtr of a dead id or
// of 0 is empty, PtrOfObject of an empty reference is 0.
using ole::ObjectFromPtr;
using ole::PtrOfObject;

// Bits 16..31 of the low 32 bits of value, as a signed number (WM_COMMAND's notification code).
constexpr int32_t HiWord(win::WPARAM value) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value) >> 16));
}

} // namespace shared
