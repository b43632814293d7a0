// Controls.Add on one form: n controls (labels and command buttons in turn) added to an empty
// form, each a hidden control on top of the z-order with the next TabIndex. A per-add cost that
// grows with the controls already there shows as a total growing faster than n.

#include "platform/forms/form/Form.h"
#include "platform/forms/test/TestHost.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void BM_AddControlsToAForm(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    win::test::resetPlatform();
    for (auto _ : state) {
        state.PauseTiming();
        auto host = std::make_unique<forms::test::TestHost>();
        forms::Form& form = host->GetForm();
        state.ResumeTiming();
        for (int i = 0; i < n; ++i) {
            if (i % 2 == 0)
                form.Add("VB.Label", "Label" + std::to_string(i));
            else
                form.Add("VB.CommandButton", "Command" + std::to_string(i));
        }
        state.PauseTiming();
        host.reset();
        state.ResumeTiming();
    }
    win::test::resetPlatform();
    state.counters["perAdd"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_AddControlsToAForm)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
