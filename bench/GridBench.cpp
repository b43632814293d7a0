// Property list costs on a hosted 400 x 600 pixel control whose properties sit in 100 categories:
// filling under LockRefresh and without it, a header-click sort, and the per-step actions a user
// repeats (a wheel notch, a full repaint at the top and at the end, Down, a click on a row,
// selecting the last property with the view at the top, collapsing or expanding a category on
// screen, a new value for the property selected) at 100, 1,000, 10,000 and 100,000 rows. The cost
// of a step should follow the rows on screen, not the rows that exist: after the run, each action's
// cost at 100,000 rows is printed against its cost at 100 rows, with the heap bytes each property
// takes. A row's repaint over a tiled background picture should follow the tiles it meets, not the
// grid's.

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "platform/forms/test/TestHost.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {
// Every allocation through operator new, counted to show what one property costs the heap.
std::atomic<int64_t> g_allocations{0};
} // namespace

[[gnu::noinline]] void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace attrgrid;

constexpr int kCategories = 100;

class HostedGrid {
public:
    HostedGrid() {
        win::test::resetPlatform();
        ZAVeravuvuDudu::Register();
        m_host = std::make_unique<forms::test::TestHost>(forms::test::HostMode::User,
                                                         win::RECT{0, 0, 440, 660});
        m_extender = m_host->Host(ZAVeravuvuDudu::kProgId, "Grid1", {10, 10, 410, 610});
        m_grid = ole::PtrCast<ZAVeravuvuDudu>(m_extender->Inner());
        m_host->Show();
        win::test::pump();
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
    win::HWND GridWnd() const { return m_grid->GridWnd(); }

    // `count` string properties in 100 categories, added while refresh is locked unless
    // `unlocked`, when each add lays out and repaints the grid as a host without LockRefresh sees.
    void Fill(int count, bool unlocked = false) {
        if (!unlocked)
            m_grid->LetLockRefresh(true);
        const auto properties = m_grid->GetProperties();
        for (int i = 0; i < count; ++i) {
            properties->Add("Item" + std::to_string(i), ole::Variant("Value " + std::to_string(i)),
                            "Group" + std::to_string(i % kCategories));
        }
        m_grid->LetLockRefresh(false);
        win::test::pump();
    }

    void ScrollTo(int32_t value) {
        if (auto* bar = m_grid->ScrollBar(); bar && m_grid->ScrollBarShown())
            bar->SetValue(static_cast<int16_t>(std::min<int32_t>(value, bar->GetMax())));
        win::test::pump();
    }
    int32_t ScrollMax() const {
        auto* bar = m_grid->ScrollBar();
        return bar && m_grid->ScrollBarShown() ? bar->GetMax() : 0;
    }
    void Repaint() {
        win::InvalidateRect(GridWnd(), nullptr, win::FALSE);
        win::UpdateWindow(GridWnd());
    }
    void Wheel(int delta) {
        if (win::GetFocus() != GridWnd())
            win::SetFocus(GridWnd());
        win::POINT pt{40, 60};
        win::ClientToScreen(GridWnd(), &pt);
        win::test::wheel(pt, delta);
        win::test::pump();
    }
    void Press(int vk) {
        if (win::GetFocus() != GridWnd())
            win::SetFocus(GridWnd());
        win::test::keyPress(vk);
        win::test::pump();
    }
    // A click on the name header; the clock moves on first so two clicks are not a double click.
    void ClickNameHeader() {
        win::test::advanceTime(2000);
        win::test::click(m_grid->Panel("m_picNameHeader")->Window(), {5, 5});
        win::test::pump();
    }
    // A click on the name of the `index`th row under the headers.
    void ClickRow(int index) {
        const int32_t y = m_grid->HeaderHeightPixels() + index * m_grid->RowHeight() + 3;
        win::test::click(GridWnd(), {30, y});
        win::test::pump();
    }

private:
    std::unique_ptr<forms::test::TestHost> m_host;
    ole::Ptr<forms::Extender> m_extender;
    ole::Ptr<ZAVeravuvuDudu> m_grid;
};

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_Fill(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    HostedGrid hosted;
    for (auto _ : state) {
        hosted.Fill(count);
        state.PauseTiming();
        hosted.Grid().GetProperties()->Clear();
        win::test::pump();
        state.ResumeTiming();
    }
    const size_t before = HeapInUse();
    const int64_t allocationsBefore = g_allocations.load();
    hosted.Fill(count);
    const size_t after = HeapInUse();
    state.counters["bytes/property"] =
        static_cast<double>(after > before ? after - before : 0) / static_cast<double>(count);
    state.counters["allocations/property"] =
        static_cast<double>(g_allocations.load() - allocationsBefore) / static_cast<double>(count);
}
BENCHMARK(BM_Fill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same fill, one property at a time with refresh unlocked, in the alphabetic (0) or the
// categorized (1) view: each add should cost what the screen shows, not what the list holds.
void BM_FillUnlocked(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    HostedGrid hosted;
    hosted.Grid().LetActiveView(static_cast<int32_t>(state.range(1)));
    for (auto _ : state) {
        hosted.Fill(count, true);
        state.PauseTiming();
        hosted.Grid().GetProperties()->Clear();
        win::test::pump();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillUnlocked)
    ->ArgsProduct({{1000, 10000, 40000}, {ksAlphabetic, ksCatagorized}})
    ->Unit(benchmark::kMillisecond);

// Removing every property one at a time with refresh unlocked, the last first, in the alphabetic
// (0) or the categorized (1) view.
void BM_RemoveUnlocked(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    HostedGrid hosted;
    hosted.Grid().LetActiveView(static_cast<int32_t>(state.range(1)));
    const auto properties = hosted.Grid().GetProperties();
    for (auto _ : state) {
        state.PauseTiming();
        hosted.Fill(count);
        state.ResumeTiming();
        for (int32_t i = properties->Count(); i >= 1; --i)
            properties->Remove(ole::Variant(i));
        win::test::pump();
    }
}
BENCHMARK(BM_RemoveUnlocked)
    ->ArgsProduct({{1000, 10000}, {ksAlphabetic, ksCatagorized}})
    ->Unit(benchmark::kMillisecond);

// A header click in the alphabetic view; each click reverses the order of every row.
void BM_HeaderSort(benchmark::State& state) {
    HostedGrid hosted;
    hosted.Fill(static_cast<int>(state.range(0)));
    hosted.Grid().LetActiveView(ksAlphabetic);
    for (auto _ : state)
        hosted.ClickNameHeader();
}
BENCHMARK(BM_HeaderSort)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A grid of `rows` properties, prepared once per benchmark.
HostedGrid& Filled(benchmark::State& state, std::unique_ptr<HostedGrid>& hosted) {
    hosted = std::make_unique<HostedGrid>();
    hosted->Fill(static_cast<int>(state.range(0)));
    return *hosted;
}

void BM_ScrollStep(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    hosted.ScrollTo(hosted.ScrollMax() / 2);
    int delta = -120;
    for (auto _ : state) {
        hosted.Wheel(delta);
        delta = -delta;
    }
}

void BM_RepaintAtTop(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    hosted.ScrollTo(0);
    for (auto _ : state)
        hosted.Repaint();
}

void BM_RepaintAtEnd(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    hosted.ScrollTo(hosted.ScrollMax());
    for (auto _ : state)
        hosted.Repaint();
}

void BM_DownKey(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    hosted.ScrollTo(hosted.ScrollMax() / 2);
    hosted.ClickRow(5);
    for (auto _ : state) {
        hosted.Press(win::VK_DOWN);
        state.PauseTiming();
        hosted.Press(win::VK_UP);
        state.ResumeTiming();
    }
}

void BM_ClickRow(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    hosted.ScrollTo(hosted.ScrollMax() / 2);
    int row = 3;
    for (auto _ : state) {
        hosted.ClickRow(row);
        row = row == 3 ? 6 : 3;
    }
}

void BM_SelectLastFromTop(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    const auto properties = hosted.Grid().GetProperties();
    const auto first = properties->Item(ole::Variant(int32_t{1}));
    const auto last = properties->Item(ole::Variant(properties->Count()));
    for (auto _ : state) {
        state.PauseTiming();
        hosted.Grid().SetSelectedProperty(first);
        hosted.ScrollTo(0);
        state.ResumeTiming();
        hosted.Grid().SetSelectedProperty(last);
        win::test::pump();
    }
}

// The categorized view with the first property of the middle category selected, so that
// category's row is on screen; returns that row.
ole::Ptr<CNode> ShowMiddleCategory(HostedGrid& hosted) {
    hosted.Grid().LetActiveView(ksCatagorized);
    const auto properties = hosted.Grid().GetProperties();
    const int32_t middle = std::min<int32_t>(kCategories, properties->Count()) / 2;
    hosted.Grid().SetSelectedProperty(properties->Item(ole::Variant(middle + 1)));
    win::test::pump();
    return hosted.Grid().ActiveNodes()->CategoryByName("Group" + std::to_string(middle));
}

// Collapsing and expanding, in turn, a category on screen.
void BM_ExpandCollapse(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    const auto category = ShowMiddleCategory(hosted);
    for (auto _ : state) {
        category->SetExpanded(!category->Expanded());
        win::test::pump();
    }
}

// A new value, in turn one of two, for the selected property on screen.
void BM_ValueChange(benchmark::State& state) {
    std::unique_ptr<HostedGrid> keep;
    HostedGrid& hosted = Filled(state, keep);
    ShowMiddleCategory(hosted);
    const auto property = hosted.Grid().GetSelectedProperty();
    bool first = true;
    for (auto _ : state) {
        property->LetValue(ole::Variant(first ? "First" : "Second"));
        win::test::pump();
        first = !first;
    }
}

void PerStep(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_ScrollStep)->Apply(PerStep);
BENCHMARK(BM_RepaintAtTop)->Apply(PerStep);
BENCHMARK(BM_RepaintAtEnd)->Apply(PerStep);
BENCHMARK(BM_DownKey)->Apply(PerStep);
BENCHMARK(BM_ClickRow)->Apply(PerStep);
BENCHMARK(BM_SelectLastFromTop)->Apply(PerStep);
BENCHMARK(BM_ExpandCollapse)->Apply(PerStep);
BENCHMARK(BM_ValueChange)->Apply(PerStep);

// Repainting one row over a tiled background picture whose tiles are `side` pixels square.
void BM_RepaintRowOverTiles(benchmark::State& state) {
    const auto side = static_cast<int32_t>(state.range(0));
    HostedGrid hosted;
    hosted.Fill(100);
    std::vector<uint32_t> pixels(static_cast<size_t>(side) * side, 0xFFC0C0C0);
    hosted.Grid().SetPicture(
        ole::Picture::FromImage(ole::Image{side, side, pixels}, ole::PICTYPE_BITMAP));
    hosted.Grid().LetPictureLayout(ksPictureTiled);
    win::test::pump();
    const int32_t top = hosted.Grid().HeaderHeightPixels() + 2 * hosted.Grid().RowHeight();
    const win::RECT row{0, top, 400, top + hosted.Grid().RowHeight()};
    for (auto _ : state) {
        win::InvalidateRect(hosted.GridWnd(), &row, win::FALSE);
        win::UpdateWindow(hosted.GridWnd());
    }
}
BENCHMARK(BM_RepaintRowOverTiles)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMicrosecond);

// The console table, then each action's cost at 100,000 rows against its cost at 100 rows.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            const std::string name = run.benchmark_name();
            const size_t slash = name.rfind('/');
            if (slash == std::string::npos)
                continue;
            m_times[name.substr(0, slash)][name.substr(slash + 1)] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-24s %14s %14s %8s\n", "action", "100 rows", "100,000 rows", "ratio");
        for (const auto& [action, byRows] : m_times) {
            const auto small = byRows.find("100");
            const auto large = byRows.find("100000");
            if (small == byRows.end() || large == byRows.end() || small->second <= 0)
                continue;
            std::printf("%-24s %14.1f %14.1f %8.2f\n", action.c_str(), small->second, large->second,
                        large->second / small->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> m_times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
