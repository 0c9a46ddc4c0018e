#include "ControlFactory.h"

#include "ResourceText.h"
#include "TextField.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tallaro::qt {
namespace {

Qt::Alignment horizontalAlignment(unsigned styles) {
    if (styles & AlignRight)
        return Qt::AlignRight;
    if (styles & AlignCenter)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

QWidget *button(const ControlTemplate &item, QWidget *dialog) {
    auto *widget = new QPushButton(item.text, dialog);
    widget->setDefault((item.styles & DefaultButton) != 0);
    return widget;
}

// Multi-line fields wrap anywhere, a digit being as good a place as a blank.
QWidget *multiLineEdit(const ControlTemplate &item, QWidget *dialog) {
    auto *widget = new TextField((item.styles & AlignRight) ? TextFieldModel::Align::Right
                                                            : TextFieldModel::Align::Left,
                                 dialog);
    widget->setVerticalScrollBarPolicy((item.styles & VScroll) ? Qt::ScrollBarAlwaysOn
                                                               : Qt::ScrollBarAlwaysOff);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (item.styles & KeepSelection) {
        // The selection keeps the colour it has with the focus, so that the marked repetend
        // stands out while the user works elsewhere.
        QPalette palette = widget->palette();
        for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
            palette.setBrush(QPalette::Inactive, role, palette.brush(QPalette::Active, role));
        widget->setPalette(palette);
    }
    if (!(item.styles & Border))
        widget->setFrameShape(QFrame::NoFrame);
    return widget;
}

QWidget *lineEdit(const ControlTemplate &item, QWidget *dialog) {
    auto *widget = new QLineEdit(item.text, dialog);
    widget->setAlignment(horizontalAlignment(item.styles) | Qt::AlignVCenter);
    widget->setFrame((item.styles & Border) != 0);
    return widget;
}

QWidget *label(const ControlTemplate &item, QWidget *dialog) {
    auto *widget = new QLabel(dialog);
    // Counters and captions are shown as they are, never read as rich text.
    widget->setTextFormat(Qt::PlainText);
    widget->setText(item.text);
    widget->setAlignment(horizontalAlignment(item.styles) | Qt::AlignTop);
    return widget;
}

QWidget *groupBox(const ControlTemplate &item, QWidget *dialog) {
    auto *widget = new QGroupBox(item.text, dialog);
    widget->setFlat((item.styles & Flat) != 0);
    widget->setAlignment(static_cast<int>(horizontalAlignment(item.styles).toInt()));
    // A frame is drawn over the controls it surrounds; clicks go through it to them.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    return widget;
}

QWidget *image(const ControlTemplate &item, QWidget *dialog) {
    auto *widget = new QLabel(dialog);
    widget->setPixmap(imageResource(item.text.toInt()));
    return widget;
}

QWidget *newControl(const ControlTemplate &item, QWidget *dialog) {
    switch (item.kind) {
    case ControlKind::Button:
        return button(item, dialog);
    case ControlKind::Edit:
        return (item.styles & Multiline) ? multiLineEdit(item, dialog) : lineEdit(item, dialog);
    case ControlKind::Label:
        return label(item, dialog);
    case ControlKind::GroupBox:
        return groupBox(item, dialog);
    case ControlKind::CheckBox:
        return new QCheckBox(item.text, dialog);
    case ControlKind::Bitmap:
    case ControlKind::Icon:
        return image(item, dialog);
    }
    return nullptr;
}

Qt::FocusPolicy focusPolicy(const ControlTemplate &item) {
    // A control the template hides is never seen, so it must never hold the keyboard.
    if (item.styles & Hidden)
        return Qt::NoFocus;
    switch (item.kind) {
    case ControlKind::Button:
    case ControlKind::Edit:
    case ControlKind::CheckBox:
        return (item.styles & TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    default:
        return Qt::NoFocus;
    }
}

} // namespace

QWidget *createControl(const ControlTemplate &item, BaseUnits units, QWidget *dialog) {
    QWidget *widget = newControl(item, dialog);
    widget->setFocusPolicy(focusPolicy(item));
    // An output field: no caret, and no way to type, paste or drop text into it; the user can
    // still select and copy. Set through the property that every kind of text field has.
    if (item.styles & ReadOnly)
        widget->setProperty("readOnly", true);
    QRect rect = toPixels(item.rect, units);
    // An image sets its control's size, whatever the template says.
    if (const auto *picture = qobject_cast<QLabel *>(widget); picture && !picture->pixmap().isNull())
        rect.setSize(picture->pixmap().size());
    widget->setGeometry(rect);
    widget->setVisible(!(item.styles & Hidden));
    return widget;
}

} // namespace tallaro::qt
