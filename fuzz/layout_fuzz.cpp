// Answers and repetend places into the answer layout. Any text and any places must lay out
// without a fault; a number's layout must read back to the number, with its sign, and the
// repetend's offsets must cover exactly its digits.
#include "AnswerLayout.h"
#include "LayoutReading.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

struct Number {
    std::string text;
    bool negative = false;
    std::string integer;
    std::string fraction;
};

// A number the engine could answer: digits from the bytes, maybe a sign, maybe a point with
// at least one digit on either side.
Number numberFrom(FuzzedDataProvider &input) {
    Number n;
    n.negative = input.ConsumeBool();
    const bool point = input.ConsumeBool();
    std::string digits = input.ConsumeRandomLengthString();
    for (char &c : digits)
        c = static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
    if (digits.empty())
        digits = "0";
    const std::size_t split = point && digits.size() > 1
                                  ? input.ConsumeIntegralInRange<std::size_t>(1, digits.size() - 1)
                                  : digits.size();
    n.integer = digits.substr(0, split);
    n.fraction = digits.substr(split);
    n.text = (n.negative ? "-" : "") + n.integer + (n.fraction.empty() ? "" : "." + n.fraction);
    return n;
}

// The offsets of a repetend inside the fraction select its digits and nothing else. Ending on
// the last digit of a full last line puts the end two past the text, on the line that would
// follow; the window clamps that to the end of the text.
void checkMarks(const Number &n, const tallaro::LaidOutAnswer &laid, int head, int tail) {
    const auto size = static_cast<int>(laid.text.size());
    check(laid.marksRepetend && 0 <= laid.selStart && laid.selStart <= laid.selEnd);
    if (laid.selEnd > size)
        check(laid.selEnd == size + 2 && tail == static_cast<int>(n.fraction.size()) &&
              tail % 50 == 0);
    check(laid.selStart < size);
    const char first = laid.text[static_cast<std::size_t>(laid.selStart)];
    check(first >= '0' && first <= '9');
    check(tallaro::test::selectedDigits(laid.text, laid.selStart, laid.selEnd) ==
          n.fraction.substr(static_cast<std::size_t>(head - 1),
                            static_cast<std::size_t>(tail - head + 1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        // Any text at all, any places: only the sanitizers judge.
        const int head = input.ConsumeIntegral<int>();
        const int tail = input.ConsumeIntegral<int>();
        const auto laid = tallaro::layOutAnswer(input.ConsumeRemainingBytesAsString(), head, tail);
        check(laid.selStart >= 0 && laid.selEnd >= 0 && laid.marksRepetend == (tail > 0));
        return 0;
    }
    const bool marked = input.ConsumeBool();
    const Number n = numberFrom(input);
    const int places = static_cast<int>(n.fraction.size());
    const int head = marked && places > 0 ? input.ConsumeIntegralInRange(1, places) : 0;
    const int tail = head > 0 ? input.ConsumeIntegralInRange(head, places) : 0;

    const auto laid = tallaro::layOutAnswer(n.text, head, tail);
    const auto reading = tallaro::test::readLayout(laid.text);
    check(reading && reading->digits == n.integer + (n.fraction.empty() ? "" : "." + n.fraction));
    check(reading->signs == (n.negative ? 1 : 0));
    if (tail > 0)
        checkMarks(n, laid, head, tail);
    else
        check(!laid.marksRepetend);
    return 0;
}
