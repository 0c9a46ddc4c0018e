#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace tallaro::test {

// What a laid-out answer says when read back: its digits (the integer's, then "." and the
// fraction's when there is a fraction) and how many "-" it shows.
struct LayoutReading {
    std::string digits;
    int signs = 0;
};

// Reads a laid-out answer back, removing prefixes, separators and line ends. Every line is two
// prefix characters, ten groups of five cells each with a " " behind it, and "\r\n"; only the
// line before the fraction is empty. Nothing when the text has another shape.
inline std::optional<LayoutReading> readLayout(std::string_view text) {
    constexpr std::size_t width = 62;
    LayoutReading reading;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = text.substr(at, end - at);
        at = end + 2;
        if (line.empty())
            continue;
        if (line.size() != width || line[0] != ' ')
            return std::nullopt;
        if (line[1] == '.')
            reading.digits += '.';
        else if (line[1] == '-')
            ++reading.signs;
        else if (line[1] != ' ')
            return std::nullopt;
        for (std::size_t i = 2; i < width; ++i) {
            const char c = line[i];
            if ((i - 2) % 6 == 5 && c != ' ')
                return std::nullopt;
            if (c == '-')
                ++reading.signs;
            else if (c != ' ')
                reading.digits += c;
        }
    }
    return reading;
}

// The digits that offsets [start, end) of a laid-out answer take in, as a selection of them
// shows them: an end past the text stops at its end.
inline std::string selectedDigits(std::string_view text, int start, int end) {
    const auto from = std::min(text.size(), static_cast<std::size_t>(start));
    const auto to = std::clamp(static_cast<std::size_t>(end), from, text.size());
    std::string digits;
    for (const char c : text.substr(from, to - from))
        if (c >= '0' && c <= '9')
            digits += c;
    return digits;
}

} // namespace tallaro::test
