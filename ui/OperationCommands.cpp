// The four operation buttons. A command starts on the UI thread, where it reads the fields,
// runs its engine call and layout off it, and finishes on it, where it writes the fields;
// the digit counts and the elapsed time are steps its finish shares.
#include "CalcDialog.h"
#include "CommandMemory.h"
#include "ControlIds.h"
#include "DialogSupport.h"
#include "PrecisionField.h"

#include <memory>
#include <utility>

namespace tallaro {

namespace {

// Read-only while a command runs, so that the answer always belongs to what they show.
constexpr int inputFields[] = {ids::operandA, ids::operandB, ids::precision};

} // namespace

void CalcDialog::OnAdd() {
    startCommand("+");
}

void CalcDialog::OnSubtract() {
    startCommand("-");
}

void CalcDialog::OnMultiply() {
    startCommand("*");
}

void CalcDialog::OnDivide() {
    startCommand("/");
}

void CalcDialog::OnCancel() {
    if (m_busy)
        m_monitor.requestStop();
}

CalcDialog::~CalcDialog() {
    if (!m_busy)
        return;
    m_monitor.requestStop();
    m_platform.abandonBackgroundWork();
    setBusy(false);
}

void CalcDialog::startCommand(std::string op) {
    // A click while a command runs does nothing: it must never queue a second run.
    if (m_busy)
        return;
    guarded([&] {
        const bool division = op == "/";
        CommandInput input{std::move(op), m_platform.fieldText(ids::operandA),
                           m_platform.fieldText(ids::operandB)};
        if (division) {
            m_fractionDigits = leadingInteger(m_platform.fieldText(ids::precision));
            m_findRepetend = m_platform.isChecked(ids::findRepetend) ? 1 : 0;
            input.fractionDigits = m_fractionDigits;
            input.findRepetend = m_findRepetend;
        }
        // Started, such a command would take the machine's memory for minutes and end in the
        // same message, or in the system ending the program.
        if (commandMemory(input, m_platform) > m_platform.availableMemory()) {
            m_findRepetend = 0;
            m_platform.showMessage(outOfMemoryMessage);
            return;
        }
        m_monitor.reset();
        setBusy(true);
        const auto result = std::make_shared<CommandResult>();
        try {
            m_platform.runInBackground(
                m_monitor,
                [this, result, in = std::move(input)]() mutable {
                    *result = runCommandWork(std::move(in), m_platform, m_monitor);
                },
                [this, result, division] { finishCommand(*result, division); });
        } catch (...) {
            setBusy(false);
            throw;
        }
    });
}

void CalcDialog::setBusy(bool busy) {
    m_busy = busy;
    for (int id : inputFields)
        m_platform.setReadOnly(id, busy);
    if (busy)
        m_platform.beginWaitCursor();
    else
        m_platform.endWaitCursor();
}

void CalcDialog::finishCommand(CommandResult &result, bool division) {
    bool outOfMemory = result.end == CommandResult::End::OutOfMemory;
    // A command the user stopped shows nothing, even when it was done before it noticed.
    if (result.end == CommandResult::End::Done && !m_monitor.stopRequested()) {
        try {
            if (division)
                showQuotient(result);
            else
                showAnswer(result);
        } catch (const std::bad_alloc &) {
            outOfMemory = true;
        }
    }
    m_findRepetend = 0;
    // Clicks made while the answer went into its field are a running command's clicks.
    m_platform.handlePendingInput();
    setBusy(false);
    // Once the wait cursor has gone, the user learns why nothing happened.
    if (outOfMemory)
        m_platform.showMessage(outOfMemoryMessage);
}

void CalcDialog::showAnswer(CommandResult &result) {
    showLaidOut(result);
    m_platform.setFieldText(ids::repetendHead, {});
    m_platform.setFieldText(ids::repetendTail, {});
    showDigitCounts(result.answer);
    m_platform.setFieldText(ids::elapsedTime, elapsedText(intToText(result.ms)));
    // Kept for the copy button, so that it copies the answer the answer field shows; swapped,
    // since a short answer moved in would keep the block of a long one before it.
    m_answerText.swap(result.answer);
}

void CalcDialog::showQuotient(CommandResult &result) {
    m_fractionPlace = result.fractionPlace;
    m_repetendHead = result.repetendHead;
    m_repetendTail = result.repetendTail;
    m_repetendSelStart = result.marksRepetend ? result.selStart : 0;
    m_repetendSelEnd = result.marksRepetend ? result.selEnd : 0;
    showLaidOut(result);
    showDigitCounts(result.answer);
    m_platform.setFieldText(ids::elapsedTime, elapsedText(intToText(result.ms)));
    m_platform.setFieldText(ids::repetendHead, intToText(m_repetendHead));
    m_platform.setFieldText(ids::repetendTail, intToText(m_repetendTail));
    if (m_repetendSelEnd > 0)
        m_platform.selectAnswer(m_repetendSelStart, m_repetendSelEnd);
    m_answerText.swap(result.answer);
}

// The laid-out answer moves into its field. An empty answer keeps the field empty and says
// why in the field's placeholder.
void CalcDialog::showLaidOut(CommandResult &result) {
    m_platform.setFieldText(ids::answer, std::move(result.laidOut));
    m_platform.setFieldPlaceholder(ids::answer,
                                   result.answer.empty() ? result.whyEmpty : std::string());
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
    // A division of its own, to the millisecond: the precision typed for quotients has no say.
    DecimalEngine seconds;
    seconds.m_fractionDigits = 3;
    return seconds.divide(ms, "1000") + cp932::seconds;
}

std::string CalcDialog::intToText(std::int32_t value) {
    return std::to_string(value);
}

} // namespace tallaro
