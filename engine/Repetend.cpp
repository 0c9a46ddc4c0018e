// Repetend detection. Once all of the dividend's digits have been brought down, each
// quotient digit depends only on the remainder it starts from, so when a remainder comes
// back the digits since its first occurrence repeat for ever. Entry k of the history is
// the remainder from which fraction place k is computed.
#include "DecimalEngine.h"
#include "RepetendRule.h"

namespace tallaro {

namespace {

// The preparation's entry k is the dividend's digits followed by k - 1 zeros, so a
// remainder is matched against all of them by its shape, without any of them written out.
class PresetTexts {
  public:
    PresetTexts(std::string_view dividend, int count) : m_dividend(dividend), m_count(count) {}

    int count() const { return m_count; }

    int find(std::string_view r) const {
        if (r.size() < m_dividend.size() ||
            r.size() - m_dividend.size() >= static_cast<std::size_t>(m_count))
            return 0;
        if (r.substr(0, m_dividend.size()) != m_dividend ||
            r.find_first_not_of('0', m_dividend.size()) != std::string_view::npos)
            return 0;
        return static_cast<int>(r.size() - m_dividend.size()) + 1;
    }

  private:
    std::string_view m_dividend;
    int m_count;
};

// The loop's own entries: written out in the history, found through its index.
class HistoryEntries {
  public:
    HistoryEntries(RemainderIndex &index, std::string &history)
        : m_index(index), m_history(history) {}

    int find(std::string_view r) const { return m_index.find(m_history, r); }
    void add(std::string_view r) { m_index.append(m_history, r); }

  private:
    RemainderIndex &m_index;
    std::string &m_history;
};

} // namespace

void DecimalEngine::recordRemainder(const std::string &r) {
    if (m_fractionPlace < m_presetRemainders || m_repetendFound == 1)
        return;
    HistoryEntries recorded(m_remainderIndex, m_remainderHistory);
    const int entry = lookUpRemainder(PresetTexts(m_dividendDigits, m_presetRemainders), recorded,
                                      std::string_view(r), m_fractionPlace);
    if (entry == 0)
        return;
    m_repetendHead = entry;
    m_repetendTail = repetendTail(m_fractionPlace);
    m_repetendFound = 1;
}

} // namespace tallaro
