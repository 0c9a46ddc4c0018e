#pragma once

#include "CharacterMeasure.h"

#include <QFontMetricsF>
#include <QHash>

namespace tallaro::qt {

// Cells and CP932 bytes of the characters beyond ASCII, as the field's font draws them and as
// the conversion at the Platform's edge writes them. Each character is measured once.
class FontMeasure : public CharacterMeasure {
public:
    explicit FontMeasure(const QFont &font);

    int cells(char32_t c) const override { return measured(c).cells; }
    int cp932Bytes(char32_t c) const override { return measured(c).bytes; }
    qreal cellWidth() const { return m_cellWidth; }

private:
    struct Measured {
        int cells;
        int bytes;
    };
    const Measured &measured(char32_t c) const;

    QFontMetricsF m_metrics;
    qreal m_cellWidth;
    mutable QHash<char32_t, Measured> m_known;
};

} // namespace tallaro::qt
