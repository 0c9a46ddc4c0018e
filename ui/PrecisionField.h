#pragma once

#include <string_view>

namespace tallaro {

// The precision field's leading decimal integer: blanks skipped, an optional sign, the digits
// up to the first other character; none gives 0. It stops growing at the 32-bit range.
int leadingInteger(std::string_view text);

} // namespace tallaro
