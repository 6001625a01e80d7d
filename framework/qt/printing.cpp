#include "framework/qt/printing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {
// Where the module is: beside the program (a build, a portable folder), or
// where the program's install puts it.
QString ModulePath() {
    const QString beside = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {beside, beside + QStringLiteral("/") + QStringLiteral(VEXTON_PRINTING_MODULE_FROM_BIN)}) {
        const QString path = folder + QStringLiteral("/") + QString::fromLatin1(kPrintingModule);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

struct Painting {
    const std::function<void(QPagedPaintDevice&)>* paint;
};

void PaintThrough(QPagedPaintDevice* device, void* context) {
    (*static_cast<Painting*>(context)->paint)(*device);
}
} // namespace

bool PrintWithDialog(QWidget* parent, const QString& documentName,
                     const std::function<void(QPagedPaintDevice&)>& paint, QString* unavailable) {
    static QLibrary module;
    if (!module.isLoaded()) {
        module.setFileName(ModulePath());
        if (module.fileName().isEmpty() || !module.load()) {
            if (unavailable)
                *unavailable = QStringLiteral("Printing is not available: %1 could not be loaded.")
                                   .arg(QString::fromLatin1(kPrintingModule));
            return false;
        }
    }
    auto* print = reinterpret_cast<PrintEntry*>(module.resolve(kPrintEntryName));
    if (!print) {
        if (unavailable)
            *unavailable = QStringLiteral("Printing is not available: %1 is not the right module.")
                               .arg(QString::fromLatin1(kPrintingModule));
        return false;
    }
    Painting painting{&paint};
    return print(parent, reinterpret_cast<const char16_t*>(documentName.utf16()), &PaintThrough,
                 &painting) == 1;
}
