#include "chart/chart_files.h"

#include "chart/chart_drawing.h"
#include "framework/base/translate.h"
#include "framework/qt/printing.h"
#include "framework/qt/svg_writing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

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

// What an image of the chart is of, in a line above it, as a page's
// heading says it: the camera, the focal length, the circle of confusion
// and the unit.
struct Caption {
    QString text;
    double height = 0; // in the image's pixels, with its margin

    Caption(const TablePageHeading& h, int width)
        : text(QString::fromStdString(
              Arg(Tr("Pages", "%1, %2, circle of confusion %3, distances in %4"),
                  {h.camera, h.focalLength, h.cocUsed, h.unit}))) {
        const QFontMetricsF metrics(PageFont(kImagePoints));
        height = metrics.boundingRect(Room(width), Qt::TextWordWrap, text).height() + 2 * kMargin;
    }
    static constexpr double kMargin = 6;
    static QRectF Room(int width) { return QRectF(kMargin, kMargin, width - 2 * kMargin, 1e6); }
};

// The chart in an image of `size` pixels at 96 per inch, black on white,
// under its caption.
void PaintImage(QPainter& painter, const DofChart& chart, const Caption& caption, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF whole(size.width(), size.height() + caption.height);
    painter.fillRect(QRectF(QPointF(), whole), Qt::white);
    painter.setFont(PageFont(kImagePoints));
    painter.setPen(Qt::black);
    painter.drawText(Caption::Room(size.width()), Qt::TextWordWrap, caption.text);
    ChartDrawing(chart).Paint(painter, QRectF(QPointF(0, caption.height), QSizeF(size)),
                              PaperPalette(), PageFont(kImagePoints));
}

std::string WritePng(const DofChart& chart, const Caption& caption, QSize size, QIODevice& out) {
    const QSize whole(size.width(), size.height() + static_cast<int>(std::ceil(caption.height)));
    QImage image(whole * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    {
        QPainter painter(&image);
        PaintImage(painter, chart, caption, size);
    }
    image.setText(QStringLiteral("Title"),
                  QString::fromStdString(Tr("Pages", "Depth of Field Chart")));
    image.setText(QStringLiteral("Description"),
                  caption.text + QStringLiteral(". ") + Summary(chart));
    return image.save(&out, "PNG") ? std::string() : Tr("Pages", "The PNG could not be made.");
}

std::string WriteSvgFile(const DofChart& chart, const Caption& caption, QSize size,
                         QIODevice& out) {
    QString unavailable;
    const QSize whole(size.width(), size.height() + static_cast<int>(std::ceil(caption.height)));
    const bool written = WriteSvg(
        out, whole, QString::fromStdString(Tr("Pages", "Depth of Field Chart")),
        caption.text + QStringLiteral(". ") + Summary(chart),
        [&](QPainter& painter) { PaintImage(painter, chart, caption, size); }, &unavailable);
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
        failed = WritePng(chart, Caption(heading, size.width()), size, device);
        break;
    case ChartFormat::Svg:
        failed = WriteSvgFile(chart, Caption(heading, size.width()), size, device);
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
