#include "RemainderIndex.h"

#include <functional>

namespace tallaro {

namespace {

std::size_t hashOf(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

} // namespace

void RemainderIndex::clear() {
    m_entries.clear();
}

void RemainderIndex::append(std::string &history, std::string_view r) {
    const Entry entry{history.size(), r.size(), static_cast<int>(m_entries.size()) + 1};
    history += r;
    history += '*';
    m_entries.emplace(hashOf(r), entry);
}

int RemainderIndex::find(std::string_view history, std::string_view r) const {
    const auto [first, last] = m_entries.equal_range(hashOf(r));
    for (auto it = first; it != last; ++it) {
        const Entry &entry = it->second;
        if (entry.length == r.size() && history.substr(entry.offset, entry.length) == r)
            return entry.number;
    }
    return 0;
}

} // namespace tallaro
