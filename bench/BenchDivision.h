#pragma once

#include "DecimalEngine.h"

#include <benchmark/benchmark.h>

#include <string>

// a / b through divide once per iteration, as `engine` is set up, with the answer's length as
// a counter: divide hands its quotient over as the answer, so m_quotient is empty afterwards.
inline void benchDivide(benchmark::State &state, tallaro::DecimalEngine &engine,
                        const std::string &a, const std::string &b) {
    std::size_t length = 0;
    for (auto _ : state) {
        const std::string answer = engine.divide(a, b);
        length = answer.size();
        benchmark::DoNotOptimize(answer.data());
    }
    state.counters["quotient digits"] = static_cast<double>(length);
}
