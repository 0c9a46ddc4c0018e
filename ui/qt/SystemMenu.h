#pragma once

#include <QMenu>

#include <functional>

namespace tallaro::qt {

// The window menu, where the desktop keeps its own out of reach (Linux): restore, move, size,
// minimise, maximise and close, plus the entries the dialog appends. Every choice goes first
// to the dialog's command handler; one it does not take gets the usual window behaviour.
class SystemMenu {
public:
    // Returns true when the dialog has handled the command itself.
    using CommandHandler = std::function<bool(unsigned)>;

    SystemMenu(QWidget &window, CommandHandler handler);

    // A separator and then the entry.
    void appendEntry(unsigned command, const QString &text);
    void popup(const QPoint &globalPosition);
    QMenu &menu() { return m_menu; }

    // The usual window commands, as the platform numbers them.
    static constexpr unsigned size = 0xF000;
    static constexpr unsigned move = 0xF010;
    static constexpr unsigned minimize = 0xF020;
    static constexpr unsigned maximize = 0xF030;
    static constexpr unsigned close = 0xF060;
    static constexpr unsigned restore = 0xF120;

private:
    void addCommand(unsigned command, const QString &text);
    void run(unsigned command);
    void runDefault(unsigned command);
    void updateStates();

    QWidget &m_window;
    CommandHandler m_handler;
    QMenu m_menu;
};

} // namespace tallaro::qt
