#pragma once

#include <string>
#include <string_view>

namespace tallaro::cli {

// Why the engine gives the empty text for these operands, in a few English words for
// standard error ("B is zero: no division by zero"); the empty text when the answer is not
// empty. Operands are shown as UTF-8, the terminal's encoding.
std::string emptyAnswerMessage(std::string_view a, std::string_view op, std::string_view b);

} // namespace tallaro::cli
