#include "shared/subclass/SubclassWnd.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/WinConstants.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/WindowLong.h"
#include "shared/subclass/SubclassListenerForwarder.h"

#include <array>
#include <cstddef>
#include <new>
#include <utility>

namespace shared {

using namespace win;

namespace {

// Procedures for registries beyond the module's own: a window procedure is a plain function, so
// each registry needs one of its own to find its records.
constexpr size_t kPoolSize = 8;
std::array<SubclassWnd*, kPoolSize> g_owners{};

template <size_t Slot>
LRESULT PooledProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (SubclassWnd* owner = g_owners[Slot])
        return owner->Dispatch(hWnd, Msg, wParam, lParam);
    return DefWindowProcA(hWnd, Msg, wParam, lParam);
}

template <size_t... Slots>
constexpr std::array<WNDPROC, sizeof...(Slots)> MakePool(std::index_sequence<Slots...>) {
    return {&PooledProc<Slots>...};
}
constexpr std::array<WNDPROC, kPoolSize> kPool = MakePool(std::make_index_sequence<kPoolSize>{});

LONG_PTR ProcValue(WNDPROC proc) {
    return reinterpret_cast<LONG_PTR>(proc);
}

} // namespace

SubclassWnd& SubclassWnd::Module() {
    // Deliberately immortal: at exit the platform's tables, and the windows with them, may be gone
    // before a static destructor could restore anything.
    alignas(SubclassWnd) static std::byte storage[sizeof(SubclassWnd)];
    static SubclassWnd* const module =
        ::new (static_cast<void*>(storage)) SubclassWnd(&SubclassWndProc);
    return *module;
}

SubclassWnd::SubclassWnd(WNDPROC procedure) : m_procedure(procedure), m_slot(kPoolSize) {}

SubclassWnd::SubclassWnd() {
    for (size_t slot = 0; slot < kPoolSize; ++slot) {
        if (!g_owners[slot]) {
            g_owners[slot] = this;
            m_slot = slot;
            m_procedure = kPool[slot];
            return;
        }
    }
    ole::RaiseError(ole::ERR_OUT_OF_MEMORY);
}

// The procedure goes with the registry, so nothing may chain to it afterwards: each window gets
// its previous procedure back even where a later subclasser is cut out.
SubclassWnd::~SubclassWnd() {
    for (const auto* records : {&m_records, &m_forwarding}) {
        for (const auto& entry : *records)
            SetWindowLongA(entry.second->hwnd, GWL_WNDPROC, ProcValue(entry.second->oldWndProc));
    }
    if (m_slot < kPoolSize)
        g_owners[m_slot] = nullptr;
}

void SubclassWnd::SubclassWindow(HWND hWnd, const ole::Ptr<ole::Object>& listener) {
    Subclass(hWnd, PtrOfObject(listener));
}

void SubclassWnd::SubclassWindow(HWND hWnd, cSubclassListener& listener) {
    const auto* object = dynamic_cast<const ole::Object*>(&listener);
    if (!object)
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    Subclass(hWnd, PtrOfObject(object));
}

void SubclassWnd::Subclass(HWND hWnd, uint32_t listenerPtr) {
    if (!hWnd)
        return;
    UnsubclassWindow(hWnd);
    DropDeadWindows();
    // A record for a dead window would chain to procedure 0 and never be removed.
    if (!IsWindow(hWnd))
        return;
    if (const auto kept = m_forwarding.find(hWnd.Value()); kept != m_forwarding.end()) {
        // Still in a later subclasser's chain: the record takes the new listener where it is.
        kept->second->ListenerPtr = listenerPtr;
        m_records[hWnd.Value()] = std::move(kept->second);
        m_forwarding.erase(kept);
        return;
    }
    auto record = std::make_shared<cSubclassInfo>();
    record->hwnd = hWnd;
    record->ListenerPtr = listenerPtr;
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongA(hWnd, GWL_WNDPROC));
    if (current == m_procedure) {
        // Our procedure without a record: someone re-installed it after we let go, and the real
        // previous procedure is lost. Chaining to ourselves would recurse without end.
        record->oldWndProc = &DefWindowProcA;
    } else {
        record->oldWndProc = current;
        SetWindowLongA(hWnd, GWL_WNDPROC, ProcValue(m_procedure));
    }
    m_records[hWnd.Value()] = std::move(record);
}

// Subclassers unhook in any order. Putting our saved procedure back while a later subclasser
// chains to us would cut it out of the chain, and its own unhooking would then bring back our
// procedure with no record, losing the window's own. So while another procedure is in place the
// window has no record any more, but its old procedure is kept for forwarding everything that
// still reaches us, until the window goes or it is subclassed here again.
void SubclassWnd::UnsubclassWindow(HWND hWnd) {
    const auto it = m_records.find(hWnd.Value());
    if (it == m_records.end())
        return;
    if (IsWindow(hWnd) &&
        reinterpret_cast<WNDPROC>(GetWindowLongA(hWnd, GWL_WNDPROC)) != m_procedure) {
        it->second->ListenerPtr = 0;
        it->second->msgList.clear();
        m_forwarding[hWnd.Value()] = std::move(it->second);
        m_records.erase(it);
        return;
    }
    Drop(hWnd);
}

