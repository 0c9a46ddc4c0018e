// The long-division digit loop. Each quotient digit is the number of times the divisor can
// be subtracted from the partial dividend P; there is no table of multiples and no trial
// division, so that every digit and every remainder is the schoolbook one. The two entry
// points run this one loop; detection only adds the recording of remainders.
#include "DecimalEngine.h"
#include "NumberText.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <stdexcept>

namespace tallaro {

namespace {

enum class Outcome { Less, Equal, Greater };

// One division's loop over the engine's working members. P lives in one buffer sized for
// n + 1 digits: digits are appended at its end and a subtraction works in place, so no
// text is copied per quotient digit. Whenever P is compared it has n or n + 1 digits and
// no leading zero, and it is less than ten times the divisor D.
class DigitLoop {
  public:
    // The loop ends because each step leaves P below the divisor D, which only a D that starts
    // with a digit other than 0 makes possible: after an exact step P is rebuilt until it has
    // n digits again, which never happens with n = 0. Checked in every build, so that a zero
    // that slips past divide's test fails at once instead of hanging.
    DigitLoop(DecimalEngine &engine, std::string &p, const std::string &divisor, bool findRepetend)
        : m_engine(engine), m_p(p), m_d(divisor), m_n(divisor.size()),
          m_integerPlaces(engine.m_dividendLength - engine.m_divisorLength + 1),
          m_findRepetend(findRepetend) {
        if (divisor.empty() || divisor[0] == '0')
            throw std::invalid_argument("divideDigits: a divisor without a leading digit");
        m_p.reserve(m_n + 2);
    }

    void run() {
        // A negative precision would end the loop inside the integer part.
        const int fractionDigits = std::max(m_engine.m_fractionDigits, 0);
        // A step costs up to ten passes over the divisor's digits.
        Progress progress(static_cast<std::uint64_t>(std::max(m_integerPlaces, 1)) +
                          static_cast<std::uint64_t>(fractionDigits));
        bool done = false;
        while (!done) {
            switch (compare()) {
            case Outcome::Less:
                less();
                break;
            case Outcome::Equal:
                done = equal();
                break;
            case Outcome::Greater:
                greater();
                break;
            }
            // Tested only here, at the end of a step, although one step can write several
            // places: the quotient keeps every digit it has written.
            done = done || m_engine.m_fractionPlace >= fractionDigits;
            progress.reach(static_cast<std::uint64_t>(m_engine.m_quotientSteps), m_n);
        }
    }

  private:
    Outcome compare() const {
        assert((m_p.size() == m_n || m_p.size() == m_n + 1) && m_p[0] != '0');
        if (m_p.size() > m_n)
            return Outcome::Greater;
        const int order = m_p.compare(m_d);
        return order < 0 ? Outcome::Less : order == 0 ? Outcome::Equal : Outcome::Greater;
    }

    // The divisor does not go (again): the digit is finished.
    void less() {
        advance();
        if (m_engine.m_quotientSteps == 1 && m_engine.m_currentDigit == 0) {
            // A leading zero is not written, except as the "0" of "0." when the quotient is
            // below 1 and the operands are equally long.
            if (m_engine.m_dividendLength == m_engine.m_divisorLength)
                m_engine.m_quotient += '0';
        } else {
            writeDigit();
        }
        pointCheck();
        bringDown();
    }

    // The divisor goes once more and nothing remains. Returns true when the quotient is
    // complete: exact in the fraction, or a whole number once the rest of the dividend
    // has turned out to be zeros.
    bool equal() {
        advance();
        ++m_engine.m_currentDigit;
        writeDigit();
        if (m_engine.m_quotientSteps >= m_integerPlaces)
            return true;
        // Still in the integer part: rebuild P from the dividend's remaining digits. A zero
        // partial dividend has no digits, so leading zeros never enter P.
        m_p.clear();
        for (;;) {
            bringDown();
            if (m_p == "0")
                m_p.clear();
            if (m_p.size() != m_n) {
                zeroPlace();
                if (!m_p.empty())
                    pointCheck();
            }
            if (m_p.size() == m_n)
                return false;
            if (m_engine.m_quotientSteps == m_integerPlaces && m_p.empty())
                return true;
        }
    }

    // One more subtraction for this digit; once the remainder is shorter than D the digit
    // is finished, and every digit brought down while it is still shorter gives a 0.
    void greater() {
        subtractDivisor();
        ++m_engine.m_currentDigit;
        assert(m_engine.m_currentDigit <= 9); // P was below ten times D
        if (m_p.size() >= m_n)
            return;
        advance();
        writeDigit();
        pointCheck();
        while (m_p.size() < m_n) {
            bringDown();
            if (m_p.size() != m_n) {
                zeroPlace();
                pointCheck();
            }
        }
    }

    // P -= D in place, D taken with a "0" in front when P is one digit longer; then the
    // leading zeros go. The caller has made sure that P > D.
    void subtractDivisor() {
        const std::size_t offset = m_p.size() - m_n;
        int borrow = 0;
        for (std::size_t i = m_n; i-- > 0;) {
            const int d = m_p[offset + i] - m_d[i] - borrow;
            borrow = static_cast<int>(d < 0);
            m_p[offset + i] = static_cast<char>(d + 10 * borrow + '0');
        }
        if (offset == 1) {
            m_p[0] = static_cast<char>(m_p[0] - borrow);
            borrow = 0;
        }
        assert(borrow == 0 && m_p[0] >= '0');
        m_p.erase(0, numtext::firstNonZero(m_p));
    }

    void advance() {
        ++m_engine.m_quotientSteps;
        if (m_engine.m_fractionPlace != -1)
            ++m_engine.m_fractionPlace;
    }

    void writeDigit() {
        m_engine.m_quotient += static_cast<char>('0' + m_engine.m_currentDigit);
        m_engine.m_currentDigit = 0;
    }

    // A place whose partial dividend is shorter than the divisor.
    void zeroPlace() {
        advance();
        m_engine.m_quotient += '0';
    }

    void pointCheck() {
        if (m_engine.m_quotientSteps == m_integerPlaces) {
            m_engine.m_quotient += '.';
            m_engine.m_fractionPlace = 0;
        }
    }

    // P is the remainder left after the place just written; it is recorded before it takes
    // the next digit: one of the dividend's while places of the integer part remain, else 0.
    void bringDown() {
        if (m_findRepetend)
            m_engine.recordRemainder(m_p);
        const std::int64_t steps = m_engine.m_quotientSteps;
        m_p += steps < m_integerPlaces ? m_engine.m_dividendDigits[static_cast<std::size_t>(
                                             m_engine.m_divisorLength + steps - 1)]
                                       : '0';
    }

    DecimalEngine &m_engine;
    std::string &m_p;
    const std::string &m_d;
    const std::size_t m_n;
    const int m_integerPlaces;
    const bool m_findRepetend;
};

} // namespace

void DecimalEngine::divideDigits(std::string p, std::string divisor) {
    DigitLoop(*this, p, divisor, false).run();
}

void DecimalEngine::divideDigitsFindRepetend(std::string p, std::string divisor) {
    DigitLoop(*this, p, divisor, true).run();
}

} // namespace tallaro
