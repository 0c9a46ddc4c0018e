#include "DecimalEngine.h"
#include "EmptyAnswerReason.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tallaro {
namespace {

using Kind = EmptyAnswerReason::Kind;
using Operand = EmptyAnswerReason::Operand;

// Every kind of reason, the first check that fails deciding, and inputs next to them that
// the engine answers; the fuzz target holds the reason to the engine on arbitrary input.
TEST(EmptyAnswerReason, NamesTheFirstRefusalExactlyWhenTheAnswerIsEmpty) {
    struct Case {
        const char *a, *op, *b;
        Kind kind;
        Operand operand = Operand::A;
        std::size_t at = 0;
    };
    const Case cases[] = {
        {"", "*", "", Kind::Empty},
        {"1", "/", "", Kind::Empty, Operand::B},
        {"1", "", "2", Kind::Operator},
        {"1", "+ ", "2", Kind::Operator}, // compared as a whole
        {"+5", "x", "2", Kind::Character},
        {"3", "-", "12\r\n", Kind::Character, Operand::B, 2},
        {"\xef\xbc\x91", "/", "3", Kind::Character}, // a full-width "1"
        {"1.2x.3", "*", "3", Kind::Character, Operand::A, 3},
        {"1.2.x", "+", "3", Kind::SecondPoint, Operand::A, 3},
        {"-", "*", "5", Kind::NoDigit},
        {"5", "*", ", ", Kind::NoDigit, Operand::B},
        {"-.", "/", "0", Kind::NoDigit},
        {"0.0", "/", "5", Kind::Zero},
        {"5", "/", "-0,0", Kind::Zero, Operand::B},
        {"-", "+", "5", Kind::None},
        {"0", "*", "5", Kind::None},
        {"1,000", "/", "3", Kind::None},
    };
    for (const Case &c : cases) {
        const std::string input = '"' + std::string(c.a) + "\" " + c.op + " \"" + c.b + '"';
        const EmptyAnswerReason reason = emptyAnswerReason(c.a, c.op, c.b);
        EXPECT_EQ(std::tie(reason.kind, reason.operand, reason.at),
                  std::tie(c.kind, c.operand, c.at))
            << input;
        DecimalEngine engine;
        EXPECT_EQ(engine.calculate(c.a, c.op, c.b).empty(), c.kind != Kind::None) << input;
    }
}

// The characters next to those a number holds in the code table: "/" and ":" around the
// digits, "+" beside ",", 0x1F and "!" around the blank ("-", "." and "," border on each
// other). Each is refused wherever it stands, in the vectorised part of the scan and in its
// tail, in either operand, for every operator, and the reason points at it.
TEST(EmptyAnswerReason, CharactersNextToThoseOfANumberAreRefusedAnywhere) {
    const std::string number = "-1,234 567.8901234567890123456789012345";
    for (const char *op : {"+", "-", "*", "/"})
        for (const char neighbour : {'/', ':', '+', '\x1f', '!'})
            for (std::size_t at = 0; at <= number.size(); ++at)
                for (const Operand operand : {Operand::A, Operand::B}) {
                    std::string odd = number;
                    odd.insert(at, 1, neighbour);
                    const bool inA = operand == Operand::A;
                    const std::string &a = inA ? odd : number, &b = inA ? number : odd;
                    DecimalEngine engine;
                    EXPECT_EQ(engine.calculate(a, op, b), "") << a << op << b;
                    const EmptyAnswerReason reason = emptyAnswerReason(a, op, b);
                    EXPECT_EQ(std::tie(reason.kind, reason.operand, reason.at),
                              std::make_tuple(Kind::Character, operand, at))
                        << a << op << b;
                }
}

} // namespace
} // namespace tallaro
