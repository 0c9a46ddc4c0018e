#include "FieldText.h"

#include "Accessibility.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tallaro::qt {

QString controlText(const QWidget &control) {
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(&control)) {
        QString text = edit->toPlainText();
        if (text.contains(u'\n'))
            text.replace(u'\n', QLatin1String("\r\n"));
        return text;
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control))
        return edit->text();
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return button->text();
    return {};
}

void setControlText(QWidget &control, const QString &text) {
    if (auto *edit = qobject_cast<QPlainTextEdit *>(&control))
        edit->setPlainText(text);
    else if (auto *line = qobject_cast<QLineEdit *>(&control))
        line->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(&control)) {
        label->setText(text);
        nameAfterCount(*label);
    } else if (auto *button = qobject_cast<QAbstractButton *>(&control))
        button->setText(text);
}

} // namespace tallaro::qt
