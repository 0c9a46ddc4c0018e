#pragma once

#include "LimbNumber.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tallaro {

struct ShortQuotient {
    std::size_t point; // the index of the point in the text
    Limb remainder;    // at the last place written; 0 when the quotient ended
};

// The quotient of the number whose digits are `dividend` times 10^places by a divisor of one
// limb, written as text as the division produces it, from the left: "-" when `negative`, the
// integer part without leading zeros ("0" when it has none), the point and the fraction
// digits. No limb of the dividend's zeros or of the quotient is ever stored, and each
// character is written once, so a quotient of 10^8 places costs little more than its pages.
// When the remainder becomes zero with only zeros left to bring down, the quotient has ended
// and the text stops there (its last digits may be zeros).
ShortQuotient writeShortQuotient(std::string_view dividend, std::size_t places, Limb divisor,
                                 bool negative, std::string &text);

} // namespace tallaro
