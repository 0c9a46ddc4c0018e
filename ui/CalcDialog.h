#pragma once

#include "CommandWork.h"
#include "DecimalEngine.h"
#include "Platform.h"
#include "WorkMonitor.h"

#include <cstdint>
#include <string>

namespace tallaro {

// The keys the dialog's keyboard filter tells apart; the window maps its own key codes to them.
enum class DialogKey { Enter, Escape, Space, Tab, Backtab, F1, Other };

// The main dialog: its commands drive the engine it derives from and talk to the window only
// through the Platform it is given. The answer field and the application icon belong to the
// window behind the Platform, so the dialog holds no control object or icon handle for them.
//
// An operation command starts on the UI thread (it reads the fields and checks that the
// memory for its answer is there), runs the engine and the layout off it, and finishes on it
// (it writes the fields). While it runs the dialog is busy: the operand and precision fields
// are read-only, further clicks on the operation and copy buttons do nothing, and Esc or the
// window's stop control abandon it, leaving every field as it was.
class CalcDialog : public DecimalEngine {
public:
    explicit CalcDialog(Platform &platform);
    // A command still running is stopped and waited for.
    ~CalcDialog();
    CalcDialog(const CalcDialog &) = delete;
    CalcDialog &operator=(const CalcDialog &) = delete;

    // Adds the About entry to the window menu, sets the icons and the default precision.
    // True: the window gives the focus to the first control that takes it (operand A).
    bool OnInitDialog();
    // A window-menu command; false when it is not the dialog's, so the window does its default.
    bool OnSysCommand(unsigned id);
    // True when the key is swallowed before it reaches the dialog or any field.
    // focusParked: the focus is on the hidden first child (where OnOutputFocus puts it).
    static bool PreTranslateMessage(DialogKey key, bool focusParked);

    // The four operation buttons.
    void OnAdd();
    void OnSubtract();
    void OnMultiply();
    void OnDivide();
    // Esc or the stop control: the running command is abandoned; without one, nothing.
    void OnCancel();
    bool busy() const { return m_busy; }

    // The length counters of the operand fields, on every change of their text.
    void OnChangeA();
    void OnChangeB();
    // A field could not take the text the user typed or pasted for want of memory; it keeps
    // the text it had.
    void OnFieldOutOfMemory();
    // An output field got the focus: the focus moves on to the hidden first child.
    void OnOutputFocus();
    // The plain answer of the last command goes to the clipboard.
    void OnCopyAnswer();
    // Asks the desktop to open the help file; shared with the application's help request.
    static void openHelpFile(Platform &platform);

    // Fields 1007 and 1008 from a plain answer.
    void showDigitCounts(const DecimalString &answer);
    // The text of field 1009 for a millisecond count given as decimal text: whole
    // milliseconds, whatever precision the last division had.
    static std::string elapsedText(const DecimalString &ms);
    // The "%d" form of a 32-bit integer.
    static std::string intToText(std::int32_t value);

    // The plain answer of the last command, as the engine returned it.
    std::string m_answerText;
    // Character offsets of the repetend in the laid-out answer ("\r\n" counting two).
    int m_repetendSelStart = 0;
    int m_repetendSelEnd = 0;

private:
    void startCommand(std::string op);
    void setBusy(bool busy);
    void finishCommand(CommandResult &result, bool division);
    void showAnswer(CommandResult &result);
    void showQuotient(CommandResult &result);
    void showLaidOut(CommandResult &result);
    void showLength(int field, int counter);
    template <typename Command> void guarded(Command command);

    Platform &m_platform;
    WorkMonitor m_monitor;
    bool m_busy = false;
};

} // namespace tallaro
