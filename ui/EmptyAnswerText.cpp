#include "EmptyAnswerText.h"

#include "Cp932Texts.h"
#include "EmptyAnswerReason.h"

namespace tallaro {

namespace {

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc);
}

// The refused character at `at`: in quotes, or named when it would not show.
std::string shownCharacter(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c == '\r' || c == '\n')
        return cp932::lineBreak;
    if (c == '\t')
        return cp932::tab;
    if (c < 0x20 || c == 0x7f) {
        constexpr char hex[] = "0123456789ABCDEF";
        return std::string(cp932::controlCharacter) + hex[c >> 4] + hex[c & 15] +
               cp932::closeParenthesis;
    }
    const std::string_view character =
        text.substr(at, isLeadByte(c) && at + 1 < text.size() ? 2 : 1);
    if (character == "\x81\x40") // the ideographic space
        return cp932::ideographicSpace;
    return std::string(cp932::openQuote).append(character) + cp932::closeQuote;
}

} // namespace

std::string emptyAnswerText(std::string_view a, std::string_view op, std::string_view b) {
    using Kind = EmptyAnswerReason::Kind;
    const EmptyAnswerReason reason = emptyAnswerReason(a, op, b);
    const bool isA = reason.operand == EmptyAnswerReason::Operand::A;
    const std::string operand = isA ? "(A)" : "(B)";
    switch (reason.kind) {
    case Kind::None:
        return {};
    case Kind::Empty:
        return operand + cp932::isEmpty;
    case Kind::Character:
        return operand + cp932::characterBefore + shownCharacter(isA ? a : b, reason.at) +
               cp932::characterAfter;
    case Kind::SecondPoint:
        return operand + cp932::secondPoint;
    case Kind::NoDigit:
        return operand + cp932::noDigit;
    case Kind::Zero:
        return operand + (isA ? cp932::zeroDividend : cp932::zeroDivisor);
    case Kind::Operator:
        return cp932::unknownOperator;
    }
    return {};
}

} // namespace tallaro
