// Multiplication: each limb method across the sizes where the thresholds sit (the transform
// on both kernels), the digit loop against the limb path on short operands, whole products of
// 10^3 to 10^8 digits, and the transform of digit texts on both kernels.
#include "BenchOperands.h"
#include "DecimalEngine.h"
#include "LargePages.h"
#include "LimbMultiply.h"
#include "Ntt.h"
#include "Scratch.h"

#include <benchmark/benchmark.h>

namespace {

using tallaro::Limb;
using tallaro::Limbs;

// Fresh working memory gets large pages, as in tallaro and tallaro-calc: at 10^8 digits
// faulting in small ones costs as much as several levels of the transform.
const bool kLargePages = [] {
    tallaro::setFreshMemoryAdvice(tallaro::adviseLargePages);
    return true;
}();

// Square products of state.range(0) limbs by one method.
void runMethod(benchmark::State &state, tallaro::LimbMultiplier method) {
    const auto limbs = static_cast<std::size_t>(state.range(0));
    const Limbs x = tallaro::packDigits(benchDigits(9 * limbs, 1));
    const Limbs y = tallaro::packDigits(benchDigits(9 * limbs, 2));
    Limbs product(x.size() + y.size());
    for (auto _ : state) {
        method(x, y, product);
        benchmark::DoNotOptimize(product.data());
    }
    state.SetLabel("arg = limbs of each operand");
}

void BM_Schoolbook(benchmark::State &state) {
    runMethod(state, tallaro::schoolbookMultiply);
}
void BM_Karatsuba(benchmark::State &state) {
    runMethod(state, tallaro::karatsubaMultiply);
}
template <tallaro::NttKernel kernel> void BM_Ntt(benchmark::State &state) {
    runMethod(state, [](std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> p) {
        tallaro::nttMultiply(x, y, p, kernel);
    });
}

using tallaro::NttKernel;
BENCHMARK(BM_Schoolbook)->RangeMultiplier(2)->Range(8, 1024);
BENCHMARK(BM_Karatsuba)->RangeMultiplier(2)->Range(8, 2048);
BENCHMARK(BM_Ntt<NttKernel::Avx2>)->RangeMultiplier(2)->Range(64, 2048);
BENCHMARK(BM_Ntt<NttKernel::Portable>)->RangeMultiplier(2)->Range(64, 2048);
// Around kNttMinLimbs (schoolbook against the AVX2 transform), kKaratsubaMinLimbs and
// kNttMinLimbsPortable (Karatsuba against the portable transform).
BENCHMARK(BM_Schoolbook)->DenseRange(80, 160, 16);
BENCHMARK(BM_Ntt<NttKernel::Avx2>)->DenseRange(80, 160, 16);
BENCHMARK(BM_Schoolbook)->DenseRange(256, 448, 64);
BENCHMARK(BM_Karatsuba)->DenseRange(256, 448, 64);
BENCHMARK(BM_Karatsuba)->DenseRange(640, 1152, 128);
BENCHMARK(BM_Ntt<NttKernel::Portable>)->DenseRange(640, 1152, 128);

// Square digit products of state.range(0) digits: multiplyDigits as the engine runs it,
// against the limb path forced on the same short operands.
void BM_MultiplyDigits(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string x = benchDigits(n, 3), y = benchDigits(n, 4);
    const int length = static_cast<int>(n);
    tallaro::DecimalEngine engine;
    for (auto _ : state) {
        engine.m_product = "0";
        engine.multiplyDigits(length, length, x, y);
        benchmark::DoNotOptimize(engine.m_product.data());
    }
}

void BM_LimbPath(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string x = benchDigits(n, 3), y = benchDigits(n, 4);
    std::string out(2 * n, '0');
    for (auto _ : state) {
        tallaro::multiplyDigitTexts(x, y, out);
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK(BM_MultiplyDigits)->DenseRange(1, 6)->DenseRange(8, 40, 8);
BENCHMARK(BM_LimbPath)->DenseRange(1, 6)->DenseRange(8, 40, 8);

// The whole product through calculate, as the window and tallaro-calc run it.
void BM_Multiply(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string a = benchNumber(n, n / 3, 5), b = "-" + benchNumber(n, n / 4, 6);
    tallaro::DecimalEngine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.calculate(a, "*", b));
    state.SetLabel("arg = digits of each operand");
}

BENCHMARK(BM_Multiply)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Arg(100000000)
    ->Unit(benchmark::kMillisecond);

// Square-free products of two digit texts of state.range(0) digits by the transform alone.
template <tallaro::NttKernel kernel> void BM_TransformDigits(benchmark::State &state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string x = benchDigits(n, 7), y = benchDigits(n, 8);
    std::string out(2 * n, '0');
    for (auto _ : state) {
        tallaro::nttMultiplyDigits(x, y, out, kernel);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel("arg = digits of each operand");
}

BENCHMARK(BM_TransformDigits<NttKernel::Avx2>)
    ->RangeMultiplier(10)
    ->Range(10000, 100000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransformDigits<NttKernel::Portable>)
    ->RangeMultiplier(10)
    ->Range(10000, 10000000)
    ->Unit(benchmark::kMillisecond);

} // namespace
