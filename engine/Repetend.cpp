// Repetend detection. Once all of the dividend's digits have been brought down, each
// quotient digit depends only on the remainder it starts from, so when a remainder comes
// back the digits since its first occurrence repeat for ever. Entry k of the history is
// the remainder from which fraction place k is computed.
#include "DecimalEngine.h"
#include "RepetendScan.h"

namespace tallaro {

// The preparation's entry k is the dividend's digits followed by k - 1 zeros, so a
// remainder is matched against all of them by its shape, without any of them written out.
int DecimalEngine::presetEntryOf(std::string_view r) const {
    const std::string_view dividend = m_dividendDigits;
    if (r.size() < dividend.size() ||
        r.size() - dividend.size() >= static_cast<std::size_t>(m_presetRemainders))
        return 0;
    if (r.substr(0, dividend.size()) != dividend ||
        r.find_first_not_of('0', dividend.size()) != std::string_view::npos)
        return 0;
    return static_cast<int>(r.size() - dividend.size()) + 1;
}

void DecimalEngine::recordRemainder(const std::string &r) {
    if (m_fractionPlace < m_presetRemainders || m_repetendFound == 1)
        return;
    // Entries are unique (a remainder is recorded only when it is not found), and the
    // preparation's come first, so whichever matches is the first match.
    int entry = presetEntryOf(r);
    if (entry == 0) {
        const int recorded = m_remainderIndex.find(m_remainderHistory, r);
        entry = recorded == 0 ? 0 : m_presetRemainders + recorded;
    }
    if (entry == 0) {
        if (m_fractionPlace < kRecordedPlaces)
            m_remainderIndex.append(m_remainderHistory, r);
        return;
    }
    m_repetendHead = entry;
    m_repetendTail = m_fractionPlace;
    m_repetendFound = 1;
}

} // namespace tallaro
