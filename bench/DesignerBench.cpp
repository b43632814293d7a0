// The form designer over 1,000 hosted labels (40 columns of 25, each 20 x 10 pixels): selecting
// them all with a band, one drag pass that erases and redraws a frame per control and reports
// each move, the pointer moving beside them all selected, a full repaint with 100 of them
// selected, a repaint of a small corner with none or all selected, hit testing at a point that
// only the last control of the form covers (also among 10,000), and saving and loading the layout
// file of all of them.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

using layoutdesk::ZORudeRuduvozu;

constexpr int kColumns = 40;
constexpr int kRows = 25;

struct Surface {
    std::unique_ptr<forms::test::TestHost> host;
    ole::Ptr<forms::Extender> extender;
    ole::Ptr<ZORudeRuduvozu> designer;

    explicit Surface(int count = kColumns * kRows) {
        win::test::resetPlatform();
        win::test::setScreenSize(1400, 1000);
        ZORudeRuduvozu::Register();
        host = std::make_unique<forms::test::TestHost>(forms::test::HostMode::User,
                                                       win::RECT{0, 0, 1300, 900});
        extender = host->Host(ZORudeRuduvozu::kProgId, "Designer1", {0, 0, 1240, 800});
        designer = ole::PtrCast<ZORudeRuduvozu>(extender->Inner());
        host->Show();
        designer->LetLockRefresh(true);
        for (int i = 0; i < count; ++i) {
            auto label = host->GetForm().Add("VB.Label", "Label" + std::to_string(i),
                                             ole::Ptr<ole::Object>(extender));
            const float left = static_cast<float>((i % kColumns) * 30 * 15);
            const float top = static_cast<float>((i / kColumns) * 30 * 15 + 150);
            std::array<ole::Variant, 4> move{ole::Variant(left), ole::Variant(top),
                                             ole::Variant(300.0F), ole::Variant(150.0F)};
            ole::CallMethod(ole::Variant(label), "Move", move);
            ole::LetProperty(ole::Variant(label), "Visible", ole::Variant(true));
        }
        designer->LetLockRefresh(false);
        designer->LetMode(layoutdesk::ksModeSelect);
        win::test::pump();
    }
    ~Surface() {
        designer = nullptr;
        extender = nullptr;
        host.reset();
        win::test::resetPlatform();
    }
    void SelectAll() {
        designer->DeselectAllControl();
        designer->SelectControlsInRect({0, 0, 1240, 800}, ole::Ptr<ole::Object>(extender));
        designer->FlushDirtyRect();
    }
};

void BM_SelectAllWithABand(benchmark::State& state) {
    Surface surface;
    for (auto _ : state)
        surface.SelectAll();
    state.counters["selected"] = surface.designer->GetSelectedControls()->Count();
}
BENCHMARK(BM_SelectAllWithABand)->Unit(benchmark::kMillisecond);

void BM_OneDragPassOverAllControls(benchmark::State& state) {
    Surface surface;
    surface.SelectAll();
    ZORudeRuduvozu& designer = *surface.designer;
    win::SetFocus(designer.hWnd());
    const win::HWND hwnd = designer.hWnd();
    // The first label's body, then back and forth by a pixel.
    designer.DesignMouseDown(hwnd, 150, 225, false, false);
    int32_t x = 150;
    for (auto _ : state) {
        x = x == 150 ? 165 : 150;
        designer.DesignMouseMove(hwnd, x, 225, false, false);
    }
    designer.DesignMouseUp(hwnd, 150, 225, false, false);
}
BENCHMARK(BM_OneDragPassOverAllControls)->Unit(benchmark::kMillisecond);

// The pointer moving over the surface beside every control, all of them selected: whether a
// selected control or its handles lie under it decides the cursor.
void BM_HoverOverTheSelection(benchmark::State& state) {
    Surface surface;
    surface.SelectAll();
    ZORudeRuduvozu& designer = *surface.designer;
    const win::HWND hwnd = designer.hWnd();
    // Right of the last column, where no control is.
    int32_t x = 18300;
    for (auto _ : state) {
        x = x == 18300 ? 18315 : 18300;
        designer.DesignMouseMove(hwnd, x, 225, false, false);
    }
}
BENCHMARK(BM_HoverOverTheSelection)->Unit(benchmark::kMillisecond);

