#pragma once

namespace tallaro::qt {

class TextField;

// Lets screen readers read text fields: their text, caret and selection through Qt's text
// interfaces, word and line by line near the caret rather than the whole text at once.
void installTextFieldAccessibility();
// Tell a screen reader, when one listens, what changed.
void notifyTextChanged(TextField &field);
void notifyCaretMoved(TextField &field);

} // namespace tallaro::qt
