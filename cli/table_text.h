#pragma once
// The DOF table as aligned text for a terminal.

#include "cli/command_line.h"
#include "table/dof_table.h"

// The table as the form shows it, in aligned columns: the chosen aperture's
// header and the typed distance's row marked with ">". Made twice a row at
// a time, first for the columns' widths, then for the lines, so that no
// more than a row is ever held.
void WriteTableText(const TableRows& rows, const OutputSink& sink);
// The same for a table held whole.
void WriteTableText(const DofTable& table, const OutputSink& sink);

// Characters as a terminal shows them (UTF-8 continuation bytes aside).
std::size_t DisplayWidth(const std::string& text);
