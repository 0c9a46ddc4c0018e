#include "NumberText.h"

#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace tallaro::numtext {

// Long operands usually hold no separator or sign at all; memchr-based finds make that
// case a fast scan, and the removal starts only where the first one stands.
void removeSeparators(std::string &text) {
    const std::size_t first = std::min(text.find(','), text.find(' '));
    if (first == std::string::npos)
        return;
    const auto start = text.begin() + static_cast<std::ptrdiff_t>(first);
    text.erase(std::remove_if(start, text.end(), [](char c) { return c == ',' || c == ' '; }),
               text.end());
}

static bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

TextScan scanText(std::string_view text) {
    // Byte-wide and branch-free so that the compiler vectorises it; in blocks with a poll
    // between them, since operands run to a billion characters.
    enum : std::uint8_t { kSeparator = 1, kMinus = 2, kPoint = 4, kOther = 8 };
    std::uint8_t seen = 0;
    for (std::size_t at = 0; at < text.size(); at += kPollUnits) {
        for (char ch : text.substr(at, kPollUnits)) {
            const auto c = static_cast<std::uint8_t>(ch);
            const bool digit = static_cast<std::uint8_t>(c - '0') < 10;
            const bool separator = (c == ',') | (c == ' ');
            const bool minus = c == '-';
            const bool point = c == '.';
            const bool other = !(digit | separator | minus | point);
            seen |= static_cast<std::uint8_t>(separator * kSeparator | minus * kMinus |
                                              point * kPoint | other * kOther);
        }
        pollForStop();
    }
    bool onePoint = true;
    if ((seen & kPoint) != 0) {
        const std::size_t point = text.find('.');
        onePoint = text.find('.', point + 1) == std::string_view::npos;
    }
    return {(seen & kSeparator) != 0, (seen & kMinus) != 0, (seen & kOther) == 0 && onePoint};
}

bool isNumberText(std::string_view text) {
    const TextScan scan = scanText(text);
    return scan.number && !scan.separators;
}

bool hasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isDigit);
}

int takeSign(std::string &text) {
    // Moves the runs between the signs with memmove: signs are few, runs long.
    std::size_t out = text.find('-');
    if (out == std::string::npos)
        return 1;
    for (std::size_t in = out + 1; in < text.size();) {
        const std::size_t next = std::min(text.find('-', in), text.size());
        text.replace(out, next - in, text, in, next - in);
        out += next - in;
        in = next + 1;
    }
    text.resize(out);
    return -1;
}

PointSplit splitAtPoint(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, point), text.substr(point + 1)};
}

void alignDigits(std::string &number, std::size_t integerLength, std::size_t integerWidth,
                 std::size_t fractionWidth) {
    const bool point = integerLength < number.size();
    const std::size_t fractionStart = integerLength + (point ? 1 : 0);
    const std::size_t fractionLength = number.size() - fractionStart;
    assert(integerLength <= number.size() && integerLength <= integerWidth);
    assert(fractionLength <= fractionWidth);
    const std::size_t front = integerWidth - integerLength;
    const std::size_t width = integerWidth + fractionWidth;
    if (width > number.size())
        number.resize(width);
    char *text = number.data();
    std::memmove(text + front + integerLength, text + fractionStart, fractionLength);
    std::memmove(text + front, text, integerLength);
    std::memset(text, '0', front);
    std::memset(text + integerWidth + fractionLength, '0', fractionWidth - fractionLength);
    number.resize(width);
}

std::size_t firstNonZero(std::string_view text) {
    const std::size_t pos = text.find_first_not_of('0');
    return pos == std::string_view::npos ? text.size() : pos;
}

void dropZerosAndSign(std::string &text, std::size_t zeros, bool negative) {
    assert(zeros <= text.size());
    const bool sign = negative && std::string_view(text).substr(zeros) != "0";
    if (!sign) {
        text.erase(0, zeros);
    } else if (zeros > 0) {
        text[zeros - 1] = '-';
        text.erase(0, zeros - 1);
    } else {
        text.insert(0, 1, '-');
    }
}

} // namespace tallaro::numtext
