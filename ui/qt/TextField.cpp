// The field's text, its rows on the screen and the caret; the keyboard, the mouse, the menu and
// input methods are in TextFieldInput.cpp.
#include "TextField.h"

#include "TextFieldAccessible.h"

#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace tallaro::qt {
namespace {

int clampToInt(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, INT_MAX));
}

} // namespace

TextField::TextField(TextFieldModel::Align align, QWidget *parent)
    : QAbstractScrollArea(parent), m_measure(font()), m_model(m_measure, align),
      m_rowHeight(fontMetrics().height()) {
    installTextFieldAccessibility();
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAcceptDrops(true);
    setInputMethodHints(Qt::ImhMultiLine);
    verticalScrollBar()->setSingleStep(1);
}

QString TextField::textOf(std::size_t from, std::size_t to) const {
    QString text;
    text.reserve(static_cast<qsizetype>(to - from));
    m_model.visitPieces(from, to, [&text](auto piece) {
        if constexpr (sizeof(piece[0]) == 1)
            text.append(QLatin1StringView(piece.data(), static_cast<qsizetype>(piece.size())));
        else
            text.append(QStringView(piece.data(), static_cast<qsizetype>(piece.size())));
    });
    return text;
}

void TextField::setPlainText(QStringView text) {
    const std::size_t revision = m_model.revision();
    m_model.setText(u16(text));
    verticalScrollBar()->setValue(0);
    afterEdit(revision);
}

void TextField::setAsciiText(std::string text) {
    const std::size_t revision = m_model.revision();
    m_model.setText(std::move(text));
    verticalScrollBar()->setValue(0);
    afterEdit(revision);
}

void TextField::select(std::size_t start, std::size_t end) {
    m_model.select(start, end);
    caretMoved(false);
}

QString TextField::selectedText() const {
    return textOf(m_model.selectionStart(), m_model.selectionEnd());
}

void TextField::replaceRange(std::size_t from, std::size_t to, QStringView text) {
    if (m_readOnly)
        return;
    edit([&] {
        m_model.select(from, to);
        m_model.insert(u16(text), false);
    });
}

void TextField::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
    m_preedit.clear();
    restartBlink();
    viewport()->update();
}

void TextField::setPlaceholderText(const QString &text) {
    m_placeholder = text;
    viewport()->update();
}

void TextField::edit(const std::function<void()> &change) {
    const std::size_t revision = m_model.revision();
    try {
        change();
    } catch (const std::bad_alloc &) {
        emit outOfMemory();
        return;
    }
    afterEdit(revision);
}

void TextField::afterEdit(std::size_t revision) {
    updateGrid();
    caretMoved(true);
    if (m_model.revision() != revision) {
        notifyTextChanged(*this);
        emit textChanged();
    }
}

void TextField::caretMoved(bool follow) {
    if (follow)
        ensureVisible(m_model.caret());
    restartBlink();
    viewport()->update();
    notifyCaretMoved(*this);
}

void TextField::cut() {
    copy();
    if (!m_readOnly)
        edit([this] { m_model.eraseTo(CaretMove::Right); });
}

void TextField::copy() {
    if (!m_model.hasSelection())
        return;
    try {
        QGuiApplication::clipboard()->setText(selectedText());
    } catch (const std::bad_alloc &) {
        emit outOfMemory();
    }
}

void TextField::paste() {
    insertFromClipboard(false);
}

void TextField::undo() {
    if (!m_readOnly)
        edit([this] { m_model.undo(); });
}

void TextField::redo() {
    if (!m_readOnly)
        edit([this] { m_model.redo(); });
}

void TextField::selectAll() {
    m_model.selectAll();
    caretMoved(false);
}

void TextField::insertFromClipboard(bool selectionClipboard) {
    if (m_readOnly)
        return;
    edit([this, selectionClipboard] {
        const QString text = QGuiApplication::clipboard()->text(
            selectionClipboard ? QClipboard::Selection : QClipboard::Clipboard);
        if (!text.isEmpty() || m_model.hasSelection())
            m_model.insert(u16(text), false);
    });
}

std::size_t TextField::visibleRows() const {
    return static_cast<std::size_t>(std::max(1, (viewport()->height() - 2 * margin) / m_rowHeight));
}

void TextField::updateGrid() {
    const auto columns = static_cast<std::size_t>(
        std::max(0.0, (viewport()->width() - 2 * margin) / m_measure.cellWidth()));
    m_model.setGrid(columns, visibleRows());
    const std::size_t rows = m_model.rowCount();
    QScrollBar &bar = *verticalScrollBar();
    bar.setPageStep(clampToInt(visibleRows()));
    bar.setRange(0, clampToInt(rows - std::min(rows, visibleRows())));
}

void TextField::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    updateGrid();
}

void TextField::scrollContentsBy(int, int) {
    viewport()->update();
}

void TextField::ensureVisible(std::size_t pos) {
    const std::size_t row = m_model.rowOf(pos);
    QScrollBar &bar = *verticalScrollBar();
    const auto first = static_cast<std::size_t>(bar.value());
    if (row < first)
        bar.setValue(clampToInt(row));
    else if (row >= first + visibleRows())
        bar.setValue(clampToInt(row - visibleRows() + 1));
}

int TextField::rowTop(std::size_t row) const {
    const auto first = static_cast<long long>(verticalScrollBar()->value());
    const long long top = margin + (static_cast<long long>(row) - first) * m_rowHeight;
    return static_cast<int>(std::clamp<long long>(top, -m_rowHeight, INT_MAX / 2));
}

