// Addition and subtraction through calculate, on operands of 10^3 to 10^7 digits.
#include "BenchOperands.h"
#include "DecimalEngine.h"

#include <benchmark/benchmark.h>

namespace {

void run(benchmark::State &state, const char *op) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string a = benchNumber(n, n / 3, 1);
    const std::string b = "-" + benchNumber(n - n / 10, n / 4, 2);
    tallaro::DecimalEngine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.calculate(a, op, b));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items = digits of A");
}

void BM_Add(benchmark::State &state) { run(state, "+"); }
void BM_Subtract(benchmark::State &state) { run(state, "-"); }

BENCHMARK(BM_Add)->Arg(1000)->Arg(100000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Subtract)->Arg(1000)->Arg(100000)->Arg(10000000)->Unit(benchmark::kMillisecond);

} // namespace
