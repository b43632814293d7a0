// Property bag Contents: serialising and parsing a bag of 10,000 entries of mixed types.
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/font/Font.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kEntries = 10000;

ole::Ptr<ole::PropertyBag> FilledBag() {
    auto bag = ole::PropertyBag::Create();
    const ole::Variant noDefault = ole::Variant::Missing();
    const auto font = ole::Font::Create();
    for (int i = 0; i < kEntries; ++i) {
        const std::string name = "Property" + std::to_string(i);
        switch (i % 5) {
        case 0:
            bag->WriteProperty(name, ole::Variant(int32_t{i}), noDefault);
            break;
        case 1:
            bag->WriteProperty(name, ole::Variant("value " + std::to_string(i)), noDefault);
            break;
        case 2:
            bag->WriteProperty(name, ole::Variant(i * 0.5), noDefault);
            break;
        case 3:
            bag->WriteProperty(name, ole::Variant(i % 2 == 0), noDefault);
            break;
        default:
            bag->WriteProperty(name, ole::Variant(font), noDefault);
            break;
        }
    }
    return bag;
}

void BM_ContentsWrite(benchmark::State& state) {
    const auto bag = FilledBag();
    for (auto _ : state) {
        benchmark::DoNotOptimize(bag->Contents());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ContentsWrite)->Unit(benchmark::kMillisecond);

void BM_ContentsRead(benchmark::State& state) {
    const ole::Variant contents = FilledBag()->Contents();
    const auto bag = ole::PropertyBag::Create();
    for (auto _ : state) {
        bag->SetContents(contents);
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ContentsRead)->Unit(benchmark::kMillisecond);

void BM_WriteProperty(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(FilledBag());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_WriteProperty)->Unit(benchmark::kMillisecond);

} // namespace
