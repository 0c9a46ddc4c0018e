#include "ResourceText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace tallaro::qt {
namespace {

// The value after the tab on the line whose first field is key, in a "key<TAB>value" table.
QString tableValue(const QString &table, const QString &key) {
    for (const QString &line : resourceText(table).split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab > 0 && !line.startsWith(u'#') && QStringView(line).left(tab) == key)
            return line.mid(tab + 1);
    }
    return {};
}

} // namespace

QString resourceText(const QString &name) {
    QFile file(QStringLiteral(":/resources/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString stringResource(int id) {
    return tableValue(QStringLiteral("strings.txt"), QString::number(id));
}

QString versionValue(const QString &key) { return tableValue(QStringLiteral("version.txt"), key); }

// Every size the icon was rendered at; Qt picks the nearest one wherever the icon is shown.
QIcon applicationIcon() {
    QIcon icon;
    for (const QFileInfo &image : QDir(QStringLiteral(":/resources/icons")).entryInfoList())
        icon.addFile(image.filePath());
    return icon;
}

QPixmap imageResource(int id) {
    if (id == 128)
        return QPixmap(QStringLiteral(":/resources/icons/tallaro-32.png"));
    if (id == 131)
        return QPixmap(QStringLiteral(":/resources/bitmap131.xpm"));
    return {};
}

} // namespace tallaro::qt
