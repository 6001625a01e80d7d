#include "framework/qt/translations.h"

#include "framework/base/translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// The program's catalogue, through Qt's translator.
class QtCatalog : public TextCatalog {
  public:
    explicit QtCatalog(std::unique_ptr<QTranslator> translator)
        : m_translator(std::move(translator)) {}
    std::string Find(const char* context, const char* text) const override {
        return m_translator->translate(context, text).toStdString();
    }

  private:
    std::unique_ptr<QTranslator> m_translator;
};
} // namespace

bool LoadTranslations(const std::string& language, const std::string& catalog) {
    if (language.empty()) {
        InstallTextCatalog(nullptr);
        return true;
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QString::fromStdString(catalog + "_" + language + ".qm"))) {
        InstallTextCatalog(nullptr);
        return false;
    }
    InstallTextCatalog(std::make_unique<QtCatalog>(std::move(program)));
    if (QCoreApplication::instance()) {
        static QTranslator qt; // Qt's own dialogs: file, print, colour
        if (qt.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }
    return true;
}
