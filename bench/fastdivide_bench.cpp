// Long quotients on limbs: the division targets through divide, the limb division by
// itself across its methods, and the digit loop beside the limb path where they meet.
#include "BenchDivision.h"
#include "BenchOperands.h"
#include "DecimalEngine.h"
#include "LimbDivide.h"
#include "LimbMultiply.h"
#include "Reciprocal.h"
#include "Thresholds.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using tallaro::DecimalEngine;
using Method = DecimalEngine::DivisionMethod;

void run(benchmark::State &state, const std::string &a, const std::string &b, int fractionDigits,
         bool findRepetend, Method method = Method::BySize) {
    DecimalEngine engine;
    engine.m_divisionMethod = method;
    engine.m_fractionDigits = fractionDigits;
    engine.m_findRepetend = findRepetend ? 1 : 0;
    benchDivide(state, engine, a, b);
}

void BM_OneBySevenToAMillionPlaces(benchmark::State &state) {
    run(state, "1", "7", 1'000'000, false);
}

void BM_TwiceAsLongByHundredThousandDigits(benchmark::State &state) {
    run(state, benchDigits(200'000, 1), benchDigits(100'000, 2), 1000, false);
}

void BM_OneByHundredThousandDigits(benchmark::State &state) {
    run(state, "1", benchDigits(100'000, 3), 100'000, false);
}

void BM_OneByTenThousandDigitsDetecting(benchmark::State &state) {
    run(state, "1", benchDigits(10'000, 4), 10'000, true);
}

// Equally long operands with detection: every place from the first is looked up, and
// 100 remainders of n digits are recorded. Argument: n.
void BM_EqualLengthsDetecting(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    run(state, benchDigits(n, 5), benchDigits(n, 6), 10'000, true);
}

// Detection beside the quotient: a dividend twice as long as the divisor (the integer part
// is a long division of its own), a short one, and a one-limb divisor to many places.
// Arguments: dividend digits, divisor digits, fraction digits.
void BM_Detecting(benchmark::State &state) {
    run(state, benchDigits(static_cast<std::size_t>(state.range(0)), 11),
        benchDigits(static_cast<std::size_t>(state.range(1)), 12), static_cast<int>(state.range(2)),
        true);
}

// 2n / n limbs: long division on wide limbs below the reciprocal's threshold, blocks above it.
void BM_DivideLimbs(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const tallaro::Limbs x = tallaro::packDigits(benchDigits(18 * n, 7));
    const tallaro::Limbs d = tallaro::packDigits(benchDigits(9 * n, 8));
    // Second argument: 0 for long division, 1 for blocks from this size on (the reciprocal's
    // iteration from its own threshold), 2 for the engine's own threshold.
    const std::size_t choices[] = {SIZE_MAX, n, tallaro::thresholds::kNewtonDivideMinLimbs};
    const std::size_t from = choices[state.range(1)];
    for (auto _ : state)
        benchmark::DoNotOptimize(tallaro::divideLimbs(x, d, from));
}

// n x n limbs, the unit in which a 2n / n division's cost is counted.
void BM_MultiplyLimbs(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const tallaro::Limbs x = tallaro::packDigits(benchDigits(9 * n, 7));
    const tallaro::Limbs y = tallaro::packDigits(benchDigits(9 * n, 8));
    tallaro::Limbs product(2 * n);
    for (auto _ : state) {
        tallaro::multiplyLimbs(x, y, product);
        benchmark::DoNotOptimize(product.data());
    }
}

// The reciprocal of n limbs by long division (second argument 0) against one step of Newton's
// iteration from the reciprocal of the top half by long division (1): where the iteration
// starts.
void BM_Reciprocal(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    tallaro::Limbs d = tallaro::packDigits(benchDigits(9 * n, 9));
    d.back() = std::max(d.back(), tallaro::kLimbBase / 2);
    const std::size_t from = state.range(1) == 0 ? n + 1 : n;
    for (auto _ : state)
        benchmark::DoNotOptimize(tallaro::reciprocal(d, from));
}

// One difference of n limbs, as a division's remainder and Newton's steps take them.
void BM_SubtractLimbs(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const tallaro::Limbs x = tallaro::packDigits(benchDigits(9 * n, 7));
    const tallaro::Limbs y = tallaro::packDigits(benchDigits(9 * n, 8));
    tallaro::Limbs difference(n);
    for (auto _ : state) {
        std::copy(x.begin(), x.end(), difference.begin());
        benchmark::DoNotOptimize(tallaro::subtractLimbsWithBorrow(difference, y));
    }
}

// The sizes at which the division's cost is counted in products of its size (the division by
// the engine's own method; the product has no second argument to read), where the
// blocks divide.
void costSizes(benchmark::internal::Benchmark *b) {
    for (const int n : {2000, 10'000, 100'000, 1'000'000})
        b->Args({n, 2});
    b->Unit(benchmark::kMillisecond);
}

// Small divisions both ways, where the size threshold sits. Arguments: divisor digits,
// fraction digits, 0 for the digit loop or 1 for limbs.
void BM_SmallDivision(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    run(state, benchDigits(n + 2, 9), benchDigits(n, 10), static_cast<int>(state.range(1)), false,
        state.range(2) == 0 ? Method::DigitLoop : Method::Limbs);
}

BENCHMARK(BM_OneBySevenToAMillionPlaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwiceAsLongByHundredThousandDigits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneByHundredThousandDigits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneByTenThousandDigitsDetecting)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EqualLengthsDetecting)->Arg(1000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Detecting)
    ->Args({200'000, 100'000, 1000})
    ->Args({20, 18, 200})
    ->Args({1000, 7, 100'000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DivideLimbs)
    ->ArgsProduct({{16, 64, 256, 512, 700, 800, 900, 1000, 1100, 1200, 1500, 2048, 8192}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Reciprocal)
    ->ArgsProduct({{100, 150, 200, 300, 400, 500, 600, 800, 1000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DivideLimbs)->Apply(costSizes);
BENCHMARK(BM_MultiplyLimbs)->Apply(costSizes);
BENCHMARK(BM_SubtractLimbs)->Arg(10'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmallDivision)
    ->ArgsProduct({{1, 4, 20}, {0, 5, 30, 200}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
