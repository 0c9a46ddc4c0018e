// Arbitrary bytes as the precision field: the leading integer must agree with the C library's
// reading of the same text (strtol, whose own saturation is brought to the 32-bit range).
#include "PrecisionField.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

int libraryReading(const std::string &text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    if (tallaro::leadingInteger(text) != libraryReading(text))
        std::abort();
    return 0;
}
