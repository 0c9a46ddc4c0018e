#include "ResourceText.h"

#include <QFile>
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

QIcon applicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/resources/icon128_32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/resources/icon128_16.xpm"), QSize(16, 16));
    return icon;
}

QPixmap imageResource(int id) {
    if (id == 128)
        return QPixmap(QStringLiteral(":/resources/icon128_32.xpm"));
    if (id == 131)
        return QPixmap(QStringLiteral(":/resources/bitmap131.xpm"));
    return {};
}

} // namespace tallaro::qt
