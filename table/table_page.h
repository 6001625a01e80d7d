#pragma once
// The DOF table on paper: a title, what the table is for, the table (its
// header repeated on every page it continues on), the notes, and the
// program's name and version at the foot of each page. Vector text
// throughout, so the PDF can be searched and copied.

#include "table/dof_table.h"

#include <QByteArray>
#include <cstddef>
#include <functional>
#include <string>

class QPagedPaintDevice;
class QWidget;

// Draws the table on `device`'s pages, in the orientation it needs, at a
// size no smaller than 8 points (up to 12 for a table on one page).
void PaintTablePages(QPagedPaintDevice& device, const DofTable& table,
                     const TablePageHeading& heading);

// The table as a PDF, on Letter paper or A4; by default the paper of the
// user's locale (Letter in the Americas' Letter countries, A4 elsewhere).
enum class Paper { OfTheLocale, A4, Letter };
QByteArray TablePdf(const DofTable& table, const TablePageHeading& heading,
                    Paper paper = Paper::OfTheLocale);

// The same PDF handed to `write` piece by piece as its pages are made. What
// `write` throws stops the writing and is thrown again once the painter let go.
using PdfSink = std::function<void(const char* bytes, std::size_t count)>;
void WriteTablePdf(const DofTable& table, const TablePageHeading& heading, Paper paper,
                   const PdfSink& write);

// The desktop's print dialog, then the pages on the printer chosen; why
// printing cannot be had here, or "".
std::string PrintTable(QWidget* parent, const DofTable& table, const TablePageHeading& heading);
