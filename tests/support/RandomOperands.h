#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace tallaro::test {

// Digit texts whose carries, borrows and zero limbs trouble limb arithmetic most: Edgy is
// mostly runs of "9" and "0", where carries and borrows run far; ZeroRuns has whole limbs of
// zeros between its non-zero digits, and zeros at both ends.
enum class DigitKind { Random, Edgy, AllNines, PowerOfTen, ZeroRuns };
inline constexpr DigitKind kDigitKinds[] = {DigitKind::Random, DigitKind::Edgy, DigitKind::AllNines,
                                            DigitKind::PowerOfTen, DigitKind::ZeroRuns};

// Random operand texts for differential tests, reproducible from a seed.
class RandomOperands {
public:
    explicit RandomOperands(std::uint64_t seed) : m_rng(seed) {}

    // Uniform in [low, high].
    std::size_t length(std::size_t low, std::size_t high);
    // n digits of a kind.
    std::string digits(std::size_t n, DigitKind kind = DigitKind::Random);
    // A plain number: maybe "-", an integer part of up to maxInteger digits (leading zeros
    // possible, possibly empty), maybe a "." and up to maxFraction digits.
    std::string number(std::size_t maxInteger, std::size_t maxFraction, bool edgy = false);

private:
    bool chance(int percent);
    std::mt19937_64 m_rng;
};

} // namespace tallaro::test