qreal TextField::cellLeft(std::size_t cell) const {
    return margin + static_cast<qreal>(cell) * m_measure.cellWidth();
}

QRect TextField::caretRect(std::size_t pos) const {
    const int x = static_cast<int>(cellLeft(m_model.cellOf(pos)));
    return {x, rowTop(m_model.rowOf(pos)), 1, m_rowHeight};
}

std::size_t TextField::positionAt(QPointF point) const {
    const double row =
        std::floor((point.y() - margin) / m_rowHeight) + verticalScrollBar()->value();
    const double cell = (point.x() - margin) / m_measure.cellWidth();
    return m_model.positionAt(static_cast<std::size_t>(std::max(0.0, row)), cell);
}

void TextField::focusInEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
}

void TextField::focusOutEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusOutEvent(event);
    restartBlink();
}

// The caret blinks only where the user can type; a blink repaints the caret and nothing else.
void TextField::restartBlink() {
    const int period = QApplication::cursorFlashTime() / 2;
    const bool shown = hasFocus() && !m_readOnly;
    if (m_caretOn != shown)
        viewport()->update(caretRect(m_model.caret()).adjusted(-1, 0, 1, 0));
    m_caretOn = shown;
    if (shown && period > 0)
        m_blink.start(period, this);
    else
        m_blink.stop();
}

void TextField::timerEvent(QTimerEvent *event) {
    if (event->timerId() != m_blink.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    m_caretOn = !m_caretOn;
    viewport()->update(caretRect(m_model.caret()).adjusted(-1, 0, 1, 0));
}

void TextField::paintEvent(QPaintEvent *event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    if (m_model.size() == 0 && m_preedit.isEmpty() && !m_placeholder.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap, m_placeholder);
    }
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    const auto from =
        first + static_cast<std::size_t>(std::max(0, (area.top() - margin) / m_rowHeight));
    const std::size_t to = std::min(
        m_model.rowCount(), first +
                                static_cast<std::size_t>(std::max(0, area.bottom() - margin)) /
                                    static_cast<std::size_t>(m_rowHeight) +
                                1);
    for (std::size_t row = from; row < to; ++row)
        paintRow(painter, row, rowTop(row));
    if (m_caretOn && m_preedit.isEmpty())
        painter.fillRect(caretRect(m_model.caret()), palette().color(QPalette::Text));
    paintPreedit(painter);
}

// What an input method is composing, in a box at the caret until it is committed.
void TextField::paintPreedit(QPainter &painter) const {
    if (m_preedit.isEmpty())
        return;
    const QFontMetricsF metrics(font());
    QRectF box(caretRect(m_model.caret()));
    box.setWidth(metrics.horizontalAdvance(m_preedit));
    // Near the right edge it opens to the left, so that all of it stays in view.
    if (box.right() > viewport()->width() - margin)
        box.moveRight(viewport()->width() - margin);
    box.moveLeft(std::max<qreal>(box.left(), 0));
    painter.fillRect(box, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), m_preedit);
    painter.drawLine(box.bottomLeft() - QPointF(0, 1), box.bottomRight() - QPointF(0, 1));
    const qreal caret = box.left() + metrics.horizontalAdvance(m_preedit.left(m_preeditCursor));
    painter.fillRect(QRectF(caret, box.top(), 1, box.height()), palette().color(QPalette::Text));
}

void TextField::paintRow(QPainter &painter, std::size_t index, int top) const {
    const TextLayout::Row row = m_model.row(index);
    const std::size_t indent = m_model.indent(row);
    const QString text = textOf(row.start, row.end);
    const qreal baseline = top + fontMetrics().ascent();
    painter.setPen(palette().color(QPalette::Text));
    drawCells(painter, text, indent, baseline);
    const std::size_t selStart = std::max(m_model.selectionStart(), row.start);
    const std::size_t selEnd = std::min(m_model.selectionEnd(), row.end);
    if (selStart >= selEnd)
        return;
    // Without the focus the selection takes the inactive colours, which a field that keeps
    // its selection visible gives the active ones.
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    const std::size_t left = indent + m_model.cellsBetween(row.start, selStart);
    const std::size_t right = left + m_model.cellsBetween(selStart, selEnd);
    const QRectF selection(QPointF(cellLeft(left), top),
                           QPointF(cellLeft(right), top + m_rowHeight));
    painter.save();
    painter.setClipRect(selection);
    painter.fillRect(selection, palette().brush(group, QPalette::Highlight));
    painter.setPen(palette().color(group, QPalette::HighlightedText));
    drawCells(painter, text, indent, baseline);
    painter.restore();
}

// Each character at its cells: ASCII in runs, which a fixed-pitch font sets at the grid's own
// spacing, every other character alone in the cells it covers.
void TextField::drawCells(QPainter &painter, const QString &text, std::size_t cell,
                          qreal baseline) const {
    QString run;
    std::size_t runCell = cell;
    const auto flush = [&] {
        painter.drawText(QPointF(cellLeft(runCell), baseline), run);
        run.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            if (run.isEmpty())
                runCell = cell;
            // A tab or another control character shows as a blank, as wide as any other.
            run += c.unicode() < 0x20 ? QChar(u' ') : c;
            ++cell;
            continue;
        }
        if (!run.isEmpty())
            flush();
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t code = pair ? QChar::surrogateToUcs4(c, text[i + 1]) : c.unicode();
        painter.drawText(QPointF(cellLeft(cell), baseline), text.mid(i, pair ? 2 : 1));
        cell += static_cast<std::size_t>(m_measure.cells(code));
        i += pair ? 1 : 0;
    }
    if (!run.isEmpty())
        flush();
}

} // namespace tallaro::qt
