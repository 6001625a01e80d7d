#include "framework/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void LoadQtTranslations(const std::string& language) {
    if (!QCoreApplication::instance())
        return;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&qt);
    if (!language.empty() && qt.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}
