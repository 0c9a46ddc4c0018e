// The small handlers around the operations: length counters, focus, clipboard, help.
#include "CalcDialog.h"
#include "ControlIds.h"
#include "DialogSupport.h"

namespace tallaro {

void CalcDialog::OnChangeA() {
    guarded([this] { showLength(ids::operandA, ids::lengthA); });
}

void CalcDialog::OnChangeB() {
    guarded([this] { showLength(ids::operandB, ids::lengthB); });
}

// Every byte counts, a double-byte character as two.
void CalcDialog::showLength(int field, int counter) {
    m_platform.setFieldText(counter, countText(m_platform.fieldText(field).size()));
}

// The output fields never keep the focus, so they never get a caret to type with.
void CalcDialog::OnOutputFocus() { m_platform.focusFirstChild(); }

// A clipboard that cannot be had keeps what it held; there is nothing more to tell the user.
void CalcDialog::OnCopyAnswer() { m_platform.setClipboardText(m_answerText); }

// The help file beside the user's work first, then beside the program, then where it is
// installed; when it is nowhere, the desktop is asked for the bare name and says so itself.
void CalcDialog::openHelpFile(Platform &platform) {
    const std::string name = "pomatrel.chm";
    const std::string candidates[] = {name, platform.executableFolder() + "/" + name,
                                      std::string(TALLARO_DATA_DIR) + "/" + name};
    for (const std::string &path : candidates) {
        if (platform.fileExists(path)) {
            platform.openWithDesktop(path);
            return;
        }
    }
    platform.openWithDesktop(name);
}

} // namespace tallaro
