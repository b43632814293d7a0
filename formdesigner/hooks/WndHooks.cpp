#include "formdesigner/hooks/WndHooks.h"

#include "formdesigner/hooks/IHookListener.h"

#include "platform/ole/error/UnhandledError.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <array>

namespace layoutdesk {

namespace {

constexpr std::array<int32_t, 6> kHookTypes = {win::WH_KEYBOARD,    win::WH_GETMESSAGE,
                                               win::WH_CALLWNDPROC, win::WH_CBT,
                                               win::WH_MOUSE,       win::WH_CALLWNDPROCRET};

template <int32_t Type>
win::LRESULT HookProc(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
    return WndHooks::Module().DispatchHook(Type, nCode, wParam, lParam);
}

win::HOOKPROC ProcedureOf(int32_t nHookType) {
    switch (nHookType) {
    case win::WH_KEYBOARD:
        return &HookProc<win::WH_KEYBOARD>;
    case win::WH_GETMESSAGE:
        return &HookProc<win::WH_GETMESSAGE>;
    case win::WH_CALLWNDPROC:
        return &HookProc<win::WH_CALLWNDPROC>;
    case win::WH_CBT:
        return &HookProc<win::WH_CBT>;
    case win::WH_MOUSE:
        return &HookProc<win::WH_MOUSE>;
    default:
        return &HookProc<win::WH_CALLWNDPROCRET>;
    }
}

} // namespace

WndHooks& WndHooks::Module() {
    thread_local WndHooks hooks;
    return hooks;
}

WndHooks::HookState* WndHooks::Record(int32_t nHookType) {
    const auto it = std::find(kHookTypes.begin(), kHookTypes.end(), nHookType);
    if (it == kHookTypes.end())
        return nullptr;
    return &m_states[it - kHookTypes.begin()];
}

const WndHooks::HookState* WndHooks::State(int32_t nHookType) const {
    return const_cast<WndHooks*>(this)->Record(nHookType);
}

bool WndHooks::Registered(const HookState& state, uint32_t id) {
    return std::find(state.Listeners.begin(), state.Listeners.end(), id) != state.Listeners.end();
}

bool WndHooks::IsHookListener(int32_t nHookType, const ole::Object& listener) const {
    const HookState* state = State(nHookType);
    return state && state->ListenerCount > 0 && Registered(*state, ole::PtrOfObject(&listener));
}

void WndHooks::AddHook(int32_t nHookType, ole::Object& listener) {
    HookState* state = Record(nHookType);
    const uint32_t id = ole::PtrOfObject(&listener);
    if (!state || !dynamic_cast<IHookListener*>(&listener) || Registered(*state, id))
        return;
    state->HookType = nHookType;
    // A count above 0 without a handle is an install that failed before: try again.
    if (state->ListenerCount == 0 || !state->hHook)
        state->hHook = win::SetWindowsHookExA(nHookType, ProcedureOf(nHookType), {},
                                              win::GetCurrentThreadId());
    ++state->ListenerCount;
    state->Listeners.push_back(id);
}

void WndHooks::RemoveHook(int32_t nHookType, ole::Object& listener) {
    HookState* state = Record(nHookType);
    const uint32_t id = ole::PtrOfObject(&listener);
    if (state && Registered(*state, id))
        Unregister(*state, id);
}

void WndHooks::Unregister(HookState& state, uint32_t id) {
    std::erase(state.Listeners, id);
    if (--state.ListenerCount == 0) {
        win::UnhookWindowsHookEx(state.hHook);
        state.hHook = {};
    }
}

win::LRESULT WndHooks::DispatchHook(int32_t nHookType, int nCode, win::WPARAM wParam,
                                    win::LPARAM lParam) {
    HookState* state = Record(nHookType);
    bool bNoCallNextHook = false;
    const std::vector<uint32_t> snapshot = state->Listeners;
    for (const uint32_t id : snapshot) {
        if (!Registered(*state, id))
            continue;
        const ole::Ptr<ole::Object> object = ole::ObjectFromPtr(id);
        auto* listener = dynamic_cast<IHookListener*>(object.Get());
        if (!listener) {
            Unregister(*state, id);
            continue;
        }
        try {
            listener->NotifyHookedEvent(nHookType, nCode, wParam, lParam, bNoCallNextHook);
        } catch (...) {
            // The flag counts as the listener left it; the next listener still hears the call.
            ole::ReportCurrentException();
        }
        if (bNoCallNextHook)
            break;
    }
    if (nCode >= 0 && bNoCallNextHook)
        return 1;
    return win::CallNextHookEx(state->hHook, nCode, wParam, lParam);
}

void AddHook(int32_t nHookType, ole::Object& listener) {
    WndHooks::Module().AddHook(nHookType, listener);
}

void RemoveHook(int32_t nHookType, ole::Object& listener) {
    WndHooks::Module().RemoveHook(nHookType, listener);
}

} // namespace layoutdesk
