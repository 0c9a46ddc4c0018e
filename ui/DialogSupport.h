#pragma once

// Helpers shared by the dialog's command files; not part of the dialog's interface.
#include "CalcDialog.h"
#include "Cp932Texts.h"

#include <new>
#include <string>

namespace tallaro {

// Built at start-up, so that reporting a lack of memory needs no memory of its own.
inline const std::string outOfMemoryMessage = cp932::outOfMemory;

// A byte or digit count as the dialog shows it, exact also beyond the 32-bit range of
// intToText: a quotient to 2147483647 places can have a few fraction digits more.
inline std::string countText(std::size_t count) {
    return std::to_string(count);
}

// A command that runs out of memory ends at its edge: the user keeps the dialog and the
// operands, learns why nothing happened, and the next command starts afresh.
template <typename Command> void CalcDialog::guarded(Command command) {
    try {
        command();
    } catch (const std::bad_alloc &) {
        m_platform.showMessage(outOfMemoryMessage);
    }
}

} // namespace tallaro
