#include "cli/drawing.h"

#include "chart/chart_files.h"
#include "table/table_page.h"

#include <QGuiApplication>

namespace {
// A PDF or a chart needs fonts, and so Qt's text machinery: on the offscreen
// platform, made only when one is asked for.
void StartDrawing() {
    static int argc = 1;
    static char name[] = "vextondof";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(argc, argv);
}

Paper PaperOf(std::optional<bool> letter) {
    return !letter ? Paper::OfTheLocale : *letter ? Paper::Letter : Paper::A4;
}
} // namespace

bool DrawTablePdf(const DofTable& table, const TablePageHeading& heading,
                  std::optional<bool> letter, const OutputSink& sink) {
    StartDrawing();
    WriteTablePdf(table, heading, PaperOf(letter), [&sink](const char* bytes, std::size_t count) {
        sink(std::string_view(bytes, count));
    });
    return true;
}

std::string DrawChartFile(const DofChart& chart, const TablePageHeading& heading,
                          ChartFormat format, std::optional<bool> letter, const OutputSink& sink) {
    StartDrawing();
    return WriteChart(
        chart, heading, format, DefaultChartSize(chart), PaperOf(letter),
        [&sink](const char* bytes, std::size_t count) { sink(std::string_view(bytes, count)); });
}
