#pragma once

#include "platform/win/WinConstants.h"
#include "platform/win/WinTypes.h"
#include "platform/win/window/Messages.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace win::controls {

// The per-window state of one control class, keyed by handle. Created at WM_NCCREATE and erased
// at WM_NCDESTROY; handles are never reused, so a stale key can only miss. The class procedure
// holds a reference for the length of each message, so a control destroyed by a handler of its
// own notification is never touched after it is freed.
template <class State>
class ControlStates {
public:
    static std::shared_ptr<State> Create(HWND hwnd) {
        auto state = std::make_shared<State>(hwnd);
        Map()[hwnd.Value()] = state;
        return state;
    }
    static std::shared_ptr<State> Find(HWND hwnd) {
        auto& map = Map();
        const auto it = map.find(hwnd.Value());
        return it == map.end() ? nullptr : it->second;
    }
    static void Erase(HWND hwnd) { Map().erase(hwnd.Value()); }
    template <class F>
    static void ForEach(F&& f) {
        // A snapshot: f may create or destroy controls.
        std::vector<std::shared_ptr<State>> states;
        for (auto& [value, state] : Map()) {
            states.push_back(state);
        }
        for (auto& state : states) {
            f(*state);
        }
    }

private:
    static std::unordered_map<uint32_t, std::shared_ptr<State>>& Map() {
        thread_local std::unordered_map<uint32_t, std::shared_ptr<State>> map;
        return map;
    }
};

// The class procedure of a control whose state is a State: made at WM_NCCREATE, dropped after
// WM_NCDESTROY; messages for a window without state go to the default procedure.
template <class State>
LRESULT StateWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<State> state =
        msg == WM_NCCREATE ? ControlStates<State>::Create(hwnd) : ControlStates<State>::Find(hwnd);
    if (!state) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    const LRESULT result = state->Handle(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        ControlStates<State>::Erase(hwnd);
    }
    return result;
}

} // namespace win::controls
