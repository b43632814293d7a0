// Raster costs at full-screen size: FillRect and a BitBlt SRCCOPY of 1920 x 1080 between memory
// bitmaps, each beside memset/memcpy of the same bytes (the ratio is the figure that matters);
// and shapes whose regions have many pieces: a filled star of n points, a window-sized ellipse
// and a wide pen along a diagonal.

#include "platform/win/Win.h"

#include "testsupport/MemoryCanvas.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using namespace win;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr size_t kBytes = size_t{kWidth} * kHeight * 4;

void BM_FillRect(benchmark::State& state) {
    testsupport::MemoryCanvas canvas(kWidth, kHeight);
    const HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
    const RECT all{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        FillRect(canvas.Dc(), &all, brush);
    }
    DeleteObject(brush);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_FillRect);

void BM_Memset(benchmark::State& state) {
    std::vector<uint32_t> pixels(kBytes / 4);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, kBytes);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_Memset);

void BM_BitBltSrcCopy(benchmark::State& state) {
    testsupport::MemoryCanvas source(kWidth, kHeight);
    testsupport::MemoryCanvas target(kWidth, kHeight);
    for (auto _ : state) {
        BitBlt(target.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, SRCCOPY);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_BitBltSrcCopy);

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint32_t> source(kBytes / 4, 1);
    std::vector<uint32_t> target(kBytes / 4);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), kBytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_Memcpy);

void BM_StarPolygon(benchmark::State& state) {
    testsupport::MemoryCanvas canvas(600, 600);
    const auto count = static_cast<int>(state.range(0));
    std::vector<POINT> points;
    for (int i = 0; i < count; ++i) {
        const double angle = 6.283185307179586 * i / count;
        const double radius = i % 2 != 0 ? 290.0 : 50.0;
        points.push_back({300 + static_cast<LONG>(radius * std::cos(angle)),
                          300 + static_cast<LONG>(radius * std::sin(angle))});
    }
    for (auto _ : state) {
        Polygon(canvas.Dc(), points.data(), count);
    }
}
BENCHMARK(BM_StarPolygon)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_WindowSizedEllipse(benchmark::State& state) {
    testsupport::MemoryCanvas canvas(600, 600);
    for (auto _ : state) {
        Ellipse(canvas.Dc(), 0, 0, 600, 600);
    }
}
BENCHMARK(BM_WindowSizedEllipse)->Unit(benchmark::kMillisecond);

void BM_WidePenDiagonal(benchmark::State& state) {
    testsupport::MemoryCanvas canvas(600, 600);
    const HPEN pen = CreatePen(PS_SOLID, static_cast<int>(state.range(0)), RGB(200, 0, 0));
    const HGDIOBJ old = SelectObject(canvas.Dc(), pen);
    for (auto _ : state) {
        MoveToEx(canvas.Dc(), -5000, -5000, nullptr);
        LineTo(canvas.Dc(), 5000, 5000);
    }
    SelectObject(canvas.Dc(), old);
    DeleteObject(pen);
}
BENCHMARK(BM_WidePenDiagonal)->Arg(3)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace
