// Text costs: one 80-character line through ExtTextOutA, and DrawTextA cutting a long line with
// an end ellipsis. Both draw into a memory bitmap, so only text work is measured.

#include "platform/win/Win.h"
#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"

#include "testsupport/MemoryCanvas.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace win;

const std::string kLine =
    "The quick brown fox jumps over the lazy dog; pack my box with five dozen jugs no";

void ExtTextOutLine(benchmark::State& state) {
    testsupport::MemoryCanvas canvas(640, 40);
    for (auto _ : state) {
        ExtTextOutA(canvas.Dc(), 2, 2, 0, nullptr, kLine.c_str(), static_cast<UINT>(kLine.size()),
                    nullptr);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kLine.size()));
}
BENCHMARK(ExtTextOutLine);

void DrawTextEndEllipsis(benchmark::State& state) {
    testsupport::MemoryCanvas canvas(640, 40);
    for (auto _ : state) {
        RECT rect{0, 0, 200, 20};
        benchmark::DoNotOptimize(DrawTextA(canvas.Dc(), kLine.c_str(), -1, &rect,
                                           DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS));
    }
}
BENCHMARK(DrawTextEndEllipsis);

void MeasureLine(benchmark::State& state) {
    testsupport::MemoryCanvas canvas(640, 40);
    for (auto _ : state) {
        SIZE size;
        GetTextExtentPoint32A(canvas.Dc(), kLine.c_str(), static_cast<int>(kLine.size()), &size);
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(MeasureLine);

} // namespace
