#include "FieldText.h"

#include "Accessibility.h"
#include "Cp932.h"
#include "TextField.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace tallaro::qt {
namespace {

std::string textFieldText(TextField &field) {
    TextFieldModel &model = field.model();
    if (model.isAscii())
        return model.asciiText();
    const std::u16string_view text = model.wideText();
    const std::string bytes =
        toCp932(QStringView(text.data(), static_cast<qsizetype>(text.size())));
    // CP932 never uses the byte of "\n" inside a double-byte character.
    std::string withBreaks;
    withBreaks.reserve(bytes.size() + model.lineBreaks());
    for (const char c : bytes) {
        if (c == '\n')
            withBreaks += '\r';
        withBreaks += c;
    }
    return withBreaks;
}

QString labelText(const QWidget &control) {
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control))
        return edit->text();
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return button->text();
    return {};
}

} // namespace

std::string controlText(QWidget &control) {
    if (auto *field = qobject_cast<TextField *>(&control))
        return textFieldText(*field);
    return toCp932(labelText(control));
}

void setControlText(QWidget &control, std::string text) {
    if (auto *field = qobject_cast<TextField *>(&control)) {
        if (isAscii(text))
            field->setAsciiText(std::move(text));
        else
            field->setPlainText(fromCp932(text));
        return;
    }
    const QString shown = fromCp932(text);
    if (auto *line = qobject_cast<QLineEdit *>(&control))
        line->setText(shown);
    else if (auto *label = qobject_cast<QLabel *>(&control)) {
        label->setText(shown);
        nameAfterCount(*label);
    } else if (auto *button = qobject_cast<QAbstractButton *>(&control))
        button->setText(shown);
}

} // namespace tallaro::qt
