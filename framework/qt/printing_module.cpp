// The printing module: the desktop's print dialog and a printer, over Qt's
// print support, for PrintWithDialog to load when first asked.
#include "framework/qt/printing.h"

#include <QPrintDialog>
#include <QPrinter>

// The build that made it, which the program checks before anything else.
extern "C" Q_DECL_EXPORT const char* vexton_module_stamp() {
    return VEXTON_MODULE_STAMP;
}

extern "C" Q_DECL_EXPORT int vexton_print_with_dialog(QWidget* parent, const char16_t* documentName,
                                                      void (*paint)(QPagedPaintDevice*, void*),
                                                      void* context) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf16(documentName));
    // Printing to a file, or with no printer that has a paper of its own:
    // the paper an exported PDF takes.
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        printer.setPageSize(LocalePaper());
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    paint(&printer, context);
    return 1;
}
