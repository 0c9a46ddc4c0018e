#include "CommandMemory.h"

#include <algorithm>

namespace tallaro {

namespace {

// An upper bound on the answer's characters: a sum has a carry more than its longer operand,
// a product as many digits as both operands, a quotient the dividend's and the divisor's
// places and its fraction digits; then a sign, a "0" and a point.
std::uint64_t answerLengthBound(const CommandInput &input) {
    const std::uint64_t a = input.a.size(), b = input.b.size();
    std::uint64_t digits = 0;
    if (input.op == "+" || input.op == "-")
        digits = std::max(a, b) + 1;
    else if (input.op == "*")
        digits = a + b;
    else if (input.op == "/")
        digits = a + b + static_cast<std::uint64_t>(std::max(input.fractionDigits, 0));
    return digits + 3;
}

// 64 characters for every 50 digits, and an empty line.
std::uint64_t laidOutLength(std::uint64_t answerLength) {
    return (answerLength / 50 + 2) * 64;
}

// The engine's working space beyond the answer, per answer character: for a product the
// limbs and the transform's residues, for a quotient its limbs and the quotient text that the
// answer is copied from, for a sum the aligned operands.
std::uint64_t engineBytesPerCharacter(const CommandInput &input) {
    if (input.op == "*")
        return 8;
    if (input.op == "/")
        return 3;
    return 2;
}

} // namespace

std::uint64_t commandMemory(const CommandInput &input, Platform &platform) {
    const std::uint64_t answer = answerLengthBound(input);
    // The engine gives its working space back before the layout takes its own, and the
    // laid-out text goes into the answer field.
    const std::uint64_t engine = answer * engineBytesPerCharacter(input);
    return answer + std::max(engine, platform.fieldMemory(laidOutLength(answer)));
}

} // namespace tallaro
