#include "GmpOracle.h"

#include <gmpxx.h>

#include <algorithm>
#include <map>

namespace tallaro::test {

namespace {

struct Scaled {
    mpz_class value; // the number times 10^fraction
    std::size_t fraction = 0;
};

mpz_class powerOfTen(std::size_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

Scaled parse(std::string text) {
    const bool negative = std::erase(text, '-') > 0;
    const std::size_t point = text.find('.');
    Scaled number;
    if (point != std::string::npos) {
        number.fraction = text.size() - point - 1;
        text.erase(point, 1);
    }
    number.value = text.empty() ? mpz_class(0) : mpz_class(text, 10);
    if (negative)
        number.value = -number.value;
    return number;
}

mpz_class rescaled(const Scaled &number, std::size_t fraction) {
    return number.value * powerOfTen(fraction - number.fraction);
}

std::string format(const mpz_class &value, std::size_t fraction) {
    std::string digits = mpz_class(abs(value)).get_str();
    if (digits.size() <= fraction)
        digits.insert(0, fraction + 1 - digits.size(), '0');
    if (fraction > 0)
        digits.insert(digits.size() - fraction, ".");
    return value < 0 ? "-" + digits : digits;
}

int digitsOf(const mpz_class &x) { return x == 0 ? 0 : static_cast<int>(x.get_str().size()); }

// Walks the fraction places with the remainder r left after each of them: fills in the
// repetend's places and returns how many fraction digits the quotient has, -1 for none.
int walk(const mpz_class &dividend, const mpz_class &divisor, int p, ExpectedDivision &places) {
    const int m = digitsOf(dividend), n = digitsOf(divisor);
    const int preset = std::max(n - m, 0); // places written before the first comparison
    // The first comparison after those places subtracts once and leaves n digits: the
    // step ends without a digit, and the stop rule sees the last of those places.
    const mpz_class first = dividend * powerOfTen(static_cast<std::size_t>(preset)) - divisor;
    const bool firstStepEmpty = preset > 0 && first >= 0 && digitsOf(first) >= n;
    // A remainder of n - 1 digits or more ends a step.
    const mpz_class shortest = n >= 2 ? powerOfTen(static_cast<std::size_t>(n - 2)) : mpz_class(0);
    std::map<mpz_class, int> seen; // remainder -> the place after which it was left
    mpz_class r = dividend % divisor;
    int t = 0;
    for (; r != 0; ++t) {
        if (places.head == 0 && t >= preset && seen.count(r) == 1) {
            places.head = seen[r] + 1;
            places.tail = t;
        } else if (places.head == 0 && (t < preset || t < 100)) {
            seen.emplace(r, t);
        }
        const bool stepEnds = t >= preset ? r >= shortest : t == preset - 1 && firstStepEmpty;
        if (stepEnds && t >= p)
            return t;
        r = r * 10 % divisor;
    }
    return t == 0 ? -1 : t; // exact: ends where the remainder became zero, whole at once
}

} // namespace

std::string exactSum(const std::string &a, char op, const std::string &b) {
    const Scaled x = parse(a), y = parse(b);
    const std::size_t k = std::max(x.fraction, y.fraction);
    const mpz_class first = rescaled(x, k), second = rescaled(y, k);
    return format(op == '-' ? mpz_class(first - second) : mpz_class(first + second), k);
}

std::string exactProduct(const std::string &a, const std::string &b) {
    const Scaled x = parse(a), y = parse(b);
    return format(x.value * y.value, x.fraction + y.fraction);
}

ExpectedDivision expectedDivision(const std::string &a, const std::string &b, int p) {
    const Scaled x = parse(a), y = parse(b);
    const std::size_t k = std::max(x.fraction, y.fraction);
    const mpz_class dividend = abs(rescaled(x, k)), divisor = abs(rescaled(y, k));
    ExpectedDivision expected;
    const int fractionDigits = walk(dividend, divisor, std::max(p, 0), expected);
    // Unsigned, so that a quotient of zero keeps the sign the engine gives it.
    const auto places = static_cast<std::size_t>(std::max(fractionDigits, 0));
    expected.quotient = format(dividend * powerOfTen(places) / divisor, places);
    if (fractionDigits == 0)
        expected.quotient += '.';
    if ((x.value < 0) != (y.value < 0))
        expected.quotient.insert(0, "-");
    return expected;
}

} // namespace tallaro::test
