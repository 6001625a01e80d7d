#pragma once
// The PDFs and images the verbs write: the table's pages and the chart, drawn
// as the forms draw them, on Qt's offscreen platform, which needs no display.

#include "cli/command_line.h"

// The table's pages as a PDF; `letter`: none for the locale's paper.
bool DrawTablePdf(const DofTable& table, const TablePageHeading& heading,
                  std::optional<bool> letter, const OutputSink& sink);

// The chart in `format`; "" when it was drawn, else why not.
std::string DrawChartFile(const DofChart& chart, const TablePageHeading& heading,
                          ChartFormat format, std::optional<bool> letter, const OutputSink& sink);
