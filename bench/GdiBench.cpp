// Raster costs at full-screen size: FillRect and a BitBlt SRCCOPY of 1920 x 1080 between memory
// bitmaps, each beside memset/memcpy of the same bytes (the ratio is the figure that matters).

#include "platform/win/Win.h"

#include "testsupport/MemoryCanvas.h"

#include <benchmark/benchmark.h>

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

} // namespace
