// Division through divide: long quotients from a one-digit divisor, long operands, and the
// cost of repetend detection beside the plain loop.
#include "BenchDivision.h"
#include "BenchOperands.h"
#include "DecimalEngine.h"

#include <benchmark/benchmark.h>

namespace {

void run(benchmark::State &state, const std::string &a, const std::string &b, int fractionDigits,
         bool findRepetend) {
    tallaro::DecimalEngine engine;
    // The digit loop itself, also where divide would take long quotients to limbs.
    engine.m_divisionMethod = tallaro::DecimalEngine::DivisionMethod::DigitLoop;
    engine.m_fractionDigits = fractionDigits;
    engine.m_findRepetend = findRepetend ? 1 : 0;
    benchDivide(state, engine, a, b);
}

void BM_OneSeventh(benchmark::State &state) {
    run(state, "1", "7", static_cast<int>(state.range(0)), false);
}

void BM_LongByHalfAsLong(benchmark::State &state) {
    run(state, benchDigits(10000, 1), benchDigits(5000, 2), 1000, false);
}

// 1 ÷ a divisor of n digits: the first n - 1 places are zeros written without a
// comparison. Arguments: n, fraction digits, detection.
void BM_OneByLong(benchmark::State &state) {
    run(state, "1", benchDigits(static_cast<std::size_t>(state.range(0)), 3),
        static_cast<int>(state.range(1)), state.range(2) != 0);
}

// Equally long operands: every place is compared, and detection records 100 remainders
// of n digits and looks each later one up. Arguments: n, detection.
void BM_EqualLengths(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    run(state, benchDigits(n, 4), benchDigits(n, 5), 10000, state.range(1) != 0);
}

BENCHMARK(BM_OneSeventh)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongByHalfAsLong)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneByLong)
    ->Args({10000, 10000, 0})->Args({10000, 10000, 1})
    ->Args({10000, 20000, 0})->Args({10000, 20000, 1})
    ->Args({100000, 1000, 1})->Args({100000, 101000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EqualLengths)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

} // namespace
