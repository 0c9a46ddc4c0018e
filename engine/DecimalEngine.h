#pragma once

#include "RemainderIndex.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tallaro {

// A number held as single-byte text: an optional "-", digits and at most one ".".
// The engine never turns one into a machine integer or a floating-point value.
using DecimalString = std::string;

// Exact arithmetic on decimal text. The operations and their working state are members;
// the calculator dialog derives from this class, so they are the dialog's too.
class DecimalEngine {
  public:
    // The single entry point: op is exactly "+", "-", "*" or "/". Empty input, an unknown
    // operator or an operand that is not a number gives the empty text.
    DecimalString calculate(DecimalString a, std::string_view op, DecimalString b);

    // Digit-string primitives on magnitudes of equal length (no sign, no point).
    // compareDigits: 1 when x >= y, 2 when x < y.
    static int compareDigits(std::string_view x, std::string_view y);
    // x + y, one digit longer when a carry is left over.
    static std::string addDigits(std::string_view x, std::string_view y);
    // x - y when direction is 1, else y - x; the minuend must be the larger.
    static std::string subtractDigits(std::string_view x, std::string_view y, int direction);

    // Multiplication: the exact product; its fraction width is the sum of the operands'.
    DecimalString multiply(DecimalString a, DecimalString b);
    // Leaves in m_product the lenX + lenY digit product of x and y, whatever it held before.
    void multiplyDigits(int lenX, int lenY, std::string x, std::string y);
    // Adds value to the digit of m_product at place (0 = most significant), carrying left.
    void addDigitAt(int value, int place);
    // text filled with "0" to length: side -1 in front, side 1 behind.
    static std::string padWithZeros(std::string text, int length, int side);

    // Division truncated to m_fractionDigits fraction digits; an exact quotient ends at
    // its last non-zero digit. A zero or empty operand gives the empty text.
    // Not a number text (a second ".", a letter, a tab) also gives the empty text, before
    // any member changes. A negative m_fractionDigits is taken as 0.
    DecimalString divide(DecimalString a, DecimalString b);
    // The long-division digit loop from the first partial dividend p, appending to
    // m_quotient; the second form also records remainders to find the repetend. The divisor
    // is digits without a leading zero; any other throws std::invalid_argument.
    void divideDigits(std::string p, std::string divisor);
    void divideDigitsFindRepetend(std::string p, std::string divisor);
    // Looks the remainder left after fraction place m_fractionPlace up in the history; on
    // the first match sets m_repetendHead and m_repetendTail, else records it (places < 100).
    void recordRemainder(const std::string &r);

    // How divide reaches the quotient: the fastest way for the sizes, or always the digit
    // loop, or always limbs where they apply (the differential tests compare the two).
    enum class DivisionMethod { BySize, DigitLoop, Limbs };
    DivisionMethod m_divisionMethod = DivisionMethod::BySize;

    // Working state, in the order the dialog declares it. What a division gives its callers
    // is the same on every path: the answer, m_fractionPlace, m_repetendHead and
    // m_repetendTail (these two written only when a repetend is found), and m_dividendDigits
    // and m_divisorDigits with their lengths. m_quotient holds the quotient while it is built
    // and is handed over as the answer, so it is empty afterwards. The digit loop's own
    // bookkeeping (m_quotientSteps, m_currentDigit, m_remainderHistory, m_presetRemainders,
    // m_repetendFound) describes the last division only when the loop made it; after the
    // limb path it holds what divide reset it to: 0, 0, "*", 0 and 0.
    int m_fractionDigits = 1000;
    // Places and steps in 64 bits: a quotient to 2147483647 places may end a few places
    // further (1 / 1001 ends at place 2^31), and its steps count the integer places as well.
    std::int64_t m_fractionPlace = -1;
    int m_presetRemainders = 0;
    std::string m_product;
    int m_divisorLength = 0;
    int m_dividendLength = 0;
    int m_currentDigit = 0;
    std::int64_t m_quotientSteps = 0;
    int m_repetendFound = 0;
    // "*" and then each remainder the digit loop recorded followed by "*". The preparation's
    // m_presetRemainders entries come first in the numbering but are not written out.
    std::string m_remainderHistory;
    int m_repetendHead = 0;
    int m_repetendTail = 0;
    int m_findRepetend = 0;
    std::string m_quotient;
    std::string m_dividendDigits;
    std::string m_divisorDigits;

  private:
    // a and b are magnitudes; signB is the second term's sign, turned for a subtraction.
    static DecimalString addOrSubtract(DecimalString a, int signA, DecimalString b, int signB);
    // The first partial dividend, after writing the zero places that precede it when the
    // dividend has fewer digits than the divisor.
    std::string firstPartialDividend();

    // The digit loop's entries of m_remainderHistory, found by text in one lookup.
    RemainderIndex m_remainderIndex;
};

} // namespace tallaro
