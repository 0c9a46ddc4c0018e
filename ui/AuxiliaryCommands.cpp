// The small handlers around the operations: length counters, focus, clipboard, help.
#include "CalcDialog.h"
#include "ControlIds.h"
#include "DialogSupport.h"

#include <new>
#include <optional>
#include <string>

namespace tallaro {

namespace {

// The first of the places the help may live that holds name: beside the program, then where a
// tree that was moved as a whole keeps it (bin/../share/tallaro), then where this build installs
// it, and the current folder last, so that a file left lying around never wins.
std::optional<std::string> findHelp(Platform &platform, const std::string &name) {
    const std::string program = platform.executableFolder();
    const std::string paths[] = {program + "/" + name, program + "/../share/tallaro/" + name,
                                 std::string(TALLARO_DATA_DIR) + "/" + name, name};
    for (const std::string &path : paths)
        if (platform.fileExists(path))
            return path;
    return std::nullopt;
}

} // namespace

void CalcDialog::OnChangeA() {
    guarded([this] { showLength(ids::operandA, ids::lengthA); });
}

void CalcDialog::OnChangeB() {
    guarded([this] { showLength(ids::operandB, ids::lengthB); });
}

// Every byte counts, a double-byte character as two.
void CalcDialog::showLength(int field, int counter) {
    m_platform.setFieldText(counter, countText(m_platform.fieldLength(field)));
}

void CalcDialog::OnFieldOutOfMemory() {
    m_platform.showMessage(outOfMemoryMessage);
}

// The output fields never keep the focus, so they never get a caret to type with.
void CalcDialog::OnOutputFocus() { m_platform.focusFirstChild(); }

// A clipboard that cannot be had keeps what it held; there is nothing more to tell the user.
// So does one the memory is not there for: the window's clipboard takes the answer in its own
// encoding, a second copy as long as a quotient of up to a billion digits.
// While a command runs, the answer on screen is about to be replaced: the click does nothing.
void CalcDialog::OnCopyAnswer() {
    if (m_busy)
        return;
    try {
        m_platform.setClipboardText(m_answerText);
    } catch (const std::bad_alloc &) {
        // Silent, as for a clipboard that cannot be opened; the dialog goes on.
    }
}

// The compiled help file where the desktop can show it; otherwise the same pages as HTML, which
// any browser shows. Without pages the compiled file is still handed over, or, when it is
// nowhere, the bare name: the desktop then says itself what is missing.
void CalcDialog::openHelpFile(Platform &platform) {
    const auto chm = findHelp(platform, "pomatrel.chm");
    if (chm && platform.hasViewerFor(*chm))
        platform.openWithDesktop(*chm);
    else if (const auto pages = findHelp(platform, "help/index.html"))
        platform.openWithDesktop(*pages);
    else
        platform.openWithDesktop(chm.value_or("pomatrel.chm"));
}

} // namespace tallaro