void SubclassWnd::Drop(HWND hWnd) {
    auto* records = m_records.contains(hWnd.Value()) ? &m_records : &m_forwarding;
    const auto it = records->find(hWnd.Value());
    if (it == records->end())
        return;
    const std::shared_ptr<cSubclassInfo> record = std::move(it->second);
    records->erase(it);
    // 0 for a window that is already gone, which is no error.
    if (reinterpret_cast<WNDPROC>(GetWindowLongA(hWnd, GWL_WNDPROC)) == m_procedure)
        SetWindowLongA(hWnd, GWL_WNDPROC, ProcValue(record->oldWndProc));
}

void SubclassWnd::HookMessage(HWND hWnd, UINT Msg) {
    DropDeadWindows();
    if (m_records.empty())
        return;
    const auto it = m_records.find(hWnd.Value());
    if (it == m_records.end())
        ole::RaiseError(ole::ERR_INVALID_CALL);
    it->second->AddMessage(Msg);
}

void SubclassWnd::UnhookMessage(HWND hWnd, UINT Msg) {
    const auto it = m_records.find(hWnd.Value());
    if (it != m_records.end())
        it->second->RemoveMessage(Msg);
}

std::shared_ptr<const cSubclassInfo> SubclassWnd::Record(HWND hWnd) const {
    const auto it = m_records.find(hWnd.Value());
    return it == m_records.end() ? nullptr : it->second;
}

size_t SubclassWnd::RecordCount() const {
    return m_records.size();
}

void SubclassWnd::DropDeadWindows() {
    // Records whose window died while another subclasser had cut us out of its chain, so that
    // WM_NCDESTROY never reached us. Handles are never reused, so nothing else can claim them.
    for (auto* records : {&m_records, &m_forwarding})
        std::erase_if(*records, [](const auto& entry) { return !IsWindow(entry.second->hwnd); });
}

bool SubclassWnd::CallListener(const cSubclassInfo& record, HWND hWnd, UINT Msg, WPARAM wParam,
                               LPARAM lParam, LRESULT& result) {
    // The counted reference keeps the listener alive through the call even if the call releases
    // the last other reference; a listener already gone is simply not called.
    const ole::Ptr<ole::Object> listener = ObjectFromPtr(record.ListenerPtr);
    if (!listener)
        return true;
    bool route = true;
    bool answered = false;
    ole::ResumeNext([&] {
        if (auto* typed = dynamic_cast<cSubclassListener*>(listener.Get())) {
            result = typed->WindowMsgListener(hWnd, Msg, wParam, lParam, route);
        } else {
            SubclassListenerForwarder forwarder(listener);
            result = forwarder.WindowMsgListener(hWnd, Msg, wParam, lParam, route);
        }
        answered = true;
    });
    // Listener failures stay inside the procedure, and the message goes on whatever the listener
    // had decided before it failed: a half-handled WM_PAINT must still validate.
    if (!answered) {
        result = 0;
        route = true;
    }
    return route;
}

LRESULT SubclassWnd::Dispatch(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    // Held for the whole call: the listener may unsubclass or subclass the window again, and
    // WM_NCDESTROY removes the record, yet the message still goes to this record's procedure.
    const std::shared_ptr<cSubclassInfo> record = [&] {
        for (const auto* records : {&m_records, &m_forwarding}) {
            if (const auto it = records->find(hWnd.Value()); it != records->end())
                return it->second;
        }
        return std::shared_ptr<cSubclassInfo>();
    }();
    if (!record) {
        // Reached only through a broken chain. Default handling keeps the window alive: paint is
        // validated and the window can still be destroyed.
        return DefWindowProcA(hWnd, Msg, wParam, lParam);
    }

    LRESULT result = 0;
    bool route = true;
    if (record->IsMessageHooked(Msg))
        route = CallListener(*record, hWnd, Msg, wParam, lParam, result);
    if (Msg == WM_NCDESTROY) {
        Drop(hWnd);
        route = true;
    }
    if (route)
        result = CallWindowProcA(record->oldWndProc, hWnd, Msg, wParam, lParam);
    return result;
}

void SubclassWindow(HWND hWnd, const ole::Ptr<ole::Object>& listener) {
    SubclassWnd::Module().SubclassWindow(hWnd, listener);
}

void SubclassWindow(HWND hWnd, cSubclassListener& listener) {
    SubclassWnd::Module().SubclassWindow(hWnd, listener);
}

void UnsubclassWindow(HWND hWnd) {
    SubclassWnd::Module().UnsubclassWindow(hWnd);
}

void HookMessage(HWND hWnd, UINT Msg) {
    SubclassWnd::Module().HookMessage(hWnd, Msg);
}

void UnhookMessage(HWND hWnd, UINT Msg) {
    SubclassWnd::Module().UnhookMessage(hWnd, Msg);
}

LRESULT SubclassWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return SubclassWnd::Module().Dispatch(hWnd, Msg, wParam, lParam);
}

} // namespace shared
