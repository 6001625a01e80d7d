#pragma once
// The DOF table on paper: a title, what the table is for, the table (its
// header repeated on every page it continues on), the notes, and the
// program's name and version at the foot of each page. Vector text
// throughout, so the PDF can be searched and copied.

#include "table/dof_table.h"

#include <QByteArray>
#include <QFont>
#include <QIODevice>
#include <QPageSize>
#include <cstddef>
#include <exception>
#include <functional>
#include <string>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QString;
class QWidget;

// The type of the program's pages and files: DejaVu Sans, without ligatures
// (so that "diffraction" stays searchable), at `points`.
QFont PageFont(double points, bool bold = false);

// The heading of the program's pages: `title`, then what they are for (the
// camera, the focal length, the circle of confusion, the unit) and the day
// they were made, across `width` points from the top of `device`'s page;
// drawn where a painter is given. Its height, in points.
double PaintPageHeading(QPainter* painter, QPaintDevice& device, double width, const QString& title,
                        const TablePageHeading& heading);

// Draws the table on `device`'s pages, in the orientation it needs, at a
// size no smaller than 8 points (up to 12 for a table on one page).
void PaintTablePages(QPagedPaintDevice& device, const DofTable& table,
                     const TablePageHeading& heading);

// The table as a PDF, on Letter paper or A4; by default the paper of the
// user's locale (Letter in the Americas' Letter countries, A4 elsewhere).
enum class Paper { OfTheLocale, A4, Letter };
QPageSize PaperSize(Paper paper);
QByteArray TablePdf(const DofTable& table, const TablePageHeading& heading,
                    Paper paper = Paper::OfTheLocale);

// The same PDF handed to `write` piece by piece as its pages are made. What
// `write` throws stops the writing and is thrown again once the painter let go.
using PdfSink = std::function<void(const char* bytes, std::size_t count)>;

// A device that hands what is written to it on to a sink; what the sink
// throws is held, not thrown through Qt's code, for the writer to throw
// again once Qt let go.
class SinkDevice : public QIODevice {
  public:
    explicit SinkDevice(const PdfSink& write);
    bool isSequential() const override { return true; }
    std::exception_ptr failure;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 count) override;

  private:
    const PdfSink& m_write;
};
void WriteTablePdf(const DofTable& table, const TablePageHeading& heading, Paper paper,
                   const PdfSink& write);

// The desktop's print dialog, then the pages on the printer chosen; why
// printing cannot be had here, or "".
std::string PrintTable(QWidget* parent, const DofTable& table, const TablePageHeading& heading);
