#pragma once

class QCoreApplication;

namespace tallaro::qt {

// Qt's own texts (the edit menus of the fields, the buttons of message boxes) in the user's
// language, and in Japanese, the window's own, where Qt has none for it.
void installQtTranslations(QCoreApplication &application);

} // namespace tallaro::qt
