#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tallaro::qt {

void installQtTranslations(QCoreApplication &application) {
    auto *translator = new QTranslator(&application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString name = QStringLiteral("qtbase"), prefix = QStringLiteral("_");
    if (translator->load(QLocale::system(), name, prefix, folder) ||
        translator->load(QLocale(QLocale::Japanese), name, prefix, folder))
        QCoreApplication::installTranslator(translator);
}

} // namespace tallaro::qt
