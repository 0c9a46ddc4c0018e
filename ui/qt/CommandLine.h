#pragma once

#include <optional>

namespace tallaro::qt {

// Answers --help and --version on standard output before any window exists, so that both work
// without a display. Returns the exit status when one of them was asked for; otherwise nothing,
// and the window opens (Qt takes its own options, such as -platform, from the same arguments).
std::optional<int> answerInformationOptions(int argc, const char *const argv[]);

} // namespace tallaro::qt
