#include "PrecisionField.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tallaro {

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

int leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const std::int64_t limit = negative ? -std::int64_t{INT_MIN} : INT_MAX;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), limit);
    return static_cast<int>(negative ? -value : value);
}

} // namespace tallaro
