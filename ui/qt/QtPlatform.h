#pragma once

#include "BackgroundWork.h"
#include "Platform.h"

#include <QElapsedTimer>

namespace tallaro::qt {

class CalcWindow;

// The window operations of the calculator's commands, carried out on the Qt window. Field
// texts are converted between CP932 and Unicode here and nowhere else; file paths cross as
// the file system's own bytes.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(CalcWindow &window);

    std::string fieldText(int id) override;
    void setFieldText(int id, std::string text) override;
    std::size_t fieldLength(int id) override;
    void setFieldPlaceholder(int id, const std::string &text) override;
    void setReadOnly(int id, bool readOnly) override;
    bool isChecked(int id) override;
    void selectAnswer(int start, int end) override;
    void focusFirstChild() override;

    std::uint32_t milliseconds() override;
    void beginWaitCursor() override;
    void endWaitCursor() override;

    void runInBackground(const WorkMonitor &monitor, std::function<void()> work,
                         std::function<void()> finish) override;
    void abandonBackgroundWork() override;
    void handlePendingInput() override;
    std::uint64_t availableMemory() override;
    std::uint64_t fieldMemory(std::uint64_t characters) override;

    bool setClipboardText(const std::string &text) override;
    void openWithDesktop(const std::string &path) override;
    bool fileExists(const std::string &path) override;
    bool hasViewerFor(const std::string &path) override;
    std::string executableFolder() override;

    std::string loadString(int id) override;
    bool appendSystemMenuEntry(unsigned command, const std::string &text) override;
    void setWindowIcons() override;
    void showAboutBox() override;
    void showMessage(const std::string &text) override;

private:
    CalcWindow &m_window;
    QElapsedTimer m_clock;
    BackgroundWork m_background;
};

} // namespace tallaro::qt
