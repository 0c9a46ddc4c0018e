#include "DivisionModel.h"

#include "GmpOracle.h"

#include <gmpxx.h>

#include <algorithm>
#include <map>

namespace tallaro::test {

namespace {

// The number as a whole number of `fraction` fraction digits, without its sign.
mpz_class scaled(std::string text, std::size_t fraction) {
    std::erase(text, '-');
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::size_t own = point == text.size() ? 0 : text.size() - point - 1;
    if (point < text.size())
        text.erase(point, 1);
    text.append(fraction - own, '0');
    return mpz_class(text.empty() ? "0" : text, 10);
}

std::size_t fractionWidth(const std::string &text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : text.size() - point - 1;
}

int digitsOf(const mpz_class &x) { return x == 0 ? 0 : static_cast<int>(x.get_str().size()); }

mpz_class powerOfTen(int exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

struct Places {
    int fractionDigits = -1; // -1: a whole quotient, written without a point
    int head = 0;
    int tail = 0;
};

// Walks the fraction places with the remainder r left after each of them.
Places walk(const mpz_class &dividend, const mpz_class &divisor, int p) {
    const int m = digitsOf(dividend), n = digitsOf(divisor);
    const int preset = std::max(n - m, 0); // places written before the first comparison
    // The first comparison after those places subtracts once and leaves n digits: the
    // step ends without a digit, and the stop rule sees the last of those places.
    const mpz_class first = dividend * powerOfTen(preset) - divisor;
    const bool firstStepEmpty = preset > 0 && first >= 0 && digitsOf(first) >= n;
    Places places;
    std::map<mpz_class, int> seen; // remainder -> the place after which it was left
    mpz_class r = dividend % divisor;
    for (int t = 0; r != 0; ++t) {
        if (places.head == 0 && t >= preset && seen.count(r) == 1) {
            places.head = seen[r] + 1;
            places.tail = t;
        } else if (places.head == 0 && (t < preset || t < 100)) {
            seen.emplace(r, t);
        }
        const bool stepEnds = t >= preset ? digitsOf(r) >= n - 1 : t == preset - 1 && firstStepEmpty;
        if (stepEnds && t >= p) {
            places.fractionDigits = t;
            return places;
        }
        r = r * 10 % divisor;
        places.fractionDigits = t + 1;
    }
    return places;
}

} // namespace

ExpectedDivision expectedDivision(const std::string &a, const std::string &b, int p) {
    const std::size_t k = std::max(fractionWidth(a), fractionWidth(b));
    const Places places = walk(scaled(a, k), scaled(b, k), std::max(p, 0));
    std::string unsignedA = a, unsignedB = b;
    std::erase(unsignedA, '-');
    std::erase(unsignedB, '-');
    ExpectedDivision expected;
    expected.quotient = truncatedQuotient(unsignedA, unsignedB, std::max(places.fractionDigits, 0));
    if (places.fractionDigits == 0)
        expected.quotient += '.';
    const auto minuses = [](const std::string &text) { return std::count(text.begin(), text.end(), '-'); };
    if ((minuses(a) > 0) != (minuses(b) > 0))
        expected.quotient.insert(0, "-");
    expected.head = places.head;
    expected.tail = places.tail;
    return expected;
}

} // namespace tallaro::test
