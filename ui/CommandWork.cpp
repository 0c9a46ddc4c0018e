#include "CommandWork.h"

#include "AnswerLayout.h"
#include "EmptyAnswerText.h"
#include "WorkMonitor.h"

#include <new>
#include <utility>

namespace tallaro {

namespace {

// How the progress bar is shared between the engine and the layout, in the proportions a
// long quotient takes.
constexpr double kEngineEnd = 0.6;

void calculateTimed(CommandInput &input, Platform &platform, CommandResult &result) {
    const ProgressRange share(0, kEngineEnd);
    // Worked out before the engine takes the operands over; it costs one quick scan of each.
    result.whyEmpty = emptyAnswerText(input.a, input.op, input.b);
    DecimalEngine engine;
    engine.m_fractionDigits = input.fractionDigits;
    engine.m_findRepetend = input.findRepetend;
    // The clock covers the engine call and nothing else.
    const std::uint32_t t0 = platform.milliseconds();
    result.answer = engine.calculate(std::move(input.a), input.op, std::move(input.b));
    const std::uint32_t t1 = platform.milliseconds();
    // The clock wraps around at 2^32: the wrapped difference is the time that passed.
    result.ms = static_cast<std::int32_t>(t1 - t0);
    result.fractionPlace = engine.m_fractionPlace;
    result.repetendHead = engine.m_repetendHead;
    result.repetendTail = engine.m_repetendTail;
} // the engine's working texts go here, before the layout needs memory of its own

void layOut(CommandResult &result) {
    const ProgressRange share(kEngineEnd, 1);
    LaidOutAnswer laid = layOutAnswer(result.answer, result.repetendHead, result.repetendTail);
    result.laidOut = std::move(laid.text);
    result.marksRepetend = laid.marksRepetend;
    result.selStart = laid.selStart;
    result.selEnd = laid.selEnd;
}

} // namespace

CommandResult runCommandWork(CommandInput input, Platform &platform, WorkMonitor &monitor) {
    const WatchScope watch(monitor);
    // A command that ends early hands back a fresh result: the one it was filling has gone
    // with the try block, and its texts' blocks with it. (Assigning an empty result to it
    // would keep them: a short text is copied into the block a long one had.)
    const auto endedEarly = [](CommandResult::End end) {
        CommandResult ended;
        ended.end = end;
        return ended;
    };
    try {
        CommandResult result;
        calculateTimed(input, platform, result);
        layOut(result);
        return result;
    } catch (const WorkStopped &) {
        return endedEarly(CommandResult::End::Stopped);
    } catch (const std::bad_alloc &) {
        return endedEarly(CommandResult::End::OutOfMemory);
    }
}

} // namespace tallaro
