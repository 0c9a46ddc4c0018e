#pragma once

#include <cstddef>

namespace tallaro {

// Asks the system to back a long text with large pages where it offers them on request:
// writing it the first time then costs a fault every two megabytes instead of every four
// kilobytes. Call it before the first write; elsewhere it does nothing.
void adviseLargePages(void *data, std::size_t bytes);

} // namespace tallaro
