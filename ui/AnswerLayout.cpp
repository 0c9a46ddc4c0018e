#include "AnswerLayout.h"

#include "LargePages.h"
#include "NumberText.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tallaro {

namespace {

constexpr std::size_t lineDigits = 50;
constexpr std::size_t groupDigits = 5;
constexpr std::size_t groupWidth = groupDigits + 1; // the group and the " " behind it
constexpr std::size_t prefixWidth = 2;
constexpr std::size_t lineWidth = 64; // prefix, ten groups, "\r\n"

std::size_t linesFor(std::size_t length) { return (length + lineDigits - 1) / lineDigits; }

// Where digit cell k of a block of lines stands, counted from the block's first character.
std::size_t cellOffset(std::size_t k) {
    return lineWidth * (k / lineDigits) + prefixWidth + groupWidth * (k % lineDigits / groupDigits) +
           k % groupDigits;
}

// Fills a block of lines that the caller has set to spaces: the line ends, the first line's
// prefix, and the digits from cell firstCell on, copied a group at a time. Progress counts
// the lines written, linesBefore of them in earlier blocks.
void writeBlock(char *block, std::size_t lines, std::string_view firstPrefix,
                std::string_view digits, std::size_t firstCell, Progress &progress,
                std::size_t linesBefore) {
    for (std::size_t line = 1; line <= lines; ++line) {
        block[line * lineWidth - 2] = '\r';
        block[line * lineWidth - 1] = '\n';
    }
    std::memcpy(block, firstPrefix.data(), prefixWidth);
    std::size_t k = firstCell;
    for (std::size_t i = 0; i < digits.size();) {
        const std::size_t n = std::min(groupDigits - k % groupDigits, digits.size() - i);
        std::memcpy(block + cellOffset(k), digits.data() + i, n);
        i += n;
        k += n;
        progress.reach(linesBefore + k / lineDigits, n);
    }
}

int clampedOffset(std::int64_t offset) {
    return static_cast<int>(std::clamp<std::int64_t>(offset, 0, INT_MAX));
}

// Offset of fraction place n in a text whose fraction lines start at fractionStart; signed
// throughout so that any place the members hold gives a defined result.
int fractionPlaceOffset(std::size_t fractionStart, std::int64_t n) {
    const std::int64_t k = n - 1;
    const auto digits = static_cast<std::int64_t>(lineDigits);
    const auto group = static_cast<std::int64_t>(groupDigits);
    return clampedOffset(static_cast<std::int64_t>(fractionStart + prefixWidth) +
                         static_cast<std::int64_t>(lineWidth) * (k / digits) +
                         static_cast<std::int64_t>(groupWidth) * (k % digits / group) + k % group);
}

} // namespace

LaidOutAnswer layOutAnswer(std::string_view answer, int repetendHead, int repetendTail) {
    // Every "-" is the sign, wherever it stands. The engine's answers carry it in front or
    // nowhere and are read in place; any other text is read from a copy without them.
    bool negative = answer.starts_with('-');
    if (negative)
        answer.remove_prefix(1);
    std::string unsignedCopy;
    if (answer.find('-') != std::string_view::npos) {
        unsignedCopy = answer;
        numtext::takeSign(unsignedCopy);
        answer = unsignedCopy;
        negative = true;
    }
    const std::size_t point = answer.find('.');
    const bool hasPoint = point != std::string_view::npos;
    const std::string_view integer = answer.substr(0, hasPoint ? point : answer.size());
    const std::string_view fraction = hasPoint ? answer.substr(point + 1) : std::string_view();

    const std::size_t integerLines = linesFor(integer.size());
    const std::size_t fractionLines = linesFor(fraction.size());
    // An integer is set flush left; an integer part before a point flush right, its sign in the
    // filling right before the first digit, or in the prefix when there is no filling.
    const std::size_t fill = hasPoint ? integerLines * lineDigits - integer.size() : 0;
    const bool signInPrefix = negative && fill == 0;

    LaidOutAnswer laid;
    const std::size_t integerText = integerLines * lineWidth;
    // The empty line before the fraction belongs to its first line: no fraction, no empty line.
    const std::size_t fractionStart = integerText + (fractionLines > 0 ? 2 : 0);
    const std::size_t length = fractionStart + fractionLines * lineWidth;
    laid.text.reserve(length);
    adviseLargePages(laid.text.data(), length);
    growPolled(laid.text, length, ' ');
    char *text = laid.text.data();
    Progress progress(integerLines + fractionLines);
    if (integerLines > 0)
        writeBlock(text, integerLines, signInPrefix ? " -" : "  ", integer, fill, progress, 0);
    if (negative && fill > 0)
        text[cellOffset(fill - 1)] = '-';
    if (fractionLines > 0) {
        std::memcpy(text + integerText, "\r\n", 2);
        writeBlock(text + fractionStart, fractionLines, " .", fraction, 0, progress, integerLines);
    }

    if (repetendTail > 0) {
        laid.marksRepetend = true;
        laid.selStart = fractionPlaceOffset(integerText + 2, repetendHead);
        laid.selEnd = fractionPlaceOffset(integerText + 2, std::int64_t{repetendTail} + 1);
    }
    return laid;
}

} // namespace tallaro
