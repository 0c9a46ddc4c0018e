#include "GmpOracle.h"

#include <gmpxx.h>

#include <algorithm>

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

std::string truncatedQuotient(const std::string &a, const std::string &b, int fractionDigits) {
    const Scaled x = parse(a), y = parse(b);
    const std::size_t k = std::max(x.fraction, y.fraction);
    const std::size_t p = static_cast<std::size_t>(std::max(fractionDigits, 0));
    const mpz_class dividend = rescaled(x, k), divisor = rescaled(y, k);
    mpz_class q = mpz_class(abs(dividend)) * powerOfTen(p) / mpz_class(abs(divisor));
    if ((dividend < 0) != (divisor < 0))
        q = -q;
    return format(q, p);
}

bool truncatesQuotient(const std::string &a, const std::string &b, const std::string &q) {
    const Scaled x = parse(a), y = parse(b), z = parse(q);
    // Everything times 10^(fraction of a + of b + of q), so that it stays whole.
    const mpz_class divisor = abs(y.value) * powerOfTen(x.fraction);
    const mpz_class remainder = abs(x.value) * powerOfTen(y.fraction + z.fraction) -
                                abs(z.value) * abs(y.value) * powerOfTen(x.fraction);
    return divisor > 0 && remainder >= 0 && remainder < divisor;
}

std::string remainderAfterPlace(const std::string &a, const std::string &b, std::size_t place) {
    const Scaled x = parse(a), y = parse(b);
    const mpz_class dividend = abs(x.value) * powerOfTen(y.fraction + place);
    const mpz_class divisor = abs(y.value) * powerOfTen(x.fraction);
    return mpz_class(dividend % divisor).get_str();
}

} // namespace tallaro::test
