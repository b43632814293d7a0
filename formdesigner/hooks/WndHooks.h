#pragma once

#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <vector>

namespace layoutdesk {

// One shared thread hook per hook type and any number of listeners on it: the first listener
// installs the hook, the last one removes it, and each hook call is handed to the listeners in
// registration order until one claims it. Supported types: WH_KEYBOARD 2, WH_GETMESSAGE 3,
// WH_CALLWNDPROC 4, WH_CBT 5, WH_MOUSE 7, WH_CALLWNDPROCRET 12; every other number is ignored.
//
// Listeners are ole::Objects deriving from IHookListener, held by weak id (the key "HOOK_" + id
// in the model is the id itself here). A listener that is gone when a call reaches it is dropped
// then, and the hook goes with the last one.
//
// A dispatch walks a copy of the ids taken when it starts: a listener removed meanwhile is not
// called, one added meanwhile waits for the next hook call. Each dispatch keeps its own claim
// flag, so nested hook calls (a listener's SetFocus, a host's modal loop) do not disturb it.
class WndHooks {
public:
    struct HookState {
        int32_t HookType = 0;
        win::HHOOK hHook;
        int32_t ListenerCount = 0;
        std::vector<uint32_t> Listeners;
    };

    // This library's registry, one per thread.
    static WndHooks& Module();

    void AddHook(int32_t nHookType, ole::Object& listener);
    void RemoveHook(int32_t nHookType, ole::Object& listener);
    bool IsHookListener(int32_t nHookType, const ole::Object& listener) const;
    // Null for an unsupported type.
    const HookState* State(int32_t nHookType) const;

    win::LRESULT DispatchHook(int32_t nHookType, int nCode, win::WPARAM wParam, win::LPARAM lParam);

private:
    HookState* Record(int32_t nHookType);
    static bool Registered(const HookState& state, uint32_t id);
    void Unregister(HookState& state, uint32_t id);

    HookState m_states[6];
};

// The module's operations under their system names.
void AddHook(int32_t nHookType, ole::Object& listener);
void RemoveHook(int32_t nHookType, ole::Object& listener);

} // namespace layoutdesk
