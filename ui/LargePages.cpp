#include "LargePages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tallaro {

void adviseLargePages(void *data, std::size_t bytes) {
#if defined(__linux__)
    constexpr std::uintptr_t large = std::uintptr_t{2} << 20;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + large - 1) / large * large;
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / large * large;
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace tallaro
