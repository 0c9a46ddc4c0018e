// What the user does to a text field: keys, the mouse, the context menu and input methods.
#include "TextField.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>
#include <climits>

namespace tallaro::qt {
namespace {

struct MoveKey {
    QKeySequence::StandardKey key;
    CaretMove move;
    bool extend;
};

constexpr MoveKey moveKeys[] = {
    {QKeySequence::MoveToNextChar, CaretMove::Right, false},
    {QKeySequence::MoveToPreviousChar, CaretMove::Left, false},
    {QKeySequence::MoveToNextWord, CaretMove::WordRight, false},
    {QKeySequence::MoveToPreviousWord, CaretMove::WordLeft, false},
    {QKeySequence::MoveToNextLine, CaretMove::Down, false},
    {QKeySequence::MoveToPreviousLine, CaretMove::Up, false},
    {QKeySequence::MoveToNextPage, CaretMove::PageDown, false},
    {QKeySequence::MoveToPreviousPage, CaretMove::PageUp, false},
    {QKeySequence::MoveToStartOfLine, CaretMove::RowStart, false},
    {QKeySequence::MoveToEndOfLine, CaretMove::RowEnd, false},
    {QKeySequence::MoveToStartOfDocument, CaretMove::TextStart, false},
    {QKeySequence::MoveToEndOfDocument, CaretMove::TextEnd, false},
    {QKeySequence::SelectNextChar, CaretMove::Right, true},
    {QKeySequence::SelectPreviousChar, CaretMove::Left, true},
    {QKeySequence::SelectNextWord, CaretMove::WordRight, true},
    {QKeySequence::SelectPreviousWord, CaretMove::WordLeft, true},
    {QKeySequence::SelectNextLine, CaretMove::Down, true},
    {QKeySequence::SelectPreviousLine, CaretMove::Up, true},
    {QKeySequence::SelectNextPage, CaretMove::PageDown, true},
    {QKeySequence::SelectPreviousPage, CaretMove::PageUp, true},
    {QKeySequence::SelectStartOfLine, CaretMove::RowStart, true},
    {QKeySequence::SelectEndOfLine, CaretMove::RowEnd, true},
    {QKeySequence::SelectStartOfDocument, CaretMove::TextStart, true},
    {QKeySequence::SelectEndOfDocument, CaretMove::TextEnd, true},
};

struct EraseKey {
    QKeySequence::StandardKey key;
    CaretMove move;
};

constexpr EraseKey eraseKeys[] = {
    {QKeySequence::Delete, CaretMove::Right},
    {QKeySequence::Backspace, CaretMove::Left},
    {QKeySequence::DeleteStartOfWord, CaretMove::WordLeft},
    {QKeySequence::DeleteEndOfWord, CaretMove::WordRight},
};

// What a key types: printable characters, without Ctrl or Meta held.
bool typesText(const QKeyEvent &event) {
    const QString text = event.text();
    if (text.isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.isPrint() || c.isSurrogate() || c.category() == QChar::Other_Format;
    });
}

// The standard edit texts; Qt's own translations give them in the user's language.
QString menuText(const char *text, QKeySequence::StandardKey key = QKeySequence::UnknownKey) {
    QString shown = QCoreApplication::translate("QWidgetTextControl", text);
    if (key != QKeySequence::UnknownKey)
        shown += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
    return shown;
}

constexpr std::size_t surroundingReach = 256;

} // namespace

void TextField::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (!handleMoveKey(*event) && !(!m_readOnly && handleEditKey(*event))) {
        if (m_readOnly || !typesText(*event)) {
            event->ignore();
            return;
        }
        const QString text = event->text();
        edit([this, &text] { m_model.insert(u16(text), true); });
    }
    event->accept();
}

bool TextField::handleMoveKey(const QKeyEvent &event) {
    for (const MoveKey &key : moveKeys) {
        if (event.matches(key.key)) {
            m_model.move(key.move, key.extend);
            caretMoved(true);
            return true;
        }
    }
    return false;
}

bool TextField::handleEditKey(const QKeyEvent &event) {
    if (event.matches(QKeySequence::Cut))
        cut();
    else if (event.matches(QKeySequence::Paste))
        paste();
    else if (event.matches(QKeySequence::Undo))
        undo();
    else if (event.matches(QKeySequence::Redo))
        redo();
    else if (event.key() == Qt::Key_Backspace && !(event.modifiers() & ~Qt::ShiftModifier))
        edit([this] { m_model.eraseTo(CaretMove::Left); });
    else {
        const auto key = std::find_if(std::begin(eraseKeys), std::end(eraseKeys),
                                      [&event](const EraseKey &k) { return event.matches(k.key); });
        if (key == std::end(eraseKeys))
            return false;
        edit([this, key] { m_model.eraseTo(key->move); });
    }
    return true;
}

void TextField::mousePressEvent(QMouseEvent *event) {
    const std::size_t pos = positionAt(event->position());
    if (event->button() == Qt::LeftButton) {
        m_model.setCaret(pos, (event->modifiers() & Qt::ShiftModifier) != 0);
        caretMoved(true);
    } else if (event->button() == Qt::MiddleButton && !m_readOnly &&
               QGuiApplication::clipboard()->supportsSelection()) {
        // The X selection goes where the middle button is pressed, as in every X text field.
        m_model.setCaret(pos, false);
        insertFromClipboard(true);
    }
    event->accept();
}

