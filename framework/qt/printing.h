#pragma once
// Printing through the desktop's print dialog, from a module loaded the first
// time something is printed: Qt's print support (and what it brings) is
// never loaded by a program that does not print.

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// The paper of the person's country: Letter where the Americas' Letter
// countries and the Philippines use it, A4 elsewhere. Every page the
// program makes takes it, printed or exported, unless a printer has a paper
// of its own.
inline QPageSize LocalePaper() {
    const QLocale::Territory here = QLocale().territory();
    const bool letter = here == QLocale::UnitedStates || here == QLocale::Canada ||
                        here == QLocale::Mexico || here == QLocale::Chile ||
                        here == QLocale::Colombia || here == QLocale::Venezuela ||
                        here == QLocale::Philippines;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

// The print dialog over `parent`, then `paint` on the printer chosen. False
// when nothing was printed: the person cancelled, or (with `unavailable`
// saying why) printing cannot be had here.
bool PrintWithDialog(QWidget* parent, const QString& documentName,
                     const std::function<void(QPagedPaintDevice&)>& paint, QString* unavailable);

// The module's file name, and its one entry point: it shows the dialog and
// calls `paint` with the printer and `context`; 1 when it printed.
inline constexpr const char* kPrintingModule = "libvexton-printing.so";
extern "C" using PrintEntry = int(QWidget * parent, const char16_t* documentName,
                                  void (*paint)(QPagedPaintDevice*, void*), void* context);
inline constexpr const char* kPrintEntryName = "vexton_print_with_dialog";