// Refresh: every hosted control's own Refresh, then grid and handles over the whole surface, with
// every tenth control selected.
void BM_FullRepaintWithAHundredSelected(benchmark::State& state) {
    Surface surface;
    ZORudeRuduvozu& designer = *surface.designer;
    designer.LetLockRefresh(true);
    const auto controls = designer.ContainedControls();
    for (size_t i = 0; i < controls.size(); i += 10)
        designer.SelectControl(ole::Variant(ole::Ptr<ole::Object>(controls[i])));
    designer.LetLockRefresh(false);
    win::test::pump();
    for (auto _ : state)
        designer.Refresh();
    state.counters["selected"] = designer.GetSelectedControls()->Count();
}
BENCHMARK(BM_FullRepaintWithAHundredSelected)->Unit(benchmark::kMillisecond);

// What a selection change repaints: a handle-sized corner of the surface, with nothing or every
// control selected.
void BM_PaintOfASmallArea(benchmark::State& state) {
    Surface surface;
    ZORudeRuduvozu& designer = *surface.designer;
    if (state.range(0) > 0)
        surface.SelectAll();
    win::test::pump();
    const win::RECT corner{1200, 760, 1220, 780};
    for (auto _ : state) {
        win::InvalidateRect(designer.hWnd(), &corner, win::FALSE);
        win::UpdateWindow(designer.hWnd());
    }
    state.counters["selected"] = designer.GetSelectedControls()->Count();
}
BENCHMARK(BM_PaintOfASmallArea)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The last label only; the surface grows downwards past its window with the count.
void BM_HitTestAmongAllControls(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    Surface surface(count);
    ZORudeRuduvozu& designer = *surface.designer;
    const float x = static_cast<float>(((count - 1) % kColumns) * 450 + 150);
    const float y = static_cast<float>(((count - 1) / kColumns) * 450 + 150 + 75);
    int32_t code = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(designer.ControlFromPoint(x, y, false, code, true));
    state.counters["code"] = code;
}
BENCHMARK(BM_HitTestAmongAllControls)
    ->Arg(kColumns* kRows)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

std::string LayoutPath() {
    return (std::filesystem::temp_directory_path() /
            ("layoutdesk-bench-" + std::to_string(getpid()) + ".ksf"))
        .string();
}

void TimeSaves(benchmark::State& state, Surface& surface) {
    const std::string path = LayoutPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(surface.designer->SaveLayout(path));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

void BM_SaveLayoutOfAllControls(benchmark::State& state) {
    Surface surface;
    TimeSaves(state, surface);
}
BENCHMARK(BM_SaveLayoutOfAllControls)->Unit(benchmark::kMillisecond);

// The same labels on the designer and in 100 frames: each frame's bag gathers its children.
void BM_SaveLayoutOfControlsInFrames(benchmark::State& state) {
    constexpr int kFrames = 100;
    Surface surface(kColumns * kRows - kFrames);
    forms::Form& form = surface.host->GetForm();
    for (int i = 0; i < kFrames; ++i) {
        auto frame = form.Add("VB.Frame", "Frame" + std::to_string(i),
                              ole::Ptr<ole::Object>(surface.extender));
        for (int j = i * 8; j < i * 8 + 8; ++j)
            ole::SetProperty(ole::Variant(form.FindControl("Label" + std::to_string(j))),
                             "Container", ole::Variant(ole::Ptr<ole::Object>(frame)));
    }
    TimeSaves(state, surface);
}
BENCHMARK(BM_SaveLayoutOfControlsInFrames)->Unit(benchmark::kMillisecond);

// Each load starts on a designer emptied outside the timing, so every control is created again.
void BM_LoadLayoutOfAllControls(benchmark::State& state) {
    Surface surface;
    const std::string path = LayoutPath();
    surface.designer->SaveLayout(path);
    bool loaded = true;
    for (auto _ : state) {
        state.PauseTiming();
        for (const auto& control : surface.designer->ContainedControls())
            surface.host->GetForm().RemoveAdded(control);
        state.ResumeTiming();
        loaded = surface.designer->LoadLayout(path) && loaded;
    }
    state.counters["controls"] = static_cast<double>(surface.designer->ContainedControls().size());
    state.counters["clean"] = loaded ? 1 : 0;
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadLayoutOfAllControls)->Unit(benchmark::kMillisecond);

} // namespace
