// The printing module: the desktop's print dialog and a printer, over Qt's
// print support, for PrintWithDialog to load when first asked.
#include "framework/qt/printing.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT int vexton_print_with_dialog(QWidget* parent, const char16_t* documentName,
                                                      void (*paint)(QPagedPaintDevice*, void*),
                                                      void* context) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf16(documentName));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    paint(&printer, context);
    return 1;
}
