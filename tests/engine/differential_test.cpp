// Every operator against GMP on random operands: each answer against the exact one, and the
// identities that hold whatever an expected answer says: (A + B) - B = A, (A * B) / B = A,
// and a quotient times the divisor plus a remainder below one unit of the quotient's last
// place gives the dividend. One engine throughout, as the window's, so that nothing of one
// answer (precision, repetend search, division method) leaks into the next.
#include "DecimalEngine.h"
#include "GmpOracle.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

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

// Equal in value to a plain number (a negative zero counts as zero).
bool sameValue(const std::string &answer, const std::string &plain) {
    return !answer.empty() && isZero(test::exactSum(answer, '-', plain));
}

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
// and tail stay as they were without detection or without a repetend. Whether one was found.
bool expectQuotient(const DecimalEngine &engine, const std::string &a, const std::string &b,
                    const std::string &answer, const std::string &where) {
    test::ExpectedDivision expected; // a zero operand is refused and finds nothing
    if (!isZero(a) && !isZero(b))
        expected = test::expectedDivision(a, b, engine.m_fractionDigits);
    const bool found = engine.m_findRepetend == 1 && expected.head != 0;
    EXPECT_EQ(answer, expected.quotient) << where;
    EXPECT_TRUE(answer.empty() || test::truncatesQuotient(a, b, answer)) << where;
    EXPECT_EQ(engine.m_repetendHead, found ? expected.head : untouched) << where;
    EXPECT_EQ(engine.m_repetendTail, found ? expected.tail : untouched) << where;
    return found;
}

// The answer taken back by the inverse operator must give A again: A's own places are
// enough for a quotient, which ends early when it is exact, with no repetend to find.
void expectUndone(DecimalEngine &engine, char op, const std::string &answer,
                  const std::string &typedB, const std::string &a, std::size_t extraPlaces) {
    engine.m_fractionDigits = static_cast<int>(fractionCount(a) + extraPlaces);
    engine.m_divisionMethod = Method::BySize;
    const char *inverse = op == '+' ? "-" : op == '-' ? "+" : "/";
    const std::string back = engine.calculate(answer, inverse, typedB);
    EXPECT_TRUE(sameValue(back, a)) << answer << ' ' << inverse << " \"" << typedB << "\" = "
                                    << back << ", not " << a;
    EXPECT_EQ(engine.m_repetendTail, untouched) << answer << " / " << typedB;
}

struct Operator {
    char op;
    std::size_t small, large; // longest integer part; fractions up to half as long
    int largeEvery, count;
};

TEST(Calculate, EveryOperatorAgreesWithGmpAndIsUndoneByItsInverse) {
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
            const std::string typedA = random.withSeparators(a), typedB = random.withSeparators(b);
            engine.m_divisionMethod = i % 2 == 0 ? Method::DigitLoop : Method::BySize;
            engine.m_findRepetend = i / 2 % 2;
            engine.m_fractionDigits = static_cast<int>(random.length(0, large ? 400 : 260)) - 2;
            engine.m_repetendHead = engine.m_repetendTail = untouched;
            const std::string answer = engine.calculate(typedA, std::string(1, o.op), typedB);
            const std::string where = '"' + typedA + "\" " + o.op + " \"" + typedB + "\" to " +
                                      std::to_string(engine.m_fractionDigits);
            // An operand left empty is refused as typed; one of separators only reads as 0.
            if (typedA.empty() || typedB.empty()) {
                EXPECT_EQ(answer, "") << where;
            } else if (o.op == '/') {
                repetends += expectQuotient(engine, a, b, answer, where) ? 1 : 0;
            } else {
                EXPECT_EQ(answer, o.op == '*' ? expectedProduct(a, b) : expectedSum(a, o.op, b))
                    << where;
                if (o.op != '*' || (!isZero(a) && !isZero(b)))
                    expectUndone(engine, o.op, answer, typedB, a, random.length(0, 3));
            }
        }
    }
    EXPECT_GT(repetends, 1000); // the walk must see both outcomes
}

// Sizes where the digit loop would take too long to compare against: a hundred thousand
// places, divisors of thousands of digits with as many zero places in front of the first
// comparison, the recursive division, and a repetend after a long integer part.
TEST(Calculate, LongQuotientsAgreeWithGmp) {
    test::RandomOperands random(11);
    const std::string tenThousand = "3" + random.digits(9999);
    const std::tuple<std::string, std::string, int> cases[] = {
        {"1", "7", 100000},        {"1" + random.digits(12000), tenThousand, 1000},
        {"1", tenThousand, 10020}, {"1", "5" + std::string(3000, '0') + "1", 3500},
        {random.digits(800), "97", 3000},
    };
    DecimalEngine engine;
    for (const auto &[a, b, p] : cases) {
        for (const int detect : {0, 1}) {
            engine.m_fractionDigits = p;
            engine.m_findRepetend = detect;
            engine.m_repetendHead = engine.m_repetendTail = untouched;
            expectQuotient(engine, a, b, engine.calculate(a, "/", b),
                           std::to_string(b.size()) + "-digit divisor");
        }
    }
}

} // namespace
} // namespace tallaro
