#include "chart/chart_files.h"

#include "chart/chart_drawing.h"
#include "framework/base/translate.h"
#include "framework/qt/printing.h"
#include "framework/qt/svg_writing.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>

namespace {
// The chart's type on paper; in images 7.5 points, 10 pixels at 96 per inch.
constexpr double kChartPoints = 10;
constexpr double kImagePoints = 7.5;

QString Summary(const DofChart& chart) {
    return QString::fromStdString(chart.refusal.empty() ? chart.summary : chart.refusal);
}

// The chart on one page, below the heading.
void PaintChartPage(QPagedPaintDevice& device, const DofChart& chart,
                    const TablePageHeading& heading) {
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    device.setPageOrientation(QPageLayout::Landscape);
    const QRectF page = device.pageLayout().paintRect(QPageLayout::Point);
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    const double top =
        PaintPageHeading(&painter, device, page.width(),
                         QString::fromStdString(Tr("Pages", "Depth of Field Chart")), heading) +
        10;
    const double toPixels = device.logicalDpiX() / 72.0;
    const QRectF area(0, top * toPixels, page.width() * toPixels, (page.height() - top) * toPixels);
    ChartDrawing(chart).Paint(painter, area, PaperPalette(), PageFont(kChartPoints));
}

void WritePdf(const DofChart& chart, const TablePageHeading& heading, Paper paper, QIODevice& out) {
    QPdfWriter pdf(&out);
    pdf.setTitle(QString::fromStdString(Tr("Pages", "Depth of Field Chart")));
    pdf.setCreator(QStringLiteral("Vexton.DOF.CE"));
    pdf.setPageSize(PaperSize(paper));
    pdf.setResolution(300);
    PaintChartPage(pdf, chart, heading);
}

// The chart in an image of `size` pixels at 96 per inch, black on white.
void PaintImage(QPainter& painter, const DofChart& chart, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(), QSizeF(size)), Qt::white);
    ChartDrawing(chart).Paint(painter, QRectF(QPointF(), QSizeF(size)), PaperPalette(),
                              PageFont(kImagePoints));
}

std::string WritePng(const DofChart& chart, QSize size, QIODevice& out) {
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    {
        QPainter painter(&image);
        PaintImage(painter, chart, size);
    }
    image.setText(QStringLiteral("Title"),
                  QString::fromStdString(Tr("Pages", "Depth of Field Chart")));
    image.setText(QStringLiteral("Description"), Summary(chart));
    return image.save(&out, "PNG") ? std::string() : Tr("Pages", "The PNG could not be made.");
}

std::string WriteSvgFile(const DofChart& chart, QSize size, QIODevice& out) {
    QString unavailable;
    const bool written = WriteSvg(
        out, size, QString::fromStdString(Tr("Pages", "Depth of Field Chart")), Summary(chart),
        [&](QPainter& painter) { PaintImage(painter, chart, size); }, &unavailable);
    return written ? std::string()
                   : (unavailable.isEmpty() ? std::string("The SVG could not be made.")
                                            : unavailable.toStdString());
}
} // namespace

QSize DefaultChartSize(const DofChart& chart) {
    const QSize least = ChartDrawing(chart).LeastSize(PageFont(kImagePoints));
    return least.expandedTo(QSize(800, chart.view == ChartView::Limits ? 600 : 400));
}

std::string WriteChart(const DofChart& chart, const TablePageHeading& heading, ChartFormat format,
                       QSize size, Paper paper, const PdfSink& write) {
    SinkDevice device(write);
    std::string failed;
    switch (format) {
    case ChartFormat::Pdf:
        WritePdf(chart, heading, paper, device);
        break;
    case ChartFormat::Png:
        failed = WritePng(chart, size, device);
        break;
    case ChartFormat::Svg:
        failed = WriteSvgFile(chart, size, device);
        break;
    }
    if (device.failure)
        std::rethrow_exception(device.failure);
    return failed;
}

std::string PrintChart(QWidget* parent, const DofChart& chart, const TablePageHeading& heading) {
    QString unavailable;
    PrintWithDialog(
        parent, QString::fromStdString(Tr("Pages", "Depth of Field Chart")),
        [&](QPagedPaintDevice& printer) { PaintChartPage(printer, chart, heading); }, &unavailable);
    return unavailable.toStdString();
}
