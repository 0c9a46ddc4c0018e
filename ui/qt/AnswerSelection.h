#pragma once

class QPlainTextEdit;
class QTextDocument;

namespace tallaro::qt {

// The document position of a character offset that counts every line break as the two
// characters "\r\n"; an offset inside a line break stands for the end of its line, and one
// past the end for the end of the text.
int documentPosition(const QTextDocument &document, int offset);
// Selects [start, end) in offsets of that kind, leaving the view where it is.
void selectWithoutScrolling(QPlainTextEdit &edit, int start, int end);

} // namespace tallaro::qt
