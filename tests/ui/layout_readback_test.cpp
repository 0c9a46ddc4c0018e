// Whatever the engine answers, its layout read back (prefixes, separators and line ends taken
// out) gives the answer again, with exactly one "-" when it is negative, and the repetend's
// marking covers its digits and no others.
#include "AnswerLayout.h"
#include "DecimalEngine.h"
#include "LayoutReading.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

#include <string>

namespace tallaro {
namespace {

TEST(LayoutReadBack, EngineAnswersReadBackWithTheirSignAndRepetend) {
    struct Kind {
        const char *op;
        std::size_t maxInteger, maxFraction;
        int fractionDigits;
    };
    // Integers, points, fractions without an integer part, multi-line integers and fractions,
    // quotients with a repetend to mark.
    const Kind kinds[] = {
        {"+", 8, 0, 0},  {"-", 120, 3, 0},  {"*", 30, 40, 0},
        {"/", 6, 2, 60}, {"/", 90, 4, 140}, {"/", 3, 0, 0},
    };
    test::RandomOperands random(7004);
    for (const Kind &kind : kinds)
        for (int i = 0; i < 150; ++i) {
            DecimalEngine engine;
            engine.m_fractionDigits = kind.fractionDigits;
            engine.m_findRepetend = 1;
            const std::string a = random.number(kind.maxInteger, kind.maxFraction) + "1";
            const std::string b = random.number(kind.maxInteger, kind.maxFraction) + "3";
            const std::string answer = engine.calculate(a, kind.op, b);
            const bool negative = answer.front() == '-';
            const LaidOutAnswer laid =
                layOutAnswer(answer, engine.m_repetendHead, engine.m_repetendTail);
            const auto reading = test::readLayout(laid.text);
            ASSERT_TRUE(reading.has_value()) << answer;
            // A quotient cut at place 0 ends in a point with no fraction line to carry it.
            std::string digits = answer.substr(negative ? 1 : 0);
            if (digits.back() == '.')
                digits.pop_back();
            EXPECT_EQ(reading->digits, digits) << answer;
            EXPECT_EQ(reading->signs, negative ? 1 : 0) << answer;
            if (laid.marksRepetend) {
                const auto head = static_cast<std::size_t>(engine.m_repetendHead);
                const auto places = static_cast<std::size_t>(engine.m_repetendTail) + 1 - head;
                EXPECT_EQ(test::selectedDigits(laid.text, laid.selStart, laid.selEnd),
                          answer.substr(answer.find('.') + head, places))
                    << answer;
            }
        }
}

} // namespace
} // namespace tallaro
