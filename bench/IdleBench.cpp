// The message loop on a real display between timer ticks: CPU time used by one idle second with a
// 250 ms timer running, and how late the ticks come. Runs on a private Xvfb server.

#include "XvfbServer.h"

#include "platform/display/x11/X11Backend.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

constexpr UINT kPeriodMs = 250;

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_IdleSecondWithTimer(benchmark::State& state) {
    std::string error;
    const auto server = displaytest::XvfbServer::Start(&error);
    if (!server) {
        state.SkipWithError(("no private X server: " + error).c_str());
        return;
    }
    test::resetPlatform();
    if (!display::X11Backend::Install(server->DisplayName().c_str(), &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "IdleBench";
    RegisterClassExA(&wc);
    const HWND top = CreateWindowExA(0, "IdleBench", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                                     nullptr, nullptr, nullptr, nullptr);

    double cpuMs = 0;
    double worstLateMs = 0;
    double ticks = 0;
    for (auto _ : state) {
        MSG msg;
        // Settle what showing the window queued, then measure from a fresh timer.
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        const auto start = Clock::now();
        const double cpuStart = ProcessCpuMs();
        SetTimer(top, 1, kPeriodMs, nullptr);
        int fired = 0;
        while (Clock::now() - start < std::chrono::seconds(1) && GetMessageA(&msg, nullptr, 0, 0)) {
            if (msg.message == WM_TIMER) {
                ++fired;
                const auto due = start + std::chrono::milliseconds(kPeriodMs * fired);
                const double late =
                    std::chrono::duration<double, std::milli>(Clock::now() - due).count();
                worstLateMs = std::max(worstLateMs, late);
            }
            DispatchMessageA(&msg);
        }
        KillTimer(top, 1);
        cpuMs += ProcessCpuMs() - cpuStart;
        ticks += fired;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_idle_s"] = cpuMs / runs;
    state.counters["ticks_per_s"] = ticks / runs;
    state.counters["worst_tick_late_ms"] = worstLateMs;
    test::resetPlatform();
    display::InstallBackend(nullptr);
}

BENCHMARK(BM_IdleSecondWithTimer)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
