// The four operation buttons and the steps they share: the timed engine call, the layout,
// the digit counts and the elapsed time.
#include "AnswerLayout.h"
#include "CalcDialog.h"
#include "ControlIds.h"
#include "DialogSupport.h"
#include "EmptyAnswerText.h"
#include "PrecisionField.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace tallaro {

namespace {

// Shows the wait cursor for as long as it lives, also when the engine gives up half way.
class WaitCursor {
public:
    explicit WaitCursor(Platform &platform) : m_platform(platform) { m_platform.beginWaitCursor(); }
    ~WaitCursor() { m_platform.endWaitCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    Platform &m_platform;
};

} // namespace

void CalcDialog::OnAdd() {
    guarded([this] { runArithmetic("+"); });
}

void CalcDialog::OnSubtract() {
    guarded([this] { runArithmetic("-"); });
}

void CalcDialog::OnMultiply() {
    guarded([this] { runArithmetic("*"); });
}

void CalcDialog::OnDivide() {
    guarded([this] { runDivision(); });
}

// The clock covers the engine call and the wait cursor, nothing else.
CalcDialog::TimedAnswer CalcDialog::timedCalculate(DecimalString a, std::string_view op,
                                                   DecimalString b) {
    const std::uint32_t t0 = m_platform.milliseconds();
    DecimalString answer;
    {
        const WaitCursor wait(m_platform);
        answer = calculate(std::move(a), op, std::move(b));
    }
    const std::uint32_t t1 = m_platform.milliseconds();
    // The clock wraps around at 2^32: the wrapped difference is the time that passed.
    return {std::move(answer), static_cast<std::int32_t>(t1 - t0)};
}

void CalcDialog::runArithmetic(std::string_view op) {
    DecimalString a = m_platform.fieldText(ids::operandA);
    DecimalString b = m_platform.fieldText(ids::operandB);
    const std::string whyEmpty = emptyAnswerText(a, op, b);
    TimedAnswer run = timedCalculate(std::move(a), op, std::move(b));
    showAnswer(run.answer, whyEmpty);
    m_platform.setFieldText(ids::repetendHead, {});
    m_platform.setFieldText(ids::repetendTail, {});
    showDigitCounts(run.answer);
    m_platform.setFieldText(ids::elapsedTime, elapsedText(intToText(run.ms)));
    // Kept for the copy button, so that it copies the answer the answer field shows.
    m_answerText = std::move(run.answer);
}

void CalcDialog::runDivision() {
    // Offsets and places of an earlier division must never mark this answer.
    m_repetendSelStart = m_repetendSelEnd = m_repetendHead = m_repetendTail = 0;
    DecimalString a = m_platform.fieldText(ids::operandA);
    DecimalString b = m_platform.fieldText(ids::operandB);
    m_fractionDigits = leadingInteger(m_platform.fieldText(ids::precision));
    m_findRepetend = m_platform.isChecked(ids::findRepetend) ? 1 : 0;
    const std::string whyEmpty = emptyAnswerText(a, "/", b);
    TimedAnswer run = timedCalculate(std::move(a), "/", std::move(b));
    showAnswer(run.answer, whyEmpty);
    // Before the elapsed-time division, which must leave the quotient's repetend places alone.
    m_findRepetend = 0;
    showDigitCounts(run.answer);
    m_platform.setFieldText(ids::elapsedTime, elapsedText(intToText(run.ms)));
    m_platform.setFieldText(ids::repetendHead, intToText(m_repetendHead));
    m_platform.setFieldText(ids::repetendTail, intToText(m_repetendTail));
    if (m_repetendSelEnd > 0)
        m_platform.selectAnswer(m_repetendSelStart, m_repetendSelEnd);
    m_answerText = std::move(run.answer);
}

// An empty answer keeps its field empty and says why in the field's placeholder. The reason
// is worked out before the engine takes the operands over; it costs one quick scan of each.
void CalcDialog::showAnswer(const DecimalString &answer, const std::string &whyEmpty) {
    m_platform.setFieldText(ids::answer, layoutAnswer(answer));
    m_platform.setFieldPlaceholder(ids::answer, answer.empty() ? whyEmpty : std::string());
}

std::string CalcDialog::layoutAnswer(DecimalString answer) {
    LaidOutAnswer laid = layOutAnswer(std::move(answer), m_repetendHead, m_repetendTail);
    // Written only once the text is complete.
    if (laid.marksRepetend) {
        m_repetendSelStart = laid.selStart;
        m_repetendSelEnd = laid.selEnd;
    }
    return std::move(laid.text);
}

void CalcDialog::showDigitCounts(const DecimalString &answer) {
    const std::size_t point = answer.find('.');
    if (point == DecimalString::npos) {
        m_platform.setFieldText(ids::integerDigits, countText(answer.size()));
        m_platform.setFieldText(ids::fractionDigits, {});
        return;
    }
    // A lone leading "0" is no integer digit; a "-" counts like one.
    const bool zeroOnly = point == 1 && answer[0] == '0';
    m_platform.setFieldText(ids::integerDigits, zeroOnly ? "0" : countText(point));
    m_platform.setFieldText(ids::fractionDigits, countText(answer.size() - point - 1));
}

std::string CalcDialog::elapsedText(const DecimalString &ms) {
    // The clock cannot tell less than a millisecond from nothing.
    if (ms == "0")
        return cp932::underOneMillisecond;
    return divide(ms, "1000") + cp932::seconds;
}

std::string CalcDialog::intToText(std::int32_t value) {
    return std::to_string(value);
}

} // namespace tallaro
