#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tallaro {

// The entries of a remainder history ("*" followed by each remainder and a "*"), found by
// their text through a hash instead of a search through the whole history for every
// fraction place: with a long divisor the history holds up to 100 remainders of n digits.
// The index keeps only positions, so the history text stays the one copy of the digits.
class RemainderIndex {
  public:
    void clear();
    // Appends r and "*" to history and remembers where r stands.
    void append(std::string &history, std::string_view r);
    // The number (1-based, in the order of appending) of the entry that is exactly r, or 0.
    int find(std::string_view history, std::string_view r) const;

  private:
    struct Entry {
        std::size_t offset;
        std::size_t length;
        int number;
    };
    std::unordered_multimap<std::size_t, Entry> m_entries;
};

} // namespace tallaro
