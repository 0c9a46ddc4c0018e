// The fields as the user meets them: output fields take no pasted text, and an empty answer
// says why. A screen reader's view of them is tried on a real desktop (tests/desktop).
#include "WindowFixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace tallaro::qt {
namespace {

using FieldsTest = WindowFixture;

// Opens the field's own context menu where the user would, and chooses Paste if it offers
// it; returns the menu's texts, one after the other.
QString pasteFromContextMenu(QWidget &field) {
    auto *scrolled = qobject_cast<QAbstractScrollArea *>(&field);
    QWidget &target = scrolled ? *scrolled->viewport() : field;
    const QPoint centre = target.rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, target.mapToGlobal(centre));
    QApplication::sendEvent(&target, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu) {
        ADD_FAILURE() << "no context menu";
        return {};
    }
    QString texts;
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        texts += action->text() + u'|';
        if (action->objectName() == "edit-paste")
            paste = action;
    }
    menu->close();
    if (paste)
        paste->trigger();
    return texts;
}

// The field's own menu, in Japanese, offers Paste in an operand field and in no output field.
// A middle click is tried on a real X server (tests/desktop), where there is an X selection.
TEST_F(FieldsTest, NoPasteIntoAnOutputField) {
    run("1", ids::divideButton, "7");
    QGuiApplication::clipboard()->setText("99");
    EXPECT_TRUE(pasteFromContextMenu(*widget(ids::operandB)).contains("貼り付け(&P)"));
    EXPECT_EQ(text(ids::operandB), "799");
    for (int id : {ids::answer, ids::integerDigits, ids::fractionDigits, ids::elapsedTime,
                   ids::repetendHead, ids::repetendTail}) {
        const QString before = text(id);
        EXPECT_FALSE(pasteFromContextMenu(*widget(id)).contains("貼り付け")) << id;
        EXPECT_EQ(text(id), before) << id;
    }
}

// Each kind of refused input, through the real fields and their conversion to and from CP932.
TEST_F(FieldsTest, AnEmptyAnswerSaysWhyInThePlaceholder) {
    const std::tuple<QString, int, QString, QString> cases[] = {
        {"", ids::multiplyButton, "5", "(A)が空です。"},
        {"12345\n", ids::addButton, "5", "(A)に数に使えない文字（改行）があります。"},
        {"1", ids::subtractButton, "１２", "(B)に数に使えない文字「１」があります。"},
        {"1.2.3", ids::addButton, "1", "(A)に小数点が二つ以上あります。"},
        {"5", ids::multiplyButton, "-", "(B)に数字がありません。"},
        {"1", ids::divideButton, "0", "(B)が0です。0では割れません。"},
        {"0", ids::divideButton, "4", "(A)が0です。0の割り算は答えを出しません。"},
        {"1", ids::divideButton, "4", ""},
    };
    for (const auto &[a, button, b, why] : cases) {
        field(ids::operandA)->setPlainText(a);
        field(ids::operandB)->setPlainText(b);
        click(button);
        waitForCommand();
        EXPECT_EQ(field(ids::answer)->placeholderText(), why) << a.toStdString();
    }
}

} // namespace
} // namespace tallaro::qt
