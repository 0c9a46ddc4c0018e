#pragma once

#include "ProgressPanel.h"
#include "SystemMenu.h"
#include "TemplateDialog.h"

#include <functional>
#include <utility>
#include <vector>

namespace tallaro {
class CalcDialog;
}

namespace tallaro::qt {

// The main dialog on the screen: template 102, its controls wired to a CalcDialog's handlers,
// every key of the dialog passed through the dialog's keyboard filter, and the window menu.
class CalcWindow : public TemplateDialog {
public:
    CalcWindow();

    // Runs the dialog modally for the model and returns when the window is closed.
    void runModal(CalcDialog &model);
    // Connects the model and initialises the dialog; runModal does this, tests call it alone.
    void attach(CalcDialog &model);
    void detach();

    // The application's help request (F1).
    void setHelpRequest(std::function<void()> request) { m_helpRequest = std::move(request); }
    // The focus on the hidden first child: here, on the dialog itself, which shows no caret.
    void focusFirstChild();
    bool focusParked() const;
    SystemMenu &systemMenu() { return m_systemMenu; }
    // The progress of a long command and its stop control, which stops it through the model.
    ProgressPanel &progressPanel() { return *m_progress; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void nameFields();
    void connectCommands();
    void runCommand(int id);
    bool filterKey(const QKeyEvent &event);
    bool isOutputField(const QWidget *widget) const;
    void focusFirstTabStop();

    CalcDialog *m_model = nullptr;
    SystemMenu m_systemMenu;
    ProgressPanel *m_progress;
    std::function<void()> m_helpRequest;
    std::vector<QMetaObject::Connection> m_connections;
};

} // namespace tallaro::qt
