#pragma once
// The DOF chart on paper and in files a person can share: a PDF page (and
// a printed one) under the heading of the table's pages, an SVG and a PNG
// at twice the size on screen. Each is handed to a sink piece by piece as it
// is made, so that a file is written whole or not at all.

#include "chart/dof_chart.h"
#include "table/table_page.h"

#include <QSize>
#include <string>

// The size a chart takes when no screen gives it one, in pixels at 96 per inch.
QSize DefaultChartSize(const DofChart& chart);

// Writes the chart; "" when it was written, else why it could not be. What
// `write` throws stops the writing and is thrown again once Qt let go.
std::string WriteChart(const DofChart& chart, const TablePageHeading& heading, ChartFormat format,
                       QSize size, Paper paper, const PdfSink& write);

// The desktop's print dialog, then the chart on its page; why printing
// cannot be had here, or "".
std::string PrintChart(QWidget* parent, const DofChart& chart, const TablePageHeading& heading);
