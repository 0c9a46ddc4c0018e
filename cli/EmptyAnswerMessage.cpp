#include "EmptyAnswerMessage.h"

#include "EmptyAnswerReason.h"

namespace tallaro::cli {

namespace {

// The length of the UTF-8 sequence that starts with byte c, or 1 when c starts none.
std::size_t sequenceLength(unsigned char c) {
    if (c >= 0xc2 && c <= 0xdf)
        return 2;
    if (c >= 0xe0 && c <= 0xef)
        return 3;
    if (c >= 0xf0 && c <= 0xf4)
        return 4;
    return 1;
}

std::string hexByte(unsigned char c) {
    constexpr char hex[] = "0123456789ABCDEF";
    return {'0', 'x', hex[c >> 4], hex[c & 15]};
}

// The refused character at `at`: in quotes, or named when it would not show or is not
// UTF-8 (then its first byte).
std::string shownCharacter(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c == '\n')
        return "a line break";
    if (c == '\r')
        return "a carriage return";
    if (c == '\t')
        return "a tab";
    if (c < 0x20 || c == 0x7f)
        return "the control character " + hexByte(c);
    const std::size_t length = sequenceLength(c);
    const std::string_view character = text.substr(at, length);
    bool utf8 = character.size() == length && (c < 0x80 || length > 1);
    for (char next : character.substr(1))
        utf8 = utf8 && (static_cast<unsigned char>(next) & 0xc0) == 0x80;
    if (!utf8)
        return "the byte " + hexByte(c);
    return '"' + std::string(character) + '"';
}

} // namespace

std::string emptyAnswerMessage(std::string_view a, std::string_view op, std::string_view b) {
    using Kind = EmptyAnswerReason::Kind;
    const EmptyAnswerReason reason = emptyAnswerReason(a, op, b);
    const bool isA = reason.operand == EmptyAnswerReason::Operand::A;
    const std::string operand = isA ? "A" : "B";
    switch (reason.kind) {
    case Kind::None:
        return {};
    case Kind::Empty:
        return operand + " is empty";
    case Kind::Character:
        return operand + " holds " + shownCharacter(isA ? a : b, reason.at) +
               ", which is not part of a number";
    case Kind::SecondPoint:
        return operand + " has a second decimal point";
    case Kind::NoDigit:
        return operand + " has no digit";
    case Kind::Zero:
        return isA ? "A is zero: a zero dividend gives no quotient"
                   : "B is zero: no division by zero";
    case Kind::Operator:
        return "unknown operator \"" + std::string(op) + "\" (+, -, * or /)";
    }
    return {};
}

} // namespace tallaro::cli
