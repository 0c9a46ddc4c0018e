#pragma once

#include <string>
#include <string_view>

// Small text helpers that addition, multiplication and division share.
namespace tallaro::numtext {

// Removes the digit-group separators "," and " ".
void removeSeparators(std::string &text);

// What one pass over an operand finds. Operands run to millions of digits, so they are read
// once for every question instead of once per question.
struct TextScan {
    bool separators = false; // a "," or a " "
    bool minus = false;      // at least one "-"
    bool number = false;     // only digits, separators, "-" and at most one "."
};
TextScan scanText(std::string_view text);

// True when text holds only digits, "-" and at most one ".". Anything else would enter the
// character arithmetic as garbage, so such an operand is refused.
bool isNumberText(std::string_view text);

// True when text holds at least one digit.
bool hasDigit(std::string_view text);

// Removes every "-"; returns -1 when at least one was removed, +1 otherwise.
int takeSign(std::string &text);

// text split at its first ".": the integer digits before it, the fraction digits after it.
struct PointSplit {
    std::string_view integer;
    std::string_view fraction;
};
PointSplit splitAtPoint(std::string_view text);

// Turns an unsigned number text (digits and at most one point) with integerLength digits in
// front of its point (all of them when it has none) into its bare digits aligned to
// integerWidth integer and fractionWidth fraction positions, in place: zeros go in front of
// the integer part and behind the fraction part, and the point goes. Operands run to
// millions of digits, so no second buffer of that size is allocated and touched.
void alignDigits(std::string &number, std::size_t integerLength, std::size_t integerWidth,
                 std::size_t fractionWidth);

// Index of the first character that is not "0", or text.size() when there is none.
std::size_t firstNonZero(std::string_view text);

// Writes an answer's front: drops the first `zeros` characters (leading zeros) and, when
// negative, puts "-" in front unless what is left is exactly "0". The sign takes the last
// dropped place when there is one, so that an answer of millions of digits moves once.
void dropZerosAndSign(std::string &text, std::size_t zeros, bool negative);

} // namespace tallaro::numtext
