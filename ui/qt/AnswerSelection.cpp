#include "AnswerSelection.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace tallaro::qt {

int documentPosition(const QTextDocument &document, int offset) {
    // A block holds its line and one separator; the separator stands for "\r\n".
    int blockStart = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int lineLength = block.length() - 1;
        if (offset <= blockStart + lineLength || !block.next().isValid())
            return block.position() + std::clamp(offset - blockStart, 0, lineLength);
        if (offset < blockStart + lineLength + 2)
            return block.position() + lineLength;
        blockStart += lineLength + 2;
    }
    return 0;
}

void selectWithoutScrolling(QPlainTextEdit &edit, int start, int end) {
    const int from = documentPosition(*edit.document(), start);
    const int to = documentPosition(*edit.document(), end);
    QTextCursor cursor(edit.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const int vertical = edit.verticalScrollBar()->value();
    const int horizontal = edit.horizontalScrollBar()->value();
    edit.setTextCursor(cursor);
    edit.verticalScrollBar()->setValue(vertical);
    edit.horizontalScrollBar()->setValue(horizontal);
}

} // namespace tallaro::qt
