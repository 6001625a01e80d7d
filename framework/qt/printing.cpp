#include "framework/qt/printing.h"

#include "framework/base/translate.h"
#include "framework/qt/modules.h"

namespace {
struct Painting {
    const std::function<void(QPagedPaintDevice&)>* paint;
};

void PaintThrough(QPagedPaintDevice* device, void* context) {
    (*static_cast<Painting*>(context)->paint)(*device);
}
} // namespace

bool PrintWithDialog(QWidget* parent, const QString& documentName,
                     const std::function<void(QPagedPaintDevice&)>& paint, QString* unavailable) {
    const QString what = QString::fromStdString(Tr("Modules", "Printing"));
    auto* print = reinterpret_cast<PrintEntry*>(
        ModuleEntry(kPrintingModule, kPrintEntryName, what, unavailable));
    if (!print)
        return false;
    Painting painting{&paint};
    return print(parent, reinterpret_cast<const char16_t*>(documentName.utf16()), &PaintThrough,
                 &painting) == 1;
}
