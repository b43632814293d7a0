// Window manager costs: message delivery through subclass chains, the invalidate/paint cycle
// over many child windows, and teardown and restacking among many siblings.

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

HWND ParentWithChildren(int n) {
    RegisterClass("BenchCounting", CountingProc);
    const HWND parent = CreateWindowExA(0, "BenchCounting", "", WS_OVERLAPPED, 0, 0, 1000, 750, {},
                                        {}, {}, nullptr);
    for (int i = 0; i < n; ++i) {
        CreateWindowExA(0, "BenchCounting", "", WS_CHILD | WS_VISIBLE, (i % 40) * 25,
                        (i / 40) % 25 * 30, 24, 29, parent,
                        HMENU::FromValue(static_cast<uint32_t>(i)), {}, nullptr);
    }
    return parent;
}

// The parent destroyed with its n children.
void BM_DestroyParentWithChildren(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    test::resetPlatform();
    for (auto _ : state) {
        state.PauseTiming();
        const HWND parent = ParentWithChildren(n);
        state.ResumeTiming();
        DestroyWindow(parent);
    }
    test::resetPlatform();
}
BENCHMARK(BM_DestroyParentWithChildren)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Each child destroyed on its own, the first created first, then the last created first.
void BM_DestroyChildrenOneByOne(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    const bool lastFirst = state.range(1) != 0;
    test::resetPlatform();
    for (auto _ : state) {
        state.PauseTiming();
        const HWND parent = ParentWithChildren(n);
        std::vector<HWND> children;
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            children.push_back(h);
        }
        state.ResumeTiming();
        if (lastFirst) {
            for (auto it = children.rbegin(); it != children.rend(); ++it) {
                DestroyWindow(*it);
            }
        } else {
            for (HWND child : children) {
                DestroyWindow(child);
            }
        }
        state.PauseTiming();
        DestroyWindow(parent);
        state.ResumeTiming();
    }
    test::resetPlatform();
}
BENCHMARK(BM_DestroyChildrenOneByOne)
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);

// One child brought to the top of n siblings, then sent to the bottom.
void BM_RestackChild(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    test::resetPlatform();
    const HWND parent = ParentWithChildren(n);
    const HWND child = GetWindow(parent, GW_CHILD);
    for (auto _ : state) {
        SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    test::resetPlatform();
}
BENCHMARK(BM_RestackChild)->Arg(1000)->Arg(10000);

} // namespace
