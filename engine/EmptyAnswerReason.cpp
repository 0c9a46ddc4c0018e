#include "EmptyAnswerReason.h"

#include "NumberText.h"

#include <algorithm>
#include <utility>

namespace tallaro {

namespace {

using Kind = EmptyAnswerReason::Kind;
using Operand = EmptyAnswerReason::Operand;

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ',' || c == ' ';
}

// The first character that keeps the operand from being a number: one that no number has,
// or a second point, whichever comes first. Operands run to millions of digits, so a number
// is recognised with the engine's own fast scan and only a refused one is searched.
EmptyAnswerReason notANumber(std::string_view text, Operand operand) {
    if (numtext::scanText(text).number)
        return {};
    const auto other = static_cast<std::size_t>(
        std::find_if_not(text.begin(), text.end(), isNumberCharacter) - text.begin());
    const std::size_t point = text.find('.');
    const std::size_t second =
        point == std::string_view::npos ? text.size() : text.find('.', point + 1);
    if (other < second)
        return {Kind::Character, operand, other};
    return {Kind::SecondPoint, operand, second};
}

// A product needs a digit in each operand; a quotient also needs them to be other than zero.
EmptyAnswerReason noValue(std::string_view text, Operand operand, bool quotient) {
    if (!numtext::hasDigit(text))
        return {Kind::NoDigit, operand};
    if (quotient && text.find_first_not_of("0-., ") == std::string_view::npos)
        return {Kind::Zero, operand};
    return {};
}

} // namespace

EmptyAnswerReason emptyAnswerReason(std::string_view a, std::string_view op, std::string_view b) {
    if (a.empty())
        return {Kind::Empty, Operand::A};
    if (b.empty())
        return {Kind::Empty, Operand::B};
    if (op.empty())
        return {Kind::Operator};
    const std::pair<std::string_view, Operand> operands[] = {{a, Operand::A}, {b, Operand::B}};
    for (const auto &[text, operand] : operands)
        if (const EmptyAnswerReason reason = notANumber(text, operand); reason.kind != Kind::None)
            return reason;
    if (op == "*" || op == "/") {
        for (const auto &[text, operand] : operands)
            if (const EmptyAnswerReason reason = noValue(text, operand, op == "/");
                reason.kind != Kind::None)
                return reason;
        return {};
    }
    if (op != "+" && op != "-")
        return {Kind::Operator};
    return {};
}

} // namespace tallaro
