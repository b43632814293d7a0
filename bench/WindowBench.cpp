// Window manager costs: message delivery through subclass chains, and the invalidate/paint cycle
// over many child windows.

#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

using namespace win;

std::array<WNDPROC, 3> g_previous{};

template <size_t Level>
LRESULT Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(g_previous[Level], hwnd, msg, wParam, lParam);
}

LRESULT CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) {
        return static_cast<LRESULT>(wParam) + 1;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT PaintingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(hwnd, &ps);
        FillRect(hdc, &ps.rcPaint, HBRUSH::FromValue(COLOR_BTNFACE + 1));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterClass(const char* name, WNDPROC proc) {
    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hbrBackground = HBRUSH::FromValue(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

void BM_SendMessageThroughThreeSubclasses(benchmark::State& state) {
    test::resetPlatform();
    RegisterClass("BenchCounting", CountingProc);
    const HWND hwnd =
        CreateWindowExA(0, "BenchCounting", "", WS_OVERLAPPED, 0, 0, 100, 100, {}, {}, {}, nullptr);
    g_previous[0] = reinterpret_cast<WNDPROC>(
        SetWindowLongA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass<0>)));
    g_previous[1] = reinterpret_cast<WNDPROC>(
        SetWindowLongA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass<1>)));
    g_previous[2] = reinterpret_cast<WNDPROC>(
        SetWindowLongA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass<2>)));
    WPARAM value = 0;
    for (auto _ : state) {
        value = static_cast<WPARAM>(SendMessageA(hwnd, WM_USER, value, 0));
        benchmark::DoNotOptimize(value);
    }
    test::resetPlatform();
}
BENCHMARK(BM_SendMessageThroughThreeSubclasses);

// 1,000 children in a 40 x 25 grid: invalidate the parent (children follow), then pump until
// every WM_PAINT has run.
void BM_InvalidateAndPaintThousandChildren(benchmark::State& state) {
    test::resetPlatform();
    RegisterClass("BenchPainting", PaintingProc);
    const HWND parent = CreateWindowExA(0, "BenchPainting", "", WS_OVERLAPPED | WS_VISIBLE, 0, 0,
                                        1000, 750, {}, {}, {}, nullptr);
    for (int i = 0; i < 1000; ++i) {
        CreateWindowExA(0, "BenchPainting", "", WS_CHILD | WS_VISIBLE, (i % 40) * 25, (i / 40) * 30,
                        24, 29, parent, HMENU::FromValue(static_cast<uint32_t>(i)), {}, nullptr);
    }
    test::pump();
    for (auto _ : state) {
        InvalidateRect(parent, nullptr, TRUE);
        test::pump();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    test::resetPlatform();
}
BENCHMARK(BM_InvalidateAndPaintThousandChildren)->Unit(benchmark::kMillisecond);

} // namespace
