// Property model costs: filling a list of 10,000 properties in 100 categories with both row
// trees, and walking the visible rows of each view.

#include "propertylist/model/property/CProperties.h"
#include "propertylist/model/property/CPropertyOwner.h"
#include "propertylist/model/rows/CRowTrees.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"

#include <benchmark/benchmark.h>

namespace {

using namespace attrgrid;

class BenchOwner : public ole::Object, public CNodesOwner, public CPropertyOwner {
public:
    const ole::ClassInfo& GetClassInfo() const override {
        static const ole::ClassInfo info = ole::ClassBuilder<BenchOwner>("BenchOwner").Build();
        return info;
    }
    ole::Ptr<CProperty> NodeProperty(std::string_view key) override {
        try {
            return properties->ItemByInternalKey(key);
        } catch (const ole::Error&) {
            return nullptr;
        }
    }
    int32_t PropertyBackColor() const override { return 0; }
    int32_t PropertyForeColor() const override { return 0; }

    ole::Ptr<CProperties> properties = CProperties::Create();
    CRowTrees trees;
};

ole::Ptr<BenchOwner> FilledList() {
    auto owner = ole::MakeObject<BenchOwner>();
    owner->properties->SetOwner(owner);
    owner->trees.InitTrees(ole::PtrOfObject(owner));
    for (int i = 0; i < 10000; ++i) {
        const std::string category =
            "Group" + std::to_string(i % 100) + "|Part" + std::to_string(i % 7);
        auto property =
            owner->properties->Add("Item" + std::to_string(i), ole::Variant(i), category);
        owner->trees.AddProperty(property, "|", "Misc", CategoryLook{});
    }
    return owner;
}

void Release(const ole::Ptr<BenchOwner>& owner) {
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
