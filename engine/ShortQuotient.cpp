#include "ShortQuotient.h"

#include "LimbDivide.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <array>

namespace tallaro {

namespace {

constexpr std::array<std::uint64_t, 10> kPowersOfTen = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000, 1'000'000'000};

// Quotient limbs made at once before they are written out as digits.
constexpr std::size_t kBlockLimbs = 512;

// Appends the quotient's digits in order: the integer part's leading zeros dropped, and the
// point once `integerDigits` have gone by.
class QuotientText {
  public:
    QuotientText(std::string &text, std::size_t integerDigits)
        : m_text(text), m_integerDigits(integerDigits) {}

    void append(std::string_view digits) {
        if (m_seen < m_integerDigits) {
            const std::string_view integer = digits.substr(0, m_integerDigits - m_seen);
            m_seen += integer.size();
            digits.remove_prefix(integer.size());
            const std::size_t zeros =
                m_leading ? std::min(integer.find_first_not_of('0'), integer.size()) : 0;
            m_leading = m_leading && zeros == integer.size();
            m_text.append(integer.substr(zeros));
            if (m_seen < m_integerDigits)
                return;
        }
        if (m_point == std::string::npos)
            putPoint();
        m_text.append(digits);
        m_seen += digits.size();
    }

    // The point, after a "0" when the integer part had no digit but zeros; returns its index.
    std::size_t putPoint() {
        if (m_point == std::string::npos) {
            if (m_leading)
                m_text += '0';
            m_point = m_text.size();
            m_text += '.';
        }
        return m_point;
    }

  private:
    std::string &m_text;
    std::size_t m_integerDigits;
    std::size_t m_seen = 0;
    bool m_leading = true;
    std::size_t m_point = std::string::npos;
};

} // namespace

ShortQuotient writeShortQuotient(std::string_view dividend, std::size_t places, Limb divisor,
                                 bool negative, std::string &text) {
    const std::size_t m = dividend.size();
    const std::size_t length = m + places;
    // Sized once, with room for a sign, a "0", the point and the zeros the stop rule may add,
    // so that a quotient of 2^31 digits is one block asked for at the start: refused there
    // when the memory is not there, never grown and copied while it is written.
    text.clear();
    text.reserve(length + 3 + kLimbDigits);
    if (negative)
        text += '-';
    QuotientText out(text, m);
    const LimbDivisor d(divisor);
    std::uint64_t rest = 0;
    std::array<Limb, kBlockLimbs> block;
    std::array<char, kBlockLimbs * kLimbDigits> digits;
    // Nine digits a step, the first step taking what is over so that the last ends the text.
    std::size_t done = 0, step = (length - 1) % kLimbDigits + 1;
    Progress progress(length);
    while (done < length && (rest != 0 || done < m)) {
        std::size_t count = 0, made = 0;
        for (; count < kBlockLimbs && done + made < length;
             ++count, made += step, step = kLimbDigits) {
            std::uint64_t chunk = 0;
            const std::size_t from = done + made, to = std::min(from + step, m);
            for (std::size_t i = from; i < to; ++i)
                chunk = chunk * 10 + static_cast<std::uint64_t>(dividend[i] - '0');
            chunk *= kPowersOfTen[from + step - std::max(to, from)];
            block[count] = static_cast<Limb>(d.divide(rest * kPowersOfTen[step] + chunk, rest));
        }
        // unpackDigits takes the least significant limb first.
        std::reverse(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(count));
        unpackDigits(std::span(block).first(count), std::span(digits).first(made));
        out.append(std::string_view(digits.data(), made));
        done += made;
        progress.reach(done, made);
    }
    return {out.putPoint(), static_cast<Limb>(rest)};
}

} // namespace tallaro
