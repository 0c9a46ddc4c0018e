#pragma once

#include "DecimalEngine.h"
#include "Platform.h"

#include <cstdint>
#include <string>

namespace tallaro {

class WorkMonitor;

// What an operation command reads from the window before it starts, on the UI thread.
struct CommandInput {
    std::string op; // "+", "-", "*" or "/"
    DecimalString a, b;
    int fractionDigits = 0; // a division's settings
    int findRepetend = 0;
};

// What the command's work leaves for the UI thread to show.
struct CommandResult {
    enum class End { Done, Stopped, OutOfMemory };
    End end = End::Done;
    DecimalString answer;
    std::string laidOut;
    std::string whyEmpty; // why the answer is empty, when it is
    // The laid-out repetend's character offsets, when the division found one.
    bool marksRepetend = false;
    int selStart = 0;
    int selEnd = 0;
    std::int32_t ms = 0; // the engine call, as the clock measured it
    std::int64_t fractionPlace = -1;
    int repetendHead = 0;
    int repetendTail = 0;
};

// The part of a command that may take long, for a thread of its own: the engine call on an
// engine of its own, timed, and the layout, watched through `monitor`. A stop or a lack of memory ends it early with everything it
// held released; no exception leaves it.
CommandResult runCommandWork(CommandInput input, Platform &platform, WorkMonitor &monitor);

} // namespace tallaro
