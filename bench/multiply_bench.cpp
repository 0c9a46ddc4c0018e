// Multiplication through calculate: square products of 10^2 to 10^4 digits, and a long
// operand times a short one, where the carries of each row run the whole way up.
#include "BenchOperands.h"
#include "DecimalEngine.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Multiply(benchmark::State &state) {
    const auto lenA = static_cast<std::size_t>(state.range(0));
    const auto lenB = static_cast<std::size_t>(state.range(1));
    const std::string a = benchNumber(lenA, lenA / 3, 3);
    const std::string b = "-" + benchNumber(lenB, lenB / 2, 4);
    tallaro::DecimalEngine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.calculate(a, "*", b));
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
    state.SetLabel("items = digit pairs");
}

BENCHMARK(BM_Multiply)
    ->Args({100, 100})
    ->Args({1000, 1000})
    ->Args({10000, 10000})
    ->Args({100000, 10})
    ->Unit(benchmark::kMillisecond);

} // namespace
