#include "GmpCalc.h"

#include <algorithm>

namespace tallaro::compare {

namespace {

mpz_class powerOfTen(std::size_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

// The two numbers over one scale, the larger of the two.
void align(ScaledNumber &x, ScaledNumber &y) {
    if (x.scale < y.scale)
        x.value *= powerOfTen(y.scale - x.scale), x.scale = y.scale;
    else
        y.value *= powerOfTen(x.scale - y.scale), y.scale = x.scale;
}

// |a| / |b| truncated to `places` fraction digits, with the sign of the true quotient.
ScaledNumber quotient(const ScaledNumber &a, const ScaledNumber &b, std::size_t places) {
    // a / b = (A 10^fb) / (B 10^fa) for the scaled integers A and B.
    mpz_class numerator = abs(a.value), denominator = abs(b.value);
    const std::size_t up = b.scale + places;
    if (up >= a.scale)
        numerator *= powerOfTen(up - a.scale);
    else
        denominator *= powerOfTen(a.scale - up);
    ScaledNumber q{numerator / denominator, places};
    if (sgn(a.value) * sgn(b.value) < 0)
        q.value = -q.value;
    return q;
}

} // namespace

ScaledNumber parseDecimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string digits(text.substr(0, point));
    if (point < text.size())
        digits.append(text.substr(point + 1));
    ScaledNumber number{digits.empty() ? mpz_class(0) : mpz_class(digits, 10),
                        text.size() - std::min(text.size(), point + 1)};
    if (negative)
        number.value = -number.value;
    return number;
}

std::string formatDecimal(const mpz_class &value, std::size_t scale) {
    std::string digits = mpz_class(abs(value)).get_str(10);
    if (digits.size() <= scale)
        digits.insert(0, scale + 1 - digits.size(), '0');
    if (scale > 0)
        digits.insert(digits.size() - scale, 1, '.');
    return sgn(value) < 0 ? "-" + digits : digits;
}

std::string gmpCalculate(std::string_view a, char op, std::string_view b, int places) {
    ScaledNumber x = parseDecimal(a), y = parseDecimal(b);
    switch (op) {
    case '+':
    case '-':
        align(x, y);
        return formatDecimal(
            op == '+' ? mpz_class(x.value + y.value) : mpz_class(x.value - y.value), x.scale);
    case '*':
        return formatDecimal(x.value * y.value, x.scale + y.scale);
    case '/': {
        if (sgn(y.value) == 0)
            return {};
        const ScaledNumber q = quotient(x, y, static_cast<std::size_t>(std::max(places, 0)));
        return formatDecimal(q.value, q.scale);
    }
    default:
        return {};
    }
}

} // namespace tallaro::compare
