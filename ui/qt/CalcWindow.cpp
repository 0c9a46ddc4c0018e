#include "CalcWindow.h"

#include "Accessibility.h"
#include "CalcDialog.h"
#include "ControlIds.h"
#include "TextField.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>

#include <array>

namespace tallaro::qt {
namespace {

DialogKey dialogKey(const QKeyEvent &event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return DialogKey::Enter;
    case Qt::Key_Escape:
        return DialogKey::Escape;
    case Qt::Key_Space:
        return DialogKey::Space;
    case Qt::Key_Tab:
        return (event.modifiers() & Qt::ShiftModifier) ? DialogKey::Backtab : DialogKey::Tab;
    case Qt::Key_Backtab:
        return DialogKey::Backtab;
    case Qt::Key_F1:
        return DialogKey::F1;
    default:
        return DialogKey::Other;
    }
}

constexpr std::array<int, 5> buttons{ids::addButton, ids::subtractButton, ids::multiplyButton,
                                     ids::divideButton, ids::copyButton};
constexpr std::array<int, 2> operandFields{ids::operandA, ids::operandB};

constexpr std::array<int, 6> outputFields{ids::answer,         ids::integerDigits,
                                          ids::fractionDigits, ids::elapsedTime,
                                          ids::repetendHead,   ids::repetendTail};

// The caption each field stands beside, as a screen reader reads the field; the template
// does not tie a caption to its field, so this table does.
constexpr std::pair<int, const char16_t *> fieldCaptions[] = {
    {ids::operandA, u"(A)="},          {ids::operandB, u"(B)="},
    {ids::answer, u"(答)="},           {ids::elapsedTime, u"所要時間"},
    {ids::integerDigits, u"整数桁数"}, {ids::fractionDigits, u"少数桁数"},
    {ids::precision, u"少数部の桁数"}, {ids::repetendHead, u"先頭"},
    {ids::repetendTail, u"後尾"},
};
// The counters above the operands, read with what they count.
constexpr std::pair<int, const char16_t *> counterCaptions[] = {
    {ids::lengthA, u"(A)の桁数"},
    {ids::lengthB, u"(B)の桁数"},
};

} // namespace

CalcWindow::CalcWindow()
    : TemplateDialog(loadDialogTemplate(102)),
      m_systemMenu(*this, [this](unsigned command) {
          return m_model != nullptr && m_model->OnSysCommand(command);
      }),
      m_progress(new ProgressPanel(*this, units(), [this] {
          if (m_model)
              m_model->OnCancel();
      })) {
    // Keys reach the focused control before the dialog sees them, so the dialog's filter
    // watches the whole application and keeps to the events of this window.
    qApp->installEventFilter(this);
    nameFields();
}

void CalcWindow::nameFields() {
    for (const auto &[id, caption] : fieldCaptions)
        control(id)->setAccessibleName(QString::fromUtf16(caption));
    for (const auto &[id, caption] : counterCaptions)
        readAsCount(*qobject_cast<QLabel *>(control(id)), QString::fromUtf16(caption));
}

void CalcWindow::runModal(CalcDialog &model) {
    attach(model);
    exec();
    detach();
}

void CalcWindow::attach(CalcDialog &model) {
    m_model = &model;
    connectCommands();
    if (model.OnInitDialog())
        focusFirstTabStop();
}

void CalcWindow::detach() {
    for (const QMetaObject::Connection &connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_model = nullptr;
}

void CalcWindow::connectCommands() {
    for (int id : buttons) {
        auto *button = qobject_cast<QAbstractButton *>(control(id));
        m_connections.push_back(
            connect(button, &QAbstractButton::clicked, this, [this, id] { runCommand(id); }));
    }
    for (int id : operandFields) {
        auto *field = qobject_cast<TextField *>(control(id));
        m_connections.push_back(
            connect(field, &TextField::textChanged, this, [this, id] { runCommand(id); }));
    }
    for (auto *field : findChildren<TextField *>()) {
        m_connections.push_back(connect(field, &TextField::outOfMemory, this,
                                        [this] { m_model->OnFieldOutOfMemory(); }));
    }
}

// The dialog's message table: the handler for a click on a button or a change of a field.
void CalcWindow::runCommand(int id) {
    switch (id) {
    case ids::addButton:
        return m_model->OnAdd();
    case ids::subtractButton:
        return m_model->OnSubtract();
    case ids::multiplyButton:
        return m_model->OnMultiply();
    case ids::divideButton:
        return m_model->OnDivide();
    case ids::copyButton:
        return m_model->OnCopyAnswer();
    case ids::operandA:
        return m_model->OnChangeA();
    case ids::operandB:
        return m_model->OnChangeB();
    default:
        return;
    }
}

void CalcWindow::focusFirstChild() {
    QWidget *first = controls().empty() ? nullptr : controls().front();
    // A hidden control cannot hold the focus here; the dialog itself takes it instead.
    if (first && first->isVisibleTo(this))
        first->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

bool CalcWindow::focusParked() const {
    const QWidget *focus = focusWidget();
    return focus == nullptr || focus == this;
}

// Where the dialog's initialisation asks for it: the first visible control reached by Tab.
void CalcWindow::focusFirstTabStop() {
    for (QWidget *widget : controls()) {
        if (widget->isVisibleTo(this) && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool CalcWindow::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn)
        return false;
    if (!m_model || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget != this && !isAncestorOf(widget))
        return false;
    if (type == QEvent::KeyPress)
        return filterKey(static_cast<const QKeyEvent &>(*event));
    if (isOutputField(widget))
        m_model->OnOutputFocus();
    return false;
}

bool CalcWindow::filterKey(const QKeyEvent &event) {
    // Keys held with Alt belong to the window, not to the dialog's filter.
    if (event.modifiers() & Qt::AltModifier) {
        if (event.key() == Qt::Key_Space)
            m_systemMenu.popup(mapToGlobal(QPoint(0, 0)));
        else if (event.key() == Qt::Key_F4)
            close();
        else
            return false;
        return true;
    }
    const DialogKey key = dialogKey(event);
    // Esc stops a running command; without one it does nothing, like Enter.
    if (key == DialogKey::Escape)
        m_model->OnCancel();
    if (CalcDialog::PreTranslateMessage(key, focusParked()))
        return true;
    if (key != DialogKey::F1)
        return false;
    if (m_helpRequest)
        m_helpRequest();
    return true;
}

bool CalcWindow::isOutputField(const QWidget *widget) const {
    for (int id : outputFields)
        if (widget == control(id))
            return true;
    return false;
}

void CalcWindow::contextMenuEvent(QContextMenuEvent *event) {
    m_systemMenu.popup(event->globalPos());
    event->accept();
}

} // namespace tallaro::qt
