#include "RandomOperands.h"

#include <algorithm>

namespace tallaro::test {

std::size_t RandomOperands::length(std::size_t low, std::size_t high) {
    return std::uniform_int_distribution<std::size_t>(low, high)(m_rng);
}

bool RandomOperands::chance(int percent) {
    return std::uniform_int_distribution<int>(0, 99)(m_rng) < percent;
}

std::string RandomOperands::digits(std::size_t n, DigitKind kind) {
    if (n == 0 || kind == DigitKind::AllNines)
        return std::string(n, '9');
    if (kind == DigitKind::PowerOfTen)
        return "1" + std::string(n - 1, '0');
    std::string text(kind == DigitKind::ZeroRuns ? n : 0, '0');
    for (std::size_t i = n / 3; i < text.size(); i += 1 + length(0, 40))
        text[i] = static_cast<char>('1' + length(0, 8));
    std::uniform_int_distribution<int> digit(0, 9);
    while (text.size() < n) {
        if (kind == DigitKind::Edgy && chance(70)) {
            const char run = chance(50) ? '9' : '0';
            text.append(std::min(n - text.size(), length(1, 12)), run);
        } else {
            text += static_cast<char>('0' + digit(m_rng));
        }
    }
    return text;
}

std::string RandomOperands::number(std::size_t maxInteger, std::size_t maxFraction, bool edgy) {
    std::string text = chance(40) ? "-" : "";
    text += digits(length(0, maxInteger), edgy ? DigitKind::Edgy : DigitKind::Random);
    if (maxFraction > 0 && chance(60)) {
        text += '.';
        text += digits(length(0, maxFraction), edgy ? DigitKind::Edgy : DigitKind::Random);
    }
    return text;
}

} // namespace tallaro::test
