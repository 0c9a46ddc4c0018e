#pragma once

#include <cstddef>
#include <string_view>

namespace tallaro {

// Why calculate gives the empty text for an input. calculate only answers; a caller that
// wants to tell the user why an answer is empty asks here. The checks are calculate's own,
// in its order, so that a reason is named exactly when the answer is empty.
struct EmptyAnswerReason {
    enum class Kind {
        None,        // the answer is not empty
        Empty,       // the operand is the empty text
        Character,   // the operand holds a character that no number has, at byte `at`
        SecondPoint, // the operand holds a second ".", at byte `at`
        NoDigit,     // an operand of a product or a quotient has no digit
        Zero,        // an operand of a quotient is zero: B the divisor, or A the dividend
        Operator,    // the operator is none of "+", "-", "*" and "/"
    };
    enum class Operand { A, B };

    Kind kind = Kind::None;
    Operand operand = Operand::A;
    std::size_t at = 0;
};

EmptyAnswerReason emptyAnswerReason(std::string_view a, std::string_view op, std::string_view b);

} // namespace tallaro
