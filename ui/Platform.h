#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tallaro {

class WorkMonitor;

// The few window operations the calculator's commands need. The real window implements it
// with Qt; tests implement it in memory. Field texts cross it as CP932 (Shift_JIS) bytes,
// so lengths and positions are byte counts, a double-byte character counting two.
class Platform {
public:
    virtual ~Platform() = default;

    // A field's whole text, and its replacement, by control id. The replacement is the
    // window's to keep, so a long answer moves into it instead of being copied.
    virtual std::string fieldText(int id) = 0;
    virtual void setFieldText(int id, std::string text) = 0;
    // The grey text a field shows while it is empty; the empty text shows nothing.
    virtual void setFieldPlaceholder(int id, const std::string &text) = 0;
    // The byte count of a field's text, as fieldText would give it, without reading the text:
    // the counters ask on every keystroke.
    virtual std::size_t fieldLength(int id) = 0;
    // Makes an input field read-only, or editable again.
    virtual void setReadOnly(int id, bool readOnly) = 0;
    // The state of check box 1016: true when ticked.
    virtual bool isChecked(int id) = 0;
    // Selects characters [start, end) of the answer field without scrolling; offsets count
    // each "\r\n" as two characters.
    virtual void selectAnswer(int start, int end) = 0;
    // Gives the keyboard focus to the dialog's first child (the hidden OK button).
    virtual void focusFirstChild() = 0;

    // A millisecond clock that wraps around at 2^32; any thread may read it.
    virtual std::uint32_t milliseconds() = 0;
    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;

    // Long work off the UI thread, one piece at a time: `work` runs on a thread of its own,
    // then `finish` on the UI thread. From about half a second on, the window shows the
    // monitor's progress with a control that stops the work. The in-memory window of the
    // tests may run both at once. Throws std::bad_alloc when no thread can be had.
    virtual void runInBackground(const WorkMonitor &monitor, std::function<void()> work,
                                 std::function<void()> finish) = 0;
    // Waits for the background work to end (it has been asked to stop); its finish never
    // runs. For a window that closes while a command runs.
    virtual void abandonBackgroundWork() = 0;
    // Handles the input that came while the UI thread was busy with a finish, such as clicks
    // made while a long answer went into its field, before the command counts as ended.
    virtual void handlePendingInput() = 0;
    // The memory, in bytes, that the machine can give this program now.
    virtual std::uint64_t availableMemory() = 0;
    // The memory, in bytes, that a field needs to show a text of this many characters, the
    // text included.
    virtual std::uint64_t fieldMemory(std::uint64_t characters) = 0;

    // Places text (CP932 bytes) on the clipboard; false when the clipboard is not available.
    virtual bool setClipboardText(const std::string &text) = 0;
    // Asks the desktop to open a file; the outcome is not reported.
    virtual void openWithDesktop(const std::string &path) = 0;
    virtual bool fileExists(const std::string &path) = 0;
    // Whether the desktop has a program for files of this kind (told by the name's extension).
    virtual bool hasViewerFor(const std::string &path) = 0;
    // The folder of the running program, without a trailing "/".
    virtual std::string executableFolder() = 0;

    // A string resource by id (CP932 bytes); empty when there is none.
    virtual std::string loadString(int id) = 0;
    // Appends a separator and an entry to the window menu; false when there is no menu.
    virtual bool appendSystemMenuEntry(unsigned command, const std::string &text) = 0;
    // Sets the application icon as the window's large and then its small icon.
    virtual void setWindowIcons() = 0;
    // Runs the About box modally.
    virtual void showAboutBox() = 0;
    // A modal message box with an OK button.
    virtual void showMessage(const std::string &text) = 0;
};

} // namespace tallaro
