#include "Accessibility.h"

#include "TemplateDialog.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace tallaro::qt {
namespace {

constexpr char countCaption[] = "tallaroCountCaption";

// The hidden controls never show and take no input; listed, they would offer a screen
// reader's user buttons that are not there (the hidden OK and ｷｬﾝｾﾙ).
class TemplateDialogAccessible : public QAccessibleWidget {
public:
    explicit TemplateDialogAccessible(QWidget *dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QAccessibleInterface *> children = shownChildren();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return static_cast<int>(shownChildren().indexOf(child));
    }

private:
    QList<QAccessibleInterface *> shownChildren() const {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            const QObject *object = child ? child->object() : nullptr;
            if (object &&
                !(object->isWidgetType() && static_cast<const QWidget *>(object)->isHidden()))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object) {
    // The template dialogs declare no class of their own, so they come as QDialog.
    if (className == QLatin1String("QDialog") && dynamic_cast<TemplateDialog *>(object))
        return new TemplateDialogAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
}

void readAsCount(QLabel &label, const QString &caption) {
    label.setProperty(countCaption, caption);
    nameAfterCount(label);
}

// A name of its own, rather than an accessible object that composes it: screen readers ask
// for the dialog's objects while its controls are still being made, before they are counters.
void nameAfterCount(QLabel &label) {
    const QVariant caption = label.property(countCaption);
    if (caption.isValid())
        label.setAccessibleName(caption.toString() + u' ' + label.text());
}

} // namespace tallaro::qt
