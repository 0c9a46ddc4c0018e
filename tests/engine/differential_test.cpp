// Every operator against GMP on random operands: the answer, and for a quotient the places it
// stops at and its repetend's places, as the remainders on GMP integers give them. One engine
// throughout, as the window's, so that nothing of one answer (precision, repetend search,
// division method) leaks into the next.
#include "DecimalEngine.h"
#include "GmpOracle.h"
#include "LimbNumber.h"
#include "RandomOperands.h"
#include "Thresholds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace tallaro {
namespace {

using Method = DecimalEngine::DivisionMethod;

constexpr int untouched = -7; // what head and tail hold before each answer

std::size_t fractionCount(const std::string &text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : text.size() - point - 1;
}

bool isZero(const std::string &text) { return text.find_first_not_of("-0.") == std::string::npos; }

bool isNegative(const std::string &text) { return text.find('-') != std::string::npos; }

// GMP writes every zero as "0" or "0.00"; the engine keeps A's sign on a zero sum with
// fraction digits.
std::string expectedSum(const std::string &a, char op, const std::string &b) {
    const std::string exact = test::exactSum(a, op, b);
    return isZero(exact) && exact != "0" && isNegative(a) ? "-" + exact : exact;
}

// A zero product keeps its sign when it has fraction digits; a whole zero keeps all but the
// top place of the digit product. An operand without a digit is refused.
std::string expectedProduct(const std::string &a, const std::string &b) {
    const auto digits = [](const std::string &text) {
        return static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
    };
    if (digits(a) == 0 || digits(b) == 0)
        return "";
    const std::string exact = test::exactProduct(a, b);
    if (!isZero(exact))
        return exact;
    const std::size_t fraction = fractionCount(a) + fractionCount(b);
    const std::string zero = fraction > 0 ? "0." + std::string(fraction, '0')
                                          : std::string(digits(a) + digits(b) - 1, '0');
    return isNegative(a) != isNegative(b) && zero != "0" ? "-" + zero : zero;
}

// The quotient and the repetend's places against the remainder walk on GMP integers; head
// and tail stay as they were without detection or without a repetend, and the fraction place
// is the answer's last. Whether a repetend was found.
bool expectQuotient(const DecimalEngine &engine, const std::string &a, const std::string &b,
                    const std::string &answer, const std::string &where) {
    test::ExpectedDivision expected; // a zero operand is refused and finds nothing
    if (!isZero(a) && !isZero(b))
        expected = test::expectedDivision(a, b, engine.m_fractionDigits);
    const bool found = engine.m_findRepetend == 1 && expected.head != 0;
    EXPECT_EQ(answer, expected.quotient) << where;
    const bool whole = answer.find('.') == std::string::npos;
    if (!answer.empty()) {
        EXPECT_EQ(engine.m_fractionPlace, whole ? -1 : static_cast<int>(fractionCount(answer)))
            << where;
    }
    EXPECT_EQ(engine.m_repetendHead, found ? expected.head : untouched) << where;
    EXPECT_EQ(engine.m_repetendTail, found ? expected.tail : untouched) << where;
    return found;
}

struct Operator {
    char op;
    std::size_t small, large; // longest integer part; fractions up to half as long
    int largeEvery, count;
};

TEST(Calculate, EveryOperatorAgreesWithGmp) {
    const Operator operators[] = {
        {'+', 30, 3000, 8, 3000}, {'-', 30, 3000, 8, 3000}, {'*', 24, 2400, 400, 4000},
        {'/', 6, 240, 25, 9000},
    };
    test::RandomOperands random(20261206);
    DecimalEngine engine;
    int repetends = 0;
    for (const Operator &o : operators) {
        for (int i = 0; i < o.count && !HasFailure(); ++i) {
            const bool large = i % o.largeEvery == 0;
            const std::size_t size = large ? o.large : o.small;
            const std::string a = random.number(size, size / 2, i % 3 == 0);
            const std::string b = random.number(size, size / 2, i % 5 == 0);
            engine.m_divisionMethod = i % 2 == 0 ? Method::DigitLoop : Method::BySize;
            engine.m_findRepetend = i / 2 % 2;
            engine.m_fractionDigits = static_cast<int>(random.length(0, large ? 400 : 260)) - 2;
            engine.m_repetendHead = engine.m_repetendTail = untouched;
            const std::string answer = engine.calculate(a, std::string(1, o.op), b);
            const std::string where = '"' + a + "\" " + o.op + " \"" + b + "\" to " +
                                      std::to_string(engine.m_fractionDigits);
            if (a.empty() || b.empty()) {
                EXPECT_EQ(answer, "") << where;
            } else if (o.op == '/') {
                repetends += expectQuotient(engine, a, b, answer, where) ? 1 : 0;
            } else {
                EXPECT_EQ(answer, o.op == '*' ? expectedProduct(a, b) : expectedSum(a, o.op, b))
                    << where;
            }
        }
    }
    EXPECT_GT(repetends, 1000); // the walk must see both outcomes
}

using Division = std::tuple<std::string, std::string, int>;

// Sizes where the digit loop would take too long to compare against: a hundred thousand
// places, divisors of thousands of digits with as many zero places in front of the first
// comparison, the division by the reciprocal, and a repetend after a long integer part.
std::vector<Division> longQuotients(test::RandomOperands &random) {
    const std::string tenThousand = "3" + random.digits(9999);
    return {{"1", "7", 100000},        {"1" + random.digits(12000), tenThousand, 1000},
            {"1", tenThousand, 10020}, {"1", "5" + std::string(3000, '0') + "1", 3500},
            {random.digits(800), "97", 3000}};
}

// The limb division by the divisor's length: one limb, long division on wide limbs, blocks by
// the reciprocal (one block and several, the iteration two levels deep), with quotients
// from one limb to several times the divisor. Runs of 9s and 0s and whole limbs of zeros make
// the quotient estimates miss; a quotient of all 9s with a remainder of divisor - 1 puts the
// blocks' estimates at their bound; the last two small ones make an estimate from the top two
// limbs two too big.
std::vector<Division> everyLimbDivision() {
    std::vector<Division> cases = {
        {"999999999999999999999999999", "1000000000", 5},
        {"1000000000000000000000000000", "999999999999999999", 5},
        {"500000000000000000000000000", "500000000000000001", 5},
        {"4999999999999999999999999999999999", "5000000000000000000", 5},
        {"999999999000000000000000000999999999", "999999999000000000000000001", 5},
        {"499999999803327843819282191", "500000000999999998", 5},
        {"447062614627348479194065279", "554713183999999999", 5},
    };
    const std::size_t r = thresholds::kNewtonDivideMinLimbs * kLimbDigits;
    const std::string d = "5" + std::string(3 * r - 1, '0') + "1", q(6 * r, '9');
    cases.emplace_back(test::exactSum(test::exactProduct(q, d), '+', test::exactSum(d, '-', "1")),
                       d, 5);
    test::RandomOperands random(8);
    using enum test::DigitKind;
    for (const std::size_t n : {std::size_t{1}, std::size_t{9}, std::size_t{10}, std::size_t{17},
                                std::size_t{19}, std::size_t{80}, r - 9, r, r + 5,
                                2 * r + 1}) {
        for (const std::size_t extra : {std::size_t{0}, std::size_t{1}, n / 2, n, 3 * n + 40}) {
            for (const test::DigitKind kind : {Random, Edgy, ZeroRuns}) {
                const std::string divisor = random.digits(n, kind);
                const std::string dividend = random.digits(n + extra, kind);
                cases.emplace_back("1" + dividend, divisor, 5);
                cases.emplace_back(dividend, "9" + divisor, 5);
            }
        }
    }
    return cases;
}

TEST(Calculate, LongQuotientsAndEveryLimbDivisionAgreeWithGmp) {
    test::RandomOperands random(11);
    DecimalEngine engine;
    for (const auto &cases : {longQuotients(random), everyLimbDivision()}) {
        for (const auto &[a, b, p] : cases) {
            for (const int detect : {0, 1}) {
                engine.m_fractionDigits = p;
                engine.m_findRepetend = detect;
                engine.m_repetendHead = engine.m_repetendTail = untouched;
                expectQuotient(engine, a, b, engine.calculate(a, "/", b),
                               std::to_string(a.size()) + " / " + std::to_string(b.size()) +
                                   " digits");
            }
        }
    }
}

} // namespace
} // namespace tallaro
