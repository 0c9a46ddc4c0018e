#pragma once

#include "FontMeasure.h"
#include "TextFieldModel.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <functional>
#include <string_view>

namespace tallaro::qt {

inline std::u16string_view u16(QStringView text) {
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// A multi-line field for texts of any length: it paints only the rows in view, straight from
// its own text, on the grid of the window's fixed-pitch font, so typing, pasting and
// scrolling cost the same in ten characters and in a hundred million. It does what the
// platform's edit control does for the dialog: wrapping, alignment, the caret, mouse and
// keyboard selection, the clipboard, undo and redo, its menu, input methods and what a screen
// reader asks. Read-only, it shows and selects but takes no text from the user.
class TextField : public QAbstractScrollArea {
    Q_OBJECT
    // By these names the window sets them on every kind of text field alike.
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(QString placeholderText READ placeholderText WRITE setPlaceholderText)

  public:
    TextField(TextFieldModel::Align align, QWidget *parent);

    TextFieldModel &model() { return m_model; }
    const TextFieldModel &model() const { return m_model; }
    QString toPlainText() const { return textOf(0, m_model.size()); }
    QString textOf(std::size_t from, std::size_t to) const;
    // A new text, shown from its top; std::bad_alloc leaves the old one.
    void setPlainText(QStringView text);
    // The same from ASCII bytes, which the field keeps without copying them.
    void setAsciiText(std::string text);
    // Selects [start, end) and leaves the view where it is.
    void select(std::size_t start, std::size_t end);
    QString selectedText() const;

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    // The grey text an empty field shows.
    void setPlaceholderText(const QString &text);
    QString placeholderText() const { return m_placeholder; }

    // A position's caret rectangle in the viewport.
    QRect caretRect(std::size_t pos) const;
    // The position nearest to a point of the viewport.
    std::size_t positionAt(QPointF point) const;
    // Brings a position into view; scrolls no more than needed.
    void ensureVisible(std::size_t pos);

    // An edit from outside the keyboard, such as a screen reader's.
    void replaceRange(std::size_t from, std::size_t to, QStringView text);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void cut();
    void copy();
    void paste();
    void undo();
    void redo();
    void selectAll();

signals:
    void textChanged();
    // An edit of the user's needed more memory than there was; the text is as it was before.
    void outOfMemory();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void timerEvent(QTimerEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Runs an edit of the model; when memory runs out the field stays as it was and says so.
    void edit(const std::function<void()> &change);
    void afterEdit(std::size_t oldSize);
    void caretMoved(bool follow);
    void updateGrid();
    void restartBlink();
    bool handleEditKey(const QKeyEvent &event);
    bool handleMoveKey(const QKeyEvent &event);
    void insertFromClipboard(bool selectionClipboard);
    void paintRow(QPainter &painter, std::size_t index, int top) const;
    void drawCells(QPainter &painter, const QString &text, std::size_t cell, qreal baseline) const;
    void paintPreedit(QPainter &painter) const;
    int rowTop(std::size_t row) const;
    qreal cellLeft(std::size_t cell) const;
    std::size_t visibleRows() const;

    FontMeasure m_measure;
    TextFieldModel m_model;
    bool m_readOnly = false;
    QString m_placeholder;
    QString m_preedit;
    int m_preeditCursor = 0;
    bool m_caretOn = false;
    QBasicTimer m_blink;
    int m_rowHeight;
    static constexpr int margin = 4;
};

} // namespace tallaro::qt
