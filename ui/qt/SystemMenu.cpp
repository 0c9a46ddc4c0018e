#include "SystemMenu.h"

#include <QWindow>

#include <utility>

namespace tallaro::qt {

SystemMenu::SystemMenu(QWidget &window, CommandHandler handler)
    : m_window(window), m_handler(std::move(handler)) {
    addCommand(restore, QStringLiteral("元のサイズに戻す(&R)"));
    addCommand(move, QStringLiteral("移動(&M)"));
    addCommand(size, QStringLiteral("サイズ変更(&S)"));
    addCommand(minimize, QStringLiteral("最小化(&N)"));
    addCommand(maximize, QStringLiteral("最大化(&X)"));
    m_menu.addSeparator();
    addCommand(close, QStringLiteral("閉じる(&C)\tAlt+F4"));
    QObject::connect(&m_menu, &QMenu::aboutToShow, &m_menu, [this] { updateStates(); });
}

void SystemMenu::appendEntry(unsigned command, const QString &text) {
    m_menu.addSeparator();
    addCommand(command, text);
}

void SystemMenu::popup(const QPoint &globalPosition) { m_menu.popup(globalPosition); }

void SystemMenu::addCommand(unsigned command, const QString &text) {
    QAction *action = m_menu.addAction(text);
    action->setData(command);
    QObject::connect(action, &QAction::triggered, &m_menu, [this, command] { run(command); });
}

void SystemMenu::run(unsigned command) {
    if (!m_handler(command))
        runDefault(command);
}

void SystemMenu::runDefault(unsigned command) {
    QWindow *window = m_window.windowHandle();
    switch (command) {
    case restore:
        m_window.showNormal();
        break;
    case move:
        if (window)
            window->startSystemMove();
        break;
    case size:
        if (window)
            window->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        break;
    case minimize:
        m_window.showMinimized();
        break;
    case maximize:
        m_window.showMaximized();
        break;
    case close:
        m_window.close();
        break;
    default:
        break;
    }
}

// As on the platform the menu comes from: what the window's state makes pointless is greyed.
void SystemMenu::updateStates() {
    const bool minimized = m_window.isMinimized();
    const bool maximized = m_window.isMaximized();
    const bool normal = !minimized && !maximized;
    for (QAction *action : m_menu.actions()) {
        switch (action->data().toUInt()) {
        case restore:
            action->setEnabled(!normal);
            break;
        case move:
        case size:
            action->setEnabled(normal);
            break;
        case minimize:
            action->setEnabled(!minimized);
            break;
        case maximize:
            action->setEnabled(!maximized);
            break;
        default:
            break;
        }
    }
}

} // namespace tallaro::qt
