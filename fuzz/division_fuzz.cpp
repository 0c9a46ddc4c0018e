// The digit loop against the limb paths on the same operands and precision: both must give
// the same answer, the same fraction place and the same repetend places (head and tail hold a
// mark before, so that leaving them alone is compared too). Operands come in the shapes that
// trouble the limb paths: runs of nines and zeros, powers of ten, two and five (quotients
// that end, and repetends that start late), divisors of one limb and of many, dividends
// shorter and longer than the divisor, points and signs. Precisions reach past the place
// where the limb path stops looking for a quotient's end.
#include "DecimalEngine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

using Method = tallaro::DecimalEngine::DivisionMethod;

// The decimal digits of k^e, for a small k.
std::string power(unsigned k, unsigned e) {
    std::string digits = "1"; // least significant first while it grows
    for (; e > 0; --e) {
        unsigned carry = 0;
        for (char &c : digits) {
            const unsigned t = static_cast<unsigned>(c - '0') * k + carry;
            c = static_cast<char>('0' + t % 10);
            carry = t / 10;
        }
        for (; carry > 0; carry /= 10)
            digits += static_cast<char>('0' + carry % 10);
    }
    return {digits.rbegin(), digits.rend()};
}

// Up to `most` digits from a generator the input seeds, in one of its shapes, maybe with a
// point and a sign.
std::string number(FuzzedDataProvider &input, std::size_t most) {
    const std::size_t n = input.ConsumeIntegralInRange<std::size_t>(1, most);
    const int shape = input.ConsumeIntegralInRange(0, 5);
    std::minstd_rand random(input.ConsumeIntegral<std::uint32_t>());
    std::string text(n, '0');
    for (char &c : text) {
        const auto r = random();
        const char digit = static_cast<char>('0' + r / 7 % 10);
        c = shape == 1   ? (r % 4 != 0 ? '9' : digit)
            : shape == 2 ? (r % 4 != 0 ? '0' : digit)
                         : digit;
    }
    if (shape == 3)
        text = "1" + std::string(n - 1, '0');
    else if (shape == 4)
        text = power(random() % 2 == 0 ? 2 : 5, static_cast<unsigned>(n * 3 / 2)) +
               text.substr(0, n % 3);
    if (input.ConsumeBool())
        text.insert(input.ConsumeIntegralInRange<std::size_t>(0, text.size()), ".");
    if (input.ConsumeBool())
        text.insert(0, "-");
    return text;
}

struct Division {
    std::string answer;
    std::int64_t place;
    int head, tail;
    bool operator==(const Division &) const = default;
};

Division divided(Method method, const std::string &a, const std::string &b, int p, bool detect) {
    tallaro::DecimalEngine engine;
    engine.m_divisionMethod = method;
    engine.m_fractionDigits = p;
    engine.m_findRepetend = detect ? 1 : 0;
    engine.m_repetendHead = engine.m_repetendTail = -7;
    Division d{engine.divide(a, b), 0, 0, 0};
    d.place = engine.m_fractionPlace;
    d.head = engine.m_repetendHead;
    d.tail = engine.m_repetendTail;
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int p = input.ConsumeIntegralInRange(-2, 400);
    const bool detect = input.ConsumeBool();
    const std::string a = number(input, 120), b = number(input, 60);
    const Division loop = divided(Method::DigitLoop, a, b, p, detect);
    const Division limbs = divided(Method::Limbs, a, b, p, detect);
    if (!(loop == limbs)) {
        std::fprintf(
            stderr,
            "%s / %s to %d%s:\nloop  %s (place %lld, repetend %d..%d)\nlimbs %s (place %lld, "
            "repetend %d..%d)\n",
            a.c_str(), b.c_str(), p, detect ? ", detecting" : "", loop.answer.c_str(),
            static_cast<long long>(loop.place), loop.head, loop.tail, limbs.answer.c_str(),
            static_cast<long long>(limbs.place), limbs.head, limbs.tail);
        std::abort();
    }
    return 0;
}
