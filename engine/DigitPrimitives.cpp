// Comparison, addition and subtraction of equal-length digit strings. Digits are worked
// with through their character codes ("0" is 48), and each primitive makes one pass.
//
// Operands run to tens of millions of digits, so addition and subtraction take eight digits
// at a time in a 64-bit word, one digit a byte, with the least significant digit in the
// lowest byte. A byte that would leave the range 0..9 carries or borrows into its neighbour
// exactly as the word's own arithmetic does, so the decimal carry chain needs no loop.
#include "DecimalEngine.h"
#include "DigitRuns.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace tallaro {

namespace {

constexpr std::uint64_t kZeroCharacters = 0x3030303030303030; // "00000000"
constexpr std::uint64_t kLowBits = 0x0101010101010101;
constexpr std::uint64_t kBias = 246; // 256 - 10: a byte that reaches 256 has reached ten
constexpr bool kWordAtATime = std::endian::native == std::endian::little;

// Digits per block of the passes below, with a poll between blocks: operands run to a billion
// digits. A whole number of words.
constexpr std::size_t kBlockDigits = kPollUnits;
static_assert(kBlockDigits % 8 == 0);

// Where the word loop that works down from digit i stops for the next poll: a whole number
// of words below i.
std::size_t blockStart(std::size_t i) {
    return i - std::min(i / 8 * 8, kBlockDigits);
}

// The eight digits at p as byte values 0..9, the last digit in the lowest byte.
std::uint64_t loadDigits(const char *p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return __builtin_bswap64(word) - kZeroCharacters;
}

void storeDigits(char *p, std::uint64_t digits) {
    const std::uint64_t word = __builtin_bswap64(digits + kZeroCharacters);
    std::memcpy(p, &word, sizeof word);
}

// Bytes that did not carry (after a biased sum) or that borrowed (after a difference) hold
// 246 or more; taking 246 off each leaves the decimal digit.
std::uint64_t unbias(std::uint64_t bytes) {
    return bytes - ((bytes >> 7) & kLowBits) * kBias;
}

// A result with room for two more characters: the answer's point and sign are written into
// it in place, and without the room that would copy millions of digits to a new buffer.
std::string resultBuffer(std::size_t length, char fill) {
    std::string buffer;
    buffer.reserve(length + 2);
    growPolled(buffer, length, fill);
    return buffer;
}

} // namespace

namespace digits {

unsigned addRuns(std::string_view x, std::string_view y, char *out, unsigned carry) {
    assert(x.size() == y.size());
    std::size_t i = x.size();
    if constexpr (kWordAtATime) {
        while (i >= 8) {
            for (const std::size_t stop = blockStart(i); i > stop; i -= 8) {
                std::uint64_t word;
                carry = __builtin_add_overflow(loadDigits(&x[i - 8]) + kLowBits * kBias,
                                               loadDigits(&y[i - 8]) + carry, &word);
                storeDigits(out + i - 8, unbias(word));
            }
            pollForStop();
        }
    }
    for (; i-- > 0;) {
        // Branch-free: random digits would make a carry branch unpredictable.
        const int s = x[i] + y[i] + static_cast<int>(carry) - 96;
        carry = static_cast<unsigned>(s >= 10);
        out[i] = static_cast<char>(s - 10 * static_cast<int>(carry) + 48);
    }
    return carry;
}

unsigned addCarry(std::string_view x, char *out, unsigned carry) {
    for (std::size_t i = 0; i < x.size(); i += kBlockDigits) {
        std::memcpy(out + i, x.data() + i, std::min(kBlockDigits, x.size() - i));
        pollForStop();
    }
    for (std::size_t i = x.size(); carry != 0 && i-- > 0;) {
        carry = out[i] == '9' ? 1 : 0;
        out[i] = carry != 0 ? '0' : static_cast<char>(out[i] + 1);
    }
    return carry;
}

int carryOut(std::string_view x, std::string_view y) {
    assert(y.empty() || x.size() == y.size());
    // The first place from the left whose digits do not add up to nine decides; usually the
    // very first, so a sum can be sized before it is written.
    PollCounter polls;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const int s = x[i] - 48 + (y.empty() ? 0 : y[i] - 48);
        if (s != 9)
            return s > 9 ? 1 : -1;
        polls.count(1);
    }
    return 0;
}

} // namespace digits

// Digits order as their character codes do, which memcmp compares.
int DecimalEngine::compareDigits(std::string_view x, std::string_view y) {
    assert(x.size() == y.size());
    for (std::size_t i = 0; i < x.size(); i += kBlockDigits) {
        const std::size_t n = std::min(kBlockDigits, x.size() - i);
        if (const int order = std::memcmp(x.data() + i, y.data() + i, n); order != 0)
            return order > 0 ? 1 : 2;
        pollForStop();
    }
    return 1;
}

// The result is sized once and written from the right, so that no character is ever put in
// front of a growing text and no digit moves afterwards.
std::string DecimalEngine::addDigits(std::string_view x, std::string_view y) {
    assert(x.size() == y.size());
    const std::size_t top = digits::carryOut(x, y) > 0 ? 1 : 0;
    std::string result = resultBuffer(x.size() + top, '1'); // a carry out is a "1" in front
    digits::addRuns(x, y, result.data() + top, 0);
    return result;
}

std::string DecimalEngine::subtractDigits(std::string_view x, std::string_view y, int direction) {
    assert(x.size() == y.size());
    const std::string_view minuend = direction == 1 ? x : y;
    const std::string_view subtrahend = direction == 1 ? y : x;
    const std::size_t n = x.size();
    std::string result = resultBuffer(n, '0');
    unsigned borrow = 0;
    std::size_t i = n;
    if constexpr (kWordAtATime) {
        while (i >= 8) {
            for (const std::size_t stop = blockStart(i); i > stop; i -= 8) {
                std::uint64_t difference;
                borrow =
                    __builtin_sub_overflow(loadDigits(&minuend[i - 8]),
                                           loadDigits(&subtrahend[i - 8]) + borrow, &difference);
                storeDigits(&result[i - 8], unbias(difference));
            }
            pollForStop();
        }
    }
    for (; i-- > 0;) {
        const int d = (minuend[i] - 48) - (subtrahend[i] - 48) - static_cast<int>(borrow);
        borrow = static_cast<unsigned>(d < 0);
        result[i] = static_cast<char>(d + 10 * static_cast<int>(borrow) + 48);
    }
    assert(borrow == 0); // the minuend was not the larger
    return result;
}

} // namespace tallaro
