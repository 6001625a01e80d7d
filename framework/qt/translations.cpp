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
    // What this function installed last, so that a second call for the same
    // language (the terminal's, then the window's at its start) reads no
    // file again unless the catalogue was replaced since.
    static std::string loadedFile;
    static const TextCatalog* loaded = nullptr;
    const std::string file = language.empty() ? std::string() : catalog + "_" + language + ".qm";
    bool found = true;
    if (file != loadedFile || InstalledTextCatalog() != loaded) {
        std::unique_ptr<TextCatalog> made;
        if (!file.empty()) {
            auto program = std::make_unique<QTranslator>();
            found = program->load(QString::fromStdString(file));
            if (found)
                made = std::make_unique<QtCatalog>(std::move(program));
        }
        loaded = made.get();
        loadedFile = made ? file : std::string();
        InstallTextCatalog(std::move(made));
    }
    if (QCoreApplication::instance()) {
        static QTranslator qt; // Qt's own dialogs: file, print, colour
        QCoreApplication::removeTranslator(&qt);
        if (found && !language.empty() &&
            qt.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }
    return found;
}
