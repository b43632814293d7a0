// Form runtime costs over many controls. A per-call cost that grows with the controls already
// there shows as a total growing faster than n (adding, reading by index, unloading), or as a
// single call growing with n (Tab, the control of a window, a mouse move or a small repaint).

#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void PerControl(benchmark::State& state, int n, const char* counter) {
    state.counters[counter] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// n visible command buttons in rows of 50, each with its own window.
std::unique_ptr<forms::test::TestHost> FormWithButtons(int n) {
    auto host = std::make_unique<forms::test::TestHost>();
    forms::Form& form = host->GetForm();
    for (int i = 0; i < n; ++i) {
        const int x = (i % 50) * 8;
        const int y = (i / 50) % 30 * 8;
        form.AddControl(forms::CommandButton::Create(), "Command" + std::to_string(i), {},
                        {x, y, x + 8, y + 8});
    }
    return host;
}

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
    PerControl(state, n, "perAdd");
}
BENCHMARK(BM_AddControlsToAForm)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Controls.Count, then Controls(i) for every i, through late binding as a host reads them.
void BM_ReadEveryControlByIndex(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    win::test::resetPlatform();
    {
        const auto host = FormWithButtons(n);
        const ole::Variant form(host->FormObject());
        for (auto _ : state) {
            const ole::Variant controls = ole::GetObjectProperty(form, "Controls");
            const int32_t count = ole::GetProperty(controls, "Count").AsI4();
            for (int32_t i = 0; i < count; ++i) {
                ole::Variant index[] = {ole::Variant(i)};
                benchmark::DoNotOptimize(ole::GetObjectProperty(controls, "Item", index));
            }
        }
    }
    win::test::resetPlatform();
    PerControl(state, n, "perItem");
}
BENCHMARK(BM_ReadEveryControlByIndex)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Unload of a shown form: every control unsited and its window destroyed, then the form's.
void BM_UnloadForm(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    win::test::resetPlatform();
    for (auto _ : state) {
        state.PauseTiming();
        auto host = FormWithButtons(n);
        host->Show();
        state.ResumeTiming();
        host->GetForm().UnloadForm();
        state.PauseTiming();
        host.reset();
        state.ResumeTiming();
    }
    win::test::resetPlatform();
    PerControl(state, n, "perControl");
}
BENCHMARK(BM_UnloadForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One Tab from the focused control to the next, as the form's key handling moves it.
void BM_TabAcrossForm(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    win::test::resetPlatform();
    {
        const auto host = FormWithButtons(n);
        host->Show();
        forms::Form& form = host->GetForm();
        for (auto _ : state)
            form.TabToNext(win::GetFocus(), false);
    }
    win::test::resetPlatform();
}
BENCHMARK(BM_TabAcrossForm)->Arg(1000)->Arg(10000);

// The control behind a window, for the last control added.
void BM_ControlOfWindow(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    win::test::resetPlatform();
    {
        const auto host = FormWithButtons(n);
        forms::Form& form = host->GetForm();
        const win::HWND last = form.ControlList().back()->Window();
        for (auto _ : state)
            benchmark::DoNotOptimize(form.ControlOfWindow(last));
    }
    win::test::resetPlatform();
}
BENCHMARK(BM_ControlOfWindow)->Arg(1000)->Arg(10000);

// n windowless labels with captions in rows of 50 on a shown form.
std::unique_ptr<forms::test::TestHost> FormWithLabels(int n) {
    auto host = std::make_unique<forms::test::TestHost>();
    forms::Form& form = host->GetForm();
    for (int i = 0; i < n; ++i) {
        const int x = (i % 50) * 12;
        const int y = (i / 50) % 30 * 12;
        auto label = forms::Label::Create();
        form.AddControl(label, "Label" + std::to_string(i), {}, {x, y, x + 10, y + 10});
        label->SetCaption("L" + std::to_string(i));
    }
    host->Show();
    return host;
}

// The pointer moving over the form at run time: each move finds the windowless label under it.
void BM_MouseMoveOverLabels(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    win::test::resetPlatform();
    {
        const auto host = FormWithLabels(n);
        const win::HWND hwnd = host->GetForm().Window();
        int step = 0;
        for (auto _ : state) {
            const int x = 1 + (step++ % 600);
            win::SendMessageA(hwnd, win::WM_MOUSEMOVE, 0, win::MAKELPARAM(x, 5));
        }
    }
    win::test::resetPlatform();
}
BENCHMARK(BM_MouseMoveOverLabels)->Arg(1000)->Arg(10000);

// A repaint of one label's place among all the others.
void BM_PaintOneLabelsPlace(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    win::test::resetPlatform();
    {
        const auto host = FormWithLabels(n);
        const win::HWND hwnd = host->GetForm().Window();
        const win::RECT place{0, 0, 10, 10};
        for (auto _ : state) {
            win::InvalidateRect(hwnd, &place, true);
            win::UpdateWindow(hwnd);
        }
    }
    win::test::resetPlatform();
}
BENCHMARK(BM_PaintOneLabelsPlace)->Arg(1000)->Arg(10000);

} // namespace
