#pragma once

#include <cstddef>
#include <random>
#include <string>

// Reproducible operand texts for the benchmarks.
inline std::string benchDigits(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text(n, '0');
    for (char &c : text)
        c = static_cast<char>('0' + digit(rng));
    if (n > 0 && text[0] == '0')
        text[0] = '7';
    return text;
}

// A number of n digits in all, the last `fraction` of them behind the point.
inline std::string benchNumber(std::size_t n, std::size_t fraction, unsigned seed) {
    std::string text = benchDigits(n, seed);
    if (fraction > 0)
        text.insert(n - fraction, ".");
    return text;
}
