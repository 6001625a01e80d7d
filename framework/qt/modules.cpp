#include "framework/qt/modules.h"
#include "framework/base/translate.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <map>
#include <memory>
#include <string>

namespace {
QString ModulePath(const QString& fileName) {
    const QString beside = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {beside, beside + QStringLiteral("/") + QStringLiteral(VEXTON_MODULES_FROM_BIN)}) {
        const QString path = folder + QStringLiteral("/") + fileName;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}
} // namespace

QLibrary* LoadModule(const char* fileName, const QString& what, QString* unavailable) {
    static std::map<std::string, std::unique_ptr<QLibrary>> loaded;
    std::unique_ptr<QLibrary>& module = loaded[fileName];
    if (!module)
        module = std::make_unique<QLibrary>();
    if (module->isLoaded())
        return module.get();
    const QString name = QString::fromLatin1(fileName);
    module->setFileName(ModulePath(name));
    if (module->fileName().isEmpty() || !module->load()) {
        if (unavailable)
            *unavailable = QString::fromStdString(
                Arg(Tr("Modules", "%1 is not available: %2 could not be loaded."),
                    {what.toStdString(), name.toStdString()}));
        return nullptr;
    }
    return module.get();
}

void* ModuleEntry(QLibrary* module, const char* entry, const QString& what, QString* unavailable) {
    void* found = module ? reinterpret_cast<void*>(module->resolve(entry)) : nullptr;
    if (!found && module && unavailable)
        *unavailable = QString::fromStdString(
            Arg(Tr("Modules", "%1 is not available: %2 is not the right module."),
                {what.toStdString(), QFileInfo(module->fileName()).fileName().toStdString()}));
    return found;
}
