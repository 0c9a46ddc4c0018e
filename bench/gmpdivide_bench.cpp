// The division rows against GMP in one process: the engine's calculate on text against GMP
// with decimal text in and out (mpz_set_str, a power of ten, mpz_tdiv_q, mpz_get_str, the
// point put in), and the repetend search against the same remainder scan on GMP's integers.
// Argument: n, the digits of the dividend (n / n/2 rows) or of the divisor (1 / n rows).
#include "BenchOperands.h"
#include "DecimalEngine.h"
#include "GmpRemainderScan.h"

#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <string>

namespace {

std::string gmpQuotient(const std::string &a, const std::string &b, std::size_t places) {
    mpz_class x(a, 10), power;
    const mpz_class y(b, 10);
    mpz_ui_pow_ui(power.get_mpz_t(), 10, places);
    x *= power;
    mpz_class q;
    mpz_tdiv_q(q.get_mpz_t(), x.get_mpz_t(), y.get_mpz_t());
    std::string digits = q.get_str(10);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, 1, '.');
    return digits;
}


void engine(benchmark::State &state, const std::string &a, const std::string &b, int places,
            bool detect) {
    tallaro::DecimalEngine e;
    e.m_fractionDigits = places;
    e.m_findRepetend = detect ? 1 : 0;
    for (auto _ : state) {
        std::string x = a, y = b; // calculate takes its operands by value
        benchmark::DoNotOptimize(e.calculate(std::move(x), "/", std::move(y)));
    }
}

std::size_t size(const benchmark::State &state) {
    return static_cast<std::size_t>(state.range(0));
}

void BM_HalfLength_Tallaro(benchmark::State &state) {
    engine(state, benchDigits(size(state), 1), benchDigits(size(state) / 2, 2), 1000, false);
}
void BM_HalfLength_Gmp(benchmark::State &state) {
    const std::string a = benchDigits(size(state), 1), b = benchDigits(size(state) / 2, 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(gmpQuotient(a, b, 1000));
}
void BM_Reciprocal_Tallaro(benchmark::State &state) {
    engine(state, "1", benchDigits(size(state), 3), 2 * static_cast<int>(size(state)), false);
}
void BM_Reciprocal_Gmp(benchmark::State &state) {
    const std::string b = benchDigits(size(state), 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(gmpQuotient("1", b, 2 * size(state)));
}
// Arguments: n and the places, in multiples of n.
void BM_Scan_Tallaro(benchmark::State &state) {
    engine(state, "1", benchDigits(size(state), 3),
           static_cast<int>(size(state)) * static_cast<int>(state.range(1)), true);
}
void BM_Scan_Gmp(benchmark::State &state) {
    const std::string b = benchDigits(size(state), 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(gmpRemainderScan(
            "1", b, static_cast<int>(size(state)) * static_cast<int>(state.range(1))));
}

#define SIZES ->RangeMultiplier(10)->Range(1000, 100'000'000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_HalfLength_Tallaro) SIZES;
BENCHMARK(BM_HalfLength_Gmp) SIZES;
BENCHMARK(BM_Reciprocal_Tallaro) SIZES;
BENCHMARK(BM_Reciprocal_Gmp) SIZES;
BENCHMARK(BM_Scan_Tallaro)
    ->ArgsProduct({{1000, 10'000, 100'000}, {1, 2}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scan_Gmp)
    ->ArgsProduct({{1000, 10'000, 100'000}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

} // namespace
