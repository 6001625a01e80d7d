#pragma once
// The DOF table on paper: a title, what the table is for, the table (its
// header repeated on every page it continues on), the notes, and the
// program's name and version at the foot of each page. Vector text
// throughout, so the PDF can be searched and copied.

#include "table/dof_table.h"

#include <QByteArray>
#include <string>

class QPagedPaintDevice;
class QWidget;

// What the page says the table is for.
struct TablePageHeading {
    std::string camera;      // "Canon 1Ds"
    std::string focalLength; // "50.00 mm", with the diopter when there is one
    std::string cocUsed;     // "0.030000 mm"
    std::string unit;        // "meters"
};

// Draws the table on `device`'s pages, in the orientation it needs, at a
// size no smaller than 7 points.
void PaintTablePages(QPagedPaintDevice& device, const DofTable& table,
                     const TablePageHeading& heading);

// The table as a PDF, on the paper of the user's locale (Letter in the
// Americas' Letter countries, A4 elsewhere).
QByteArray TablePdf(const DofTable& table, const TablePageHeading& heading);

// The desktop's print dialog, then the pages on the printer chosen.
void PrintTable(QWidget* parent, const DofTable& table, const TablePageHeading& heading);
