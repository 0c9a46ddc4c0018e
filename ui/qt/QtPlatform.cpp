#include "QtPlatform.h"

#include "AboutDialog.h"
#include "AvailableMemory.h"
#include "CalcWindow.h"
#include "ControlIds.h"
#include "Cp932.h"
#include "FieldText.h"
#include "ResourceText.h"
#include "TextField.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace tallaro::qt {
namespace {

QString pathFromBytes(const std::string &path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

// What a text field holds per character of an ASCII answer it takes over: the text itself and
// its rows, with room for the text's line breaks being closed up.
constexpr std::uint64_t kFieldBytesPerCharacter = 2;

} // namespace

QtPlatform::QtPlatform(CalcWindow &window) : m_window(window) { m_clock.start(); }

std::string QtPlatform::fieldText(int id) {
    QWidget *control = m_window.control(id);
    return control ? controlText(*control) : std::string();
}

void QtPlatform::setFieldText(int id, std::string text) {
    if (QWidget *control = m_window.control(id))
        setControlText(*control, std::move(text));
}

std::size_t QtPlatform::fieldLength(int id) {
    if (const auto *field = qobject_cast<const TextField *>(m_window.control(id)))
        return field->model().cp932Length();
    return fieldText(id).size();
}

// Through the property that every kind of text field has, whichever widget shows the field.
void QtPlatform::setFieldPlaceholder(int id, const std::string &text) {
    if (QWidget *control = m_window.control(id))
        control->setProperty("placeholderText", fromCp932(text));
}

void QtPlatform::setReadOnly(int id, bool readOnly) {
    if (QWidget *control = m_window.control(id))
        control->setProperty("readOnly", readOnly);
}

bool QtPlatform::isChecked(int id) {
    const auto *button = qobject_cast<const QAbstractButton *>(m_window.control(id));
    return button && button->isChecked();
}

void QtPlatform::selectAnswer(int start, int end) {
    auto *answer = qobject_cast<TextField *>(m_window.control(ids::answer));
    if (!answer)
        return;
    const auto position = [answer](int offset) {
        return answer->model().positionOfWindowsOffset(
            static_cast<std::size_t>(std::max(offset, 0)));
    };
    answer->select(position(start), position(end));
}

void QtPlatform::focusFirstChild() { m_window.focusFirstChild(); }

std::uint32_t QtPlatform::milliseconds() {
    // Wraps around at 2^32 like the system clock the commands were written for.
    return static_cast<std::uint32_t>(m_clock.elapsed());
}

void QtPlatform::beginWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

void QtPlatform::endWaitCursor() { QGuiApplication::restoreOverrideCursor(); }

void QtPlatform::runInBackground(const WorkMonitor &monitor, std::function<void()> work,
                                 std::function<void()> finish) {
    m_background.start(std::move(work), [this, finish = std::move(finish)] {
        m_window.progressPanel().stopWatching();
        finish();
    });
    // Only once the work has started: a thread that could not be had leaves no panel behind.
    m_window.progressPanel().watch(monitor);
}

void QtPlatform::abandonBackgroundWork() {
    m_background.abandon();
    m_window.progressPanel().stopWatching();
}

void QtPlatform::handlePendingInput() { QCoreApplication::processEvents(); }

std::uint64_t QtPlatform::availableMemory() { return qt::availableMemory(); }

std::uint64_t QtPlatform::fieldMemory(std::uint64_t characters) {
    return characters * kFieldBytesPerCharacter;
}

bool QtPlatform::setClipboardText(const std::string &text) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(fromCp932(text));
    return true;
}

void QtPlatform::openWithDesktop(const std::string &path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(pathFromBytes(path)).absoluteFilePath()));
}

bool QtPlatform::fileExists(const std::string &path) {
    return QFileInfo(pathFromBytes(path)).isFile();
}

// Asked the way the desktop's opener decides: the default application of the file's type. No
// answer (no xdg-mime, or it does not come back) counts as no viewer.
bool QtPlatform::hasViewerFor(const std::string &path) {
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(pathFromBytes(path), QMimeDatabase::MatchExtension);
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), type.name()});
    return query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit &&
           query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

std::string QtPlatform::executableFolder() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

std::string QtPlatform::loadString(int id) { return toCp932(stringResource(id)); }

bool QtPlatform::appendSystemMenuEntry(unsigned command, const std::string &text) {
    m_window.systemMenu().appendEntry(command, fromCp932(text));
    return true;
}

void QtPlatform::setWindowIcons() { m_window.setWindowIcon(applicationIcon()); }

void QtPlatform::showAboutBox() {
    AboutDialog about(&m_window);
    about.exec();
}

void QtPlatform::showMessage(const std::string &text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tallaro"), fromCp932(text),
                    QMessageBox::Ok, &m_window);
    box.exec();
}

} // namespace tallaro::qt
