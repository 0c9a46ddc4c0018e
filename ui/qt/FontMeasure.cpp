#include "FontMeasure.h"

#include "Cp932.h"

#include <QString>

namespace tallaro::qt {

FontMeasure::FontMeasure(const QFont &font)
    : m_metrics(font), m_cellWidth(m_metrics.horizontalAdvance(u'0')) {}

const FontMeasure::Measured &FontMeasure::measured(char32_t c) const {
    if (const auto known = m_known.constFind(c); known != m_known.constEnd())
        return *known;
    const QString text = QString::fromUcs4(&c, 1);
    // A glyph wider than one and a half cells takes two: the font's full-width forms.
    const int cells = m_metrics.horizontalAdvance(text) > 1.5 * m_cellWidth ? 2 : 1;
    const int bytes = static_cast<int>(toCp932(text).size());
    return *m_known.insert(c, {cells, bytes});
}

} // namespace tallaro::qt
