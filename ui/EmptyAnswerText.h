#pragma once

#include <string>
#include <string_view>

namespace tallaro {

// Why the engine gives the empty text for these operands, as the answer field says it: in
// the window's Japanese, as CP932 bytes like every field text. The empty text when the
// answer is not empty.
std::string emptyAnswerText(std::string_view a, std::string_view op, std::string_view b);

} // namespace tallaro