void TextField::mouseMoveEvent(QMouseEvent *event) {
    if (event->buttons() & Qt::LeftButton) {
        // Dragging beyond the top or the bottom scrolls row by row.
        m_model.setCaret(positionAt(event->position()), true);
        caretMoved(true);
    }
    event->accept();
}

void TextField::mouseReleaseEvent(QMouseEvent *event) {
    QClipboard &clipboard = *QGuiApplication::clipboard();
    if (event->button() == Qt::LeftButton && m_model.hasSelection() &&
        clipboard.supportsSelection()) {
        try {
            clipboard.setText(selectedText(), QClipboard::Selection);
        } catch (const std::bad_alloc &) {
            emit outOfMemory();
        }
    }
    event->accept();
}

void TextField::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const auto [start, end] = m_model.wordAt(positionAt(event->position()));
    select(start, end);
    event->accept();
}

// Qt's own edit menu: its texts, shortcuts and names, so that Qt's translations and anything
// that knows Qt's menu find them.
void TextField::contextMenuEvent(QContextMenuEvent *event) {
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selected = m_model.hasSelection();
    const auto add = [menu](const char *name, const QString &text, bool enabled, auto action) {
        QAction *item = menu->addAction(text, action);
        item->setObjectName(QLatin1String(name));
        item->setEnabled(enabled);
    };
    if (!m_readOnly) {
        add("edit-undo", menuText("&Undo", QKeySequence::Undo), m_model.canUndo(),
            [this] { undo(); });
        add("edit-redo", menuText("&Redo", QKeySequence::Redo), m_model.canRedo(),
            [this] { redo(); });
        menu->addSeparator();
        add("edit-cut", menuText("Cu&t", QKeySequence::Cut), selected, [this] { cut(); });
    }
    add("edit-copy", menuText("&Copy", QKeySequence::Copy), selected, [this] { copy(); });
    if (!m_readOnly) {
        const bool canPaste = !QGuiApplication::clipboard()->text().isEmpty();
        add("edit-paste", menuText("&Paste", QKeySequence::Paste), canPaste, [this] { paste(); });
        add("edit-delete", menuText("Delete"), selected,
            [this] { edit([this] { m_model.eraseTo(CaretMove::Right); }); });
    }
    menu->addSeparator();
    add("select-all", menuText("Select All", QKeySequence::SelectAll), m_model.size() > 0,
        [this] { selectAll(); });
    menu->popup(event->globalPos());
    event->accept();
}

// Text dropped from elsewhere goes where it is dropped.
void TextField::dragEnterEvent(QDragEnterEvent *event) {
    if (!m_readOnly && event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TextField::dragMoveEvent(QDragMoveEvent *event) {
    if (!m_readOnly && event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TextField::dropEvent(QDropEvent *event) {
    if (m_readOnly || !event->mimeData()->hasText())
        return;
    const std::size_t pos = positionAt(event->position());
    const QString text = event->mimeData()->text();
    replaceRange(pos, pos, text);
    event->acceptProposedAction();
}

void TextField::inputMethodEvent(QInputMethodEvent *event) {
    if (m_readOnly) {
        event->ignore();
        return;
    }
    const QString commit = event->commitString();
    if (!commit.isEmpty() || event->replacementLength() > 0) {
        edit([this, event, &commit] {
            if (event->replacementLength() > 0) {
                const auto caret = static_cast<long long>(m_model.caret());
                const auto from =
                    static_cast<std::size_t>(std::max(0LL, caret + event->replacementStart()));
                m_model.select(from, from + static_cast<std::size_t>(event->replacementLength()));
            }
            m_model.insert(u16(commit), true);
        });
    }
    m_preedit = event->preeditString();
    m_preeditCursor = static_cast<int>(m_preedit.size());
    for (const QInputMethodEvent::Attribute &attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor)
            m_preeditCursor = attribute.start;
    }
    viewport()->update();
    event->accept();
}

// The text around the caret, never the whole text: an input method asks on every keystroke.
QVariant TextField::inputMethodQuery(Qt::InputMethodQuery query) const {
    const std::size_t caret = m_model.caret();
    const std::size_t from = caret - std::min(caret, surroundingReach);
    const std::size_t to = std::min(m_model.size(), caret + surroundingReach);
    const auto local = [&](std::size_t pos) {
        return static_cast<int>(std::clamp(pos, from, to) - from);
    };
    switch (query) {
    case Qt::ImEnabled:
        return !m_readOnly && isEnabled();
    case Qt::ImReadOnly:
        return m_readOnly;
    case Qt::ImCursorRectangle:
        return QRectF(caretRect(caret).translated(viewport()->pos()));
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return local(caret);
    case Qt::ImAnchorPosition:
        return local(m_model.anchor());
    case Qt::ImAbsolutePosition:
        return static_cast<int>(std::min<std::size_t>(caret, INT_MAX));
    case Qt::ImSurroundingText:
        return textOf(from, to);
    case Qt::ImTextBeforeCursor:
        return textOf(from, caret);
    case Qt::ImTextAfterCursor:
        return textOf(caret, to);
    case Qt::ImCurrentSelection:
        return textOf(std::clamp(m_model.selectionStart(), from, to),
                      std::clamp(m_model.selectionEnd(), from, to));
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

} // namespace tallaro::qt
