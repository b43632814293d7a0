// Property model costs: filling a list of 10,000 properties in 100 categories with both row
// trees, and walking the visible rows of each view.

#include "propertylist/tests/support/ListStandIn.h"

#include <benchmark/benchmark.h>

namespace {

using namespace attrgrid;

ole::Ptr<test::ListStandIn> FilledList() {
    auto owner = test::ListStandIn::Create();
    for (int i = 0; i < 10000; ++i) {
        const std::string category =
            "Group" + std::to_string(i % 100) + "|Part" + std::to_string(i % 7);
        owner->Add("Item" + std::to_string(i), ole::Variant(i), category);
    }
    return owner;
}

void Release(const ole::Ptr<test::ListStandIn>& owner) {
    owner->trees.Clear();
    owner->properties->Clear();
}

void BM_AddPropertiesAndBuildBothTrees(benchmark::State& state) {
    for (auto _ : state) {
        auto owner = FilledList();
        benchmark::DoNotOptimize(owner->trees.Categorized()->Count());
        state.PauseTiming();
        Release(owner);
        owner = nullptr;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddPropertiesAndBuildBothTrees)->Unit(benchmark::kMillisecond);

void WalkVisibleRows(benchmark::State& state, bool categorized) {
    auto owner = FilledList();
    const auto tree = categorized ? owner->trees.Categorized() : owner->trees.Alphabetic();
    for (auto _ : state) {
        int64_t rows = 0;
        for (auto row = tree->ItemByPosition("P0_I1"); row; row = row->NextVisibleNode())
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
    Release(owner);
}

void BM_VisibleWalkAlphabetic(benchmark::State& state) {
    WalkVisibleRows(state, false);
}
BENCHMARK(BM_VisibleWalkAlphabetic)->Unit(benchmark::kMillisecond);

void BM_VisibleWalkCategorized(benchmark::State& state) {
    WalkVisibleRows(state, true);
}
BENCHMARK(BM_VisibleWalkCategorized)->Unit(benchmark::kMillisecond);

} // namespace
