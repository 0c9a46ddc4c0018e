// The answer layout on answers of 10^3 to 10^7 digits: an integer, and a negative quotient
// with a short integer part and a marked repetend.
#include "AnswerLayout.h"
#include "BenchOperands.h"

#include <benchmark/benchmark.h>

namespace {

void run(benchmark::State &state, const std::string &answer, int head, int tail) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tallaro::layOutAnswer(answer, head, tail));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items = digits of the answer");
}

void BM_LayoutInteger(benchmark::State &state) {
    run(state, benchDigits(static_cast<std::size_t>(state.range(0)), 1), 0, 0);
}

void BM_LayoutQuotient(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    run(state, "-" + benchNumber(n, n - 7, 2), 3, static_cast<int>(n - 8));
}

BENCHMARK(BM_LayoutInteger)->Arg(1000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutQuotient)->Arg(1000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

} // namespace
