// Cost of reaching a member through dispatch compared with a direct C++ call.

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <benchmark/benchmark.h>

using namespace ole;

namespace {

class Counter : public Object {
public:
    int32_t Add(int32_t a, int32_t b) {
        m_total += a + b;
        return m_total;
    }
    int32_t Total() const { return m_total; }
    std::string Caption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }

    static const ClassInfo& Info() {
        static const ClassInfo info =
            ClassBuilder<Counter>("Counter")
                .Property("Caption", DISPID_VALUE, &Counter::Caption, &Counter::SetCaption)
                .Method("Add", 1, &Counter::Add, Params({Arg("a"), Arg("b")}))
                .Get("Total", 2, &Counter::Total)
                .Method("Reset", 3, &Counter::Total)
                .Method("Refresh", 4, &Counter::Total)
                .Method("SomeLongerMemberName", 5, &Counter::Total)
                .Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    int32_t m_total = 0;
    std::string m_caption = "counter";
};

void DirectCall(benchmark::State& state) {
    Ptr<Counter> counter = MakeObject<Counter>();
    int32_t a = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(counter->Add(a, 2));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DirectCall);

void InvokeById(benchmark::State& state) {
    Ptr<Counter> counter = MakeObject<Counter>();
    Variant args[] = {Variant(1), Variant(2)};
    for (auto _ : state)
        benchmark::DoNotOptimize(counter->Invoke(1, DISPATCH_METHOD, args));
}
BENCHMARK(InvokeById);

void InvokeByIdConvertingArguments(benchmark::State& state) {
    Ptr<Counter> counter = MakeObject<Counter>();
    Variant args[] = {Variant(int16_t{1}), Variant("2")};
    for (auto _ : state)
        benchmark::DoNotOptimize(counter->Invoke(1, DISPATCH_METHOD, args));
}
BENCHMARK(InvokeByIdConvertingArguments);

void PropertyGetById(benchmark::State& state) {
    Ptr<Counter> counter = MakeObject<Counter>();
    for (auto _ : state)
        benchmark::DoNotOptimize(counter->Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, {}));
}
BENCHMARK(PropertyGetById);

void GetIDsOfNames(benchmark::State& state) {
    Ptr<Counter> counter = MakeObject<Counter>();
    for (auto _ : state)
        benchmark::DoNotOptimize(counter->GetIDsOfNames("somelongermembername"));
}
BENCHMARK(GetIDsOfNames);

void LateBoundCallByName(benchmark::State& state) {
    const Variant counter(MakeObject<Counter>());
    Variant args[] = {Variant(1), Variant(2)};
    for (auto _ : state)
        benchmark::DoNotOptimize(CallMethod(counter, "Add", args));
}
BENCHMARK(LateBoundCallByName);

} // namespace
