// Identities every answer must satisfy, on random operands of several kinds, judged by GMP
// rather than by a table of expected answers.
#include "DecimalEngine.h"
#include "GmpOracle.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tallaro {
namespace {

using test::RandomOperands;

// Operand kinds: the digit loops, carries and borrows running far, limbs, and operands long
// enough for the transform multiplication and the recursive division.
struct Kind {
    const char *name;
    std::size_t maxInteger, maxFraction;
    bool edgy;
    bool typed; // "," and " " scattered through the operands as a person might paste them
    int count;
};
constexpr Kind kinds[] = {
    {"short", 12, 6, false, false, 300},
    {"carries", 40, 20, true, true, 200},
    {"limbs", 300, 120, false, true, 40},
    {"long", 4000, 400, true, false, 3},
};

bool hasNonZeroDigit(const std::string &text) {
    return text.find_first_of("123456789") != std::string::npos;
}

// A number with at least one digit, not zero when nonZero is asked for.
std::string operand(RandomOperands &random, const Kind &kind, bool nonZero) {
    for (;;) {
        std::string text = random.number(kind.maxInteger, kind.maxFraction, kind.edgy);
        if (nonZero ? hasNonZeroDigit(text) : text.find_first_of("0123456789") != std::string::npos)
            return text;
    }
}

std::string typedAs(RandomOperands &random, const Kind &kind, const std::string &plain) {
    return kind.typed ? random.withSeparators(plain) : plain;
}

// Equal in value: the exact difference has no digit but "0" (a negative zero counts as zero).
bool sameValue(const std::string &x, const std::string &y) {
    return !x.empty() && !y.empty() && !hasNonZeroDigit(test::exactSum(x, '-', y));
}

// Runs check(kind, random, a, b, i) on each kind's count of random operand pairs.
template <typename Check> void forOperandPairs(std::uint64_t seed, bool nonZero, Check check) {
    RandomOperands random(seed);
    for (const Kind &kind : kinds)
        for (int i = 0; i < kind.count; ++i) {
            const std::string a = operand(random, kind, nonZero),
                              b = operand(random, kind, nonZero);
            check(kind, random, a, b, i);
        }
}

std::size_t fractionPlaces(const std::string &number) {
    const std::size_t point = number.find('.');
    return point == std::string::npos ? 0 : number.size() - point - 1;
}

TEST(Invariants, AddingAndThenSubtractingBGivesBackA) {
    forOperandPairs(7001, false,
                    [](const Kind &kind, RandomOperands &random, const std::string &a,
                       const std::string &b, int) {
                        DecimalEngine engine;
                        const std::string sum = engine.calculate(typedAs(random, kind, a), "+", b);
                        const std::string back =
                            engine.calculate(sum, "-", typedAs(random, kind, b));
                        ASSERT_TRUE(sameValue(back, a))
                            << kind.name << ": (" << a << " + " << b << ") - b = " << back;
                    });
}

TEST(Invariants, MultiplyingAndThenDividingByBGivesBackA) {
    forOperandPairs(
        7002, true,
        [](const Kind &kind, RandomOperands &random, const std::string &a, const std::string &b,
           int i) {
            DecimalEngine engine;
            const std::string product = engine.calculate(a, "*", typedAs(random, kind, b));
            // A's own places are enough; an exact quotient ends early whatever is asked.
            engine.m_fractionDigits = static_cast<int>(fractionPlaces(a) + random.length(0, 3));
            engine.m_findRepetend = i % 2;
            const std::string back = engine.calculate(product, "/", typedAs(random, kind, b));
            ASSERT_TRUE(sameValue(back, a))
                << kind.name << ": (" << a << " * " << b << ") / b = " << back;
            EXPECT_EQ(engine.m_repetendTail, 0) << kind.name << ": " << a << " * " << b;
        });
}

// The quotient's digits times the divisor, plus a remainder below one unit of its last place
// times the divisor, give the dividend; it stops short of the places asked for only when
// nothing remains; its sign is the operands' sign; a repetend found is bounded by equal
// remainders.
TEST(Invariants, QuotientTimesDivisorPlusRemainderGivesTheDividend) {
    forOperandPairs(7003, true,
                    [](const Kind &kind, RandomOperands &random, const std::string &a,
                       const std::string &b, int i) {
                        DecimalEngine engine;
                        engine.m_fractionDigits = static_cast<int>(random.length(0, 120));
                        engine.m_findRepetend = i % 2;
                        const std::string q = engine.calculate(a, "/", b);
                        const std::string context =
                            std::string(kind.name) + ": " + a + " / " + b + " = " + q;
                        ASSERT_FALSE(q.empty()) << context;
                        ASSERT_TRUE(test::truncatesQuotient(a, b, q)) << context;
                        const bool exact = sameValue(test::exactProduct(q, b), a);
                        EXPECT_TRUE(exact || fractionPlaces(q) >=
                                                 static_cast<std::size_t>(engine.m_fractionDigits))
                            << context;
                        const bool negative = (a.find('-') == std::string::npos) !=
                                              (b.find('-') == std::string::npos);
                        EXPECT_EQ(q.front() == '-', negative) << context;
                        if (engine.m_repetendTail > 0) {
                            const auto head = static_cast<std::size_t>(engine.m_repetendHead);
                            const auto tail = static_cast<std::size_t>(engine.m_repetendTail);
                            EXPECT_FALSE(exact) << context;
                            EXPECT_EQ(test::remainderAfterPlace(a, b, head - 1),
                                      test::remainderAfterPlace(a, b, tail))
                                << context;
                        }
                    });
}

} // namespace
} // namespace tallaro
