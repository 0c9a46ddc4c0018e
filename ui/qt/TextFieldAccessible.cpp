#include "TextFieldAccessible.h"

#include "TextField.h"

#include <QAccessibleWidget>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace tallaro::qt {
namespace {

// Sentences and paragraphs are looked for this far around an offset at most.
constexpr std::size_t reach = 4096;

int toOffset(std::size_t pos) {
    return static_cast<int>(std::min<std::size_t>(pos, INT_MAX));
}

class TextFieldAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit TextFieldAccessible(TextField *field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !field().isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.readOnly = field().isReadOnly();
        state.editable = !field().isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return field().toPlainText();
        return QAccessibleWidget::text(kind);
    }

    void selection(int index, int *start, int *end) const override {
        const bool any = index == 0 && model().hasSelection();
        *start = any ? toOffset(model().selectionStart()) : 0;
        *end = any ? toOffset(model().selectionEnd()) : 0;
    }
    int selectionCount() const override { return model().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field().select(model().caret(), model().caret()); }
    void setSelection(int, int start, int end) override { field().select(pos(start), pos(end)); }
    int cursorPosition() const override { return toOffset(model().caret()); }
    void setCursorPosition(int position) override { field().select(pos(position), pos(position)); }
    // An end of -1 stands for the end of the text.
    QString text(int start, int end) const override {
        const std::size_t to = end < 0 ? model().size() : pos(end);
        return field().textOf(pos(start), std::max(pos(start), to));
    }
    int characterCount() const override { return toOffset(model().size()); }

    QRect characterRect(int offset) const override {
        const std::size_t at = pos(offset);
        QRect rect = field().caretRect(at);
        if (at < model().size() && model().at(at) != u'\n')
            rect.setRight(field().caretRect(at + 1).left() - 1);
        return rect.translated(field().viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override {
        return toOffset(field().positionAt(field().viewport()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int start, int) override { field().ensureVisible(pos(start)); }
    QString attributes(int, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override {
        return unitText(unit(pos(offset), boundary), start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                             int *end) const override {
        const Span at = unit(pos(offset), boundary);
        return unitText(at.first == 0 ? Span{0, 0} : unit(at.first - 1, boundary), start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                            int *end) const override {
        const Span at = unit(pos(offset), boundary);
        const std::size_t size = model().size();
        return unitText(at.second >= size ? Span{size, size} : unit(at.second, boundary), start,
                        end);
    }

    void deleteText(int start, int end) override { field().replaceRange(pos(start), pos(end), {}); }
    void insertText(int offset, const QString &text) override {
        field().replaceRange(pos(offset), pos(offset), text);
    }
    void replaceText(int start, int end, const QString &text) override {
        field().replaceRange(pos(start), pos(end), text);
    }

private:
    using Span = std::pair<std::size_t, std::size_t>;

    TextField &field() const { return *static_cast<TextField *>(widget()); }
    const TextFieldModel &model() const { return field().model(); }
    std::size_t pos(int offset) const {
        return std::min(static_cast<std::size_t>(std::max(offset, 0)), model().size());
    }

    QString unitText(Span span, int *start, int *end) const {
        *start = toOffset(span.first);
        *end = toOffset(span.second);
        return field().textOf(span.first, span.second);
    }

    // The character, word, row or paragraph at pos; a row or a paragraph with its line break.
    Span unit(std::size_t at, QAccessible::TextBoundaryType boundary) const {
        const TextFieldModel &text = model();
        const std::size_t size = text.size();
        const auto withBreak = [&](std::size_t end) {
            return end < size && text.at(end) == u'\n' ? end + 1 : end;
        };
        switch (boundary) {
        case QAccessible::CharBoundary:
            return {at, std::min(size,
                                 at + (at < size && QChar::isHighSurrogate(text.at(at)) ? 2 : 1))};
        case QAccessible::WordBoundary:
            return text.wordAt(at);
        case QAccessible::LineBoundary: {
            const TextLayout::Row row = text.row(text.rowOf(at));
            return {row.start, withBreak(row.end)};
        }
        case QAccessible::SentenceBoundary:
        case QAccessible::ParagraphBoundary: {
            std::size_t start = at;
            while (start > 0 && at - start < reach && text.at(start - 1) != u'\n')
                --start;
            std::size_t end = at;
            while (end < size && end - at < reach && text.at(end) != u'\n')
                ++end;
            return {start, withBreak(end)};
        }
        case QAccessible::NoBoundary:
            break;
        }
        return {0, size};
    }
};

QAccessibleInterface *textFieldFactory(const QString &, QObject *object) {
    if (auto *field = qobject_cast<TextField *>(object))
        return new TextFieldAccessible(field);
    return nullptr;
}

} // namespace

void installTextFieldAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(textFieldFactory);
        return true;
    }();
    (void)installed;
}

// As Qt's own text fields report a change: the new text, and blanks for what went.
void notifyTextChanged(TextField &field) {
    if (!QAccessible::isActive())
        return;
    const TextFieldModel::Change change = field.model().lastChange();
    const int at = toOffset(change.pos);
    const QString added = field.textOf(change.pos, change.pos + change.inserted);
    const QString gone(toOffset(change.removed), u' ');
    if (change.removed == 0) {
        QAccessibleTextInsertEvent event(&field, at, added);
        QAccessible::updateAccessibility(&event);
    } else if (change.inserted == 0) {
        QAccessibleTextRemoveEvent event(&field, at, gone);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(&field, at, gone, added);
        QAccessible::updateAccessibility(&event);
    }
}

void notifyCaretMoved(TextField &field) {
    if (!QAccessible::isActive())
        return;
    const TextFieldModel &model = field.model();
    QAccessibleTextCursorEvent caret(&field, toOffset(model.caret()));
    QAccessible::updateAccessibility(&caret);
    if (model.hasSelection()) {
        QAccessibleTextSelectionEvent selection(&field, toOffset(model.selectionStart()),
                                                toOffset(model.selectionEnd()));
        QAccessible::updateAccessibility(&selection);
    }
}

} // namespace tallaro::qt
