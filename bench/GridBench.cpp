// Property list costs on a hosted control: 10,000 properties added under LockRefresh and laid out
// once when it is released, and a full repaint of the grid with 10,000 rows against 100 rows
// (only the rows on screen are drawn, so both should cost about the same).

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "platform/forms/test/TestHost.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace attrgrid;

class HostedGrid {
public:
    HostedGrid() {
        win::test::resetPlatform();
        ZAVeravuvuDudu::Register();
        m_host = std::make_unique<forms::test::TestHost>();
        m_extender = m_host->Host(ZAVeravuvuDudu::kProgId, "Grid1", {10, 10, 310, 250});
        m_grid = ole::PtrCast<ZAVeravuvuDudu>(m_extender->Inner());
        m_host->Show();
    }
    ~HostedGrid() {
        m_grid = nullptr;
        m_extender = nullptr;
        m_host.reset();
        win::test::resetPlatform();
    }
    HostedGrid(const HostedGrid&) = delete;
    HostedGrid& operator=(const HostedGrid&) = delete;

    ZAVeravuvuDudu& Grid() { return *m_grid; }

    // `count` properties in 50 categories, added while refresh is locked.
    void Fill(int count) {
        m_grid->LetLockRefresh(true);
        const auto properties = m_grid->GetProperties();
        for (int i = 0; i < count; ++i) {
            properties->Add("Item" + std::to_string(i), ole::Variant(int32_t{i}),
                            "Group" + std::to_string(i % 50));
        }
        m_grid->LetLockRefresh(false);
    }

private:
    std::unique_ptr<forms::test::TestHost> m_host;
    ole::Ptr<forms::Extender> m_extender;
    ole::Ptr<ZAVeravuvuDudu> m_grid;
};

void BM_AddUnderLockRefreshThenRelease(benchmark::State& state) {
    HostedGrid hosted;
    if (!hosted.Grid().GetProperties()) {
        state.SkipWithError("the control has no property collection");
        return;
    }
    for (auto _ : state) {
        hosted.Fill(10000);
        state.PauseTiming();
        hosted.Grid().GetProperties()->Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddUnderLockRefreshThenRelease)->Unit(benchmark::kMillisecond);

void BM_FullRepaint(benchmark::State& state) {
    HostedGrid hosted;
    if (!hosted.Grid().GetProperties()) {
        state.SkipWithError("the control has no property collection");
        return;
    }
    hosted.Fill(static_cast<int>(state.range(0)));
    const win::HWND grid = hosted.Grid().GridWnd();
    for (auto _ : state) {
        win::InvalidateRect(grid, nullptr, win::FALSE);
        win::UpdateWindow(grid);
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_FullRepaint)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
