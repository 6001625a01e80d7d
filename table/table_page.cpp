#include "table/table_page.h"

#include "framework/base/resources.h"
#include "framework/base/translate.h"
#include "framework/qt/printing.h"
#include "resources/resource.h"

#include <QDate>
#include <QFontMetricsF>
#include <QIODevice>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <exception>
#include <optional>

namespace {
// What the pages are titled.
std::string PagesTitle(const DofTable& table) {
    return table.title.empty() ? Tr("Pages", "Depth of Field Table") : table.title;
}
} // namespace

namespace {
// Sizes in points: the table's type never goes below kSmallestPoints.
constexpr double kTitlePoints = 16;
constexpr double kTextPoints = 10;
constexpr double kTablePoints = 10;
constexpr double kSmallestPoints = 8; // and wider tables go on in a second run of columns
constexpr double kLargestPoints = 12; // a table on one page
constexpr double kFooterPoints = 8;
constexpr double kCellPadding = 4; // each side of a cell's text
constexpr double kGap = 10;        // between the page's parts

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The table's measures at a type size: each column's width (the row
// headers' first) and a row's height, in points.
struct Grid {
    double points;
    std::vector<double> widths;
    double rowHeight;
    double Width() const {
        double sum = 0;
        for (const double w : widths)
            sum += w;
        return sum;
    }
};

Grid Measure(const DofTable& table, double points, QPaintDevice* device) {
    const QFontMetricsF plain(PageFont(points), device), bold(PageFont(points, true), device);
    const double scale = 72.0 / device->logicalDpiX(); // device pixels to points
    Grid grid{points, std::vector<double>(table.columns.size() + 1, 0.0),
              plain.height() * scale * 1.6};
    const auto fit = [&](std::size_t column, const std::string& text) {
        const double width =
            std::max(plain.horizontalAdvance(Text(text)), bold.horizontalAdvance(Text(text))) *
            scale;
        grid.widths[column] = std::max(grid.widths[column], width + 2 * kCellPadding);
    };
    for (const std::string& row : table.rows)
        fit(0, row);
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        fit(c + 1, table.columns[c]);
        for (const std::vector<std::string>& cells : table.cells)
            fit(c + 1, cells[c]);
    }
    return grid;
}

// Lays the table out on pages and, when drawing, draws it: the first page
// under the full heading, every later page under a line of it, each page's
// columns with their header, the diffraction note on every page that shows a
// marked column, and at the foot "Page N of M" and the program's name. Laid
// out without drawing, it counts the pages.
class PagePainter {
  public:
    PagePainter(QPagedPaintDevice& device, const DofTable& table, const TablePageHeading& heading,
                Grid grid, int pages = 0)
        : m_device(device), m_table(table), m_heading(heading), m_grid(std::move(grid)),
          m_pages(pages) {
        if (m_pages > 0)
            m_painter.emplace(&device);
        m_toPixels = device.logicalDpiX() / 72.0;
        m_page = device.pageLayout().paintRect(QPageLayout::Point);
        m_page.moveTo(0, 0);
        for (const std::string& column : table.columns)
            m_marked.push_back(column.find(kDiffractionMark) != std::string::npos);
    }

    // The columns in groups as wide as the page takes (each with the row
    // headers), and each group's rows down the pages, the column headers
    // again at the top of every page a group continues on; the number of pages.
    int Paint() {
        double y = Heading();
        const auto groups = ColumnGroups();
        // The notes go under the last row, never on a page of their own: the
        // last row goes with them where they would not fit beside it.
        const double notes = m_table.roundingNote.empty() ? 0 : kGap + 3 * kTextPoints;
        for (const auto& [first, last] : groups) {
            if (y + 3 * m_grid.rowHeight > Bottom())
                y = NewPage();
            y = Row(y, -1, first, last);
            for (std::size_t row = 0; row < m_table.rows.size(); ++row) {
                const bool lastOfAll =
                    last == groups.back().second && row + 1 == m_table.rows.size();
                if (y + m_grid.rowHeight + (lastOfAll ? notes : 0) > Bottom())
                    y = Row(NewPage(), -1, first, last);
                y = Row(y, static_cast<int>(row), first, last);
            }
            y += kGap;
        }
        if (!m_table.roundingNote.empty()) {
            if (y + 3 * kTextPoints > Bottom())
                y = NewPage();
            Line(y, Text(m_table.roundingNote), PageFont(kTextPoints));
        }
        PageFoot();
        return m_pageNumber;
    }

  private:
    double NewPage() {
        PageFoot();
        if (m_painter)
            m_device.newPage();
        ++m_pageNumber;
        m_pageShowsMark = m_pageShowsCloseUp = false;
        return ContinuedHeading();
    }

    // Runs of columns [first, last) that fit across the page beside the row headers.
    std::vector<std::pair<std::size_t, std::size_t>> ColumnGroups() const {
        std::vector<std::pair<std::size_t, std::size_t>> groups;
        std::size_t first = 0;
        double width = m_grid.widths[0];
        for (std::size_t c = 0; c < m_table.columns.size(); ++c) {
            if (c > first && width + m_grid.widths[c + 1] > m_page.width()) {
                groups.emplace_back(first, c);
                first = c;
                width = m_grid.widths[0];
            }
            width += m_grid.widths[c + 1];
        }
        groups.emplace_back(first, m_table.columns.size());
        return groups;
    }

    // Lengths are reckoned in points and drawn in the device's pixels, so
    // that text is laid out at its true size.
    QRectF Px(const QRectF& points) const {
        return QRectF(points.topLeft() * m_toPixels, points.size() * m_toPixels);
    }

    // The foot of the page: the page's number and the program, and above
    // them the notes of the marks the page shows: the diffraction note where
    // it shows a marked column, the close-up lens's where a marked row.
    double FootHeight() const {
        return 2 * kFooterPoints + (m_table.diffractionNote.empty() ? 0 : 3 * kFooterPoints) +
               (m_table.closeUpNote.empty() ? 0 : 3 * kFooterPoints);
    }
    double Bottom() const { return m_page.height() - FootHeight() - kGap; }

    double Line(double y, const QString& text, const QFont& font) {
        const QRectF room(0, y, m_page.width(), m_page.height() - y);
        const QFontMetricsF metrics(font, &m_device);
        const QRectF used =
            metrics.boundingRect(Px(room), Qt::TextWordWrap, text); // in the device's pixels
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->setPen(Qt::black);
            m_painter->drawText(Px(room), Qt::TextWordWrap, text);
        }
        return y + used.height() / m_toPixels;
    }

    double Heading() {
        return PaintPageHeading(m_painter ? &*m_painter : nullptr, m_device, m_page.width(),
                                Text(PagesTitle(m_table)), m_heading) +
               kGap;
    }

    // What a later page is of, in one line.
    double ContinuedHeading() {
        const QString line =
            Text(Tr("Pages", "%1: %2, %3, circle of confusion %4, distances in %5"))
                .arg(Text(PagesTitle(m_table)), Text(m_heading.camera), Text(m_heading.focalLength),
                     Text(m_heading.cocUsed), Text(m_heading.unit));
        return Line(0, line, PageFont(kFooterPoints)) + kGap / 2;
    }

    // One row of the table (-1: the column headers) at `y`, its row header
    // and the columns [first, last); the next row's y.
    double Row(double y, int row, std::size_t first, std::size_t last) {
        for (std::size_t c = first; c < last; ++c)
            m_pageShowsMark = m_pageShowsMark || m_marked[c];
        if (row >= 0) {
            const std::string& header = m_table.rows[static_cast<std::size_t>(row)];
            m_pageShowsCloseUp = m_pageShowsCloseUp ||
                                 header.find(kCloseUpMark) != std::string::npos ||
                                 header.find(kNearerMark) != std::string::npos;
        }
        if (!m_painter)
            return y + m_grid.rowHeight;
        double x = 0;
        const double h = m_grid.rowHeight;
        for (std::size_t c = 0; c <= last; ++c) {
            if (c > 0 && c <= first)
                continue;
            const double w = m_grid.widths[c];
            const bool header = row < 0 || c == 0;
            const bool bold =
                header || row == m_table.boldRow || static_cast<int>(c) - 1 == m_table.boldColumn;
            std::string text = row < 0
                                   ? (c == 0 ? "" : m_table.columns[c - 1])
                                   : (c == 0 ? m_table.rows[static_cast<std::size_t>(row)]
                                             : m_table.cells[static_cast<std::size_t>(row)][c - 1]);
            const QRectF cell(x, y, w, h);
            if (header)
                m_painter->fillRect(Px(cell), QColor(235, 235, 235));
            m_painter->setPen(QColor(160, 160, 160));
            m_painter->drawRect(Px(cell));
            m_painter->setPen(Qt::black);
            QFont font = PageFont(m_grid.points, bold);
            font.setUnderline(bold && !header); // the marks, also without colour
            m_painter->setFont(font);
            m_painter->drawText(Px(cell.adjusted(kCellPadding, 0, -kCellPadding, 0)),
                                (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                                Text(text));
            x += w;
        }
        return y + h;
    }

    void PageFoot() {
        if (!m_painter)
            return;
        m_painter->setPen(Qt::black);
        m_painter->setFont(PageFont(kFooterPoints));
        double y = m_page.height() - FootHeight();
        for (const auto& [shown, note] : {std::pair{m_pageShowsMark, &m_table.diffractionNote},
                                          std::pair{m_pageShowsCloseUp, &m_table.closeUpNote}})
            if (shown && !note->empty()) {
                m_painter->drawText(Px(QRectF(0, y, m_page.width(), 3 * kFooterPoints)),
                                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Text(*note));
                y += 3 * kFooterPoints;
            }
        const QRectF foot(0, m_page.height() - 2 * kFooterPoints, m_page.width(),
                          2 * kFooterPoints);
        m_painter->drawText(Px(foot), Qt::AlignLeft | Qt::AlignBottom,
                            Text(Tr("Pages", "Page %1 of %2")).arg(m_pageNumber).arg(m_pages));
        const QString name =
            QStringLiteral("Vexton.DOF.CE ") + QString::fromUtf8(FindStringResource(IDS_VERSION));
        m_painter->drawText(Px(foot), Qt::AlignRight | Qt::AlignBottom, name);
    }

    QPagedPaintDevice& m_device;
    const DofTable& m_table;
    const TablePageHeading& m_heading;
    Grid m_grid;
    int m_pages;                       // 0 while counting them
    std::optional<QPainter> m_painter; // only while drawing
    QRectF m_page;
    double m_toPixels = 1.0;
    std::vector<bool> m_marked; // the columns diffraction softens
    int m_pageNumber = 1;
    bool m_pageShowsMark = false;    // a column diffraction softens
    bool m_pageShowsCloseUp = false; // a row marked: beyond a close-up lens, nearer than the lens
};

// How many pages the table takes at this grid.
int CountPages(QPagedPaintDevice& device, const DofTable& table, const TablePageHeading& heading,
               const Grid& grid) {
    return PagePainter(device, table, heading, grid).Paint();
}

} // namespace

QFont PageFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping); // no ligatures: "diffraction" stays searchable
    return font;
}

double PaintPageHeading(QPainter* painter, QPaintDevice& device, double width, const QString& title,
                        const TablePageHeading& heading) {
    const double toPixels = device.logicalDpiX() / 72.0;
    const auto line = [&](double y, const QString& text, const QFont& font) {
        const QRectF room(0, y * toPixels, width * toPixels, 1e6);
        const QRectF used = QFontMetricsF(font, &device).boundingRect(room, Qt::TextWordWrap, text);
        if (painter) {
            painter->setFont(font);
            painter->setPen(Qt::black);
            painter->drawText(room, Qt::TextWordWrap, text);
        }
        return y + used.height() / toPixels;
    };
    double y = line(0, title, PageFont(kTitlePoints, true));
    const QLocale locale;
    const auto T = [](const char* pattern, const QString& value) {
        return Text(Tr("Pages", pattern)).arg(value);
    };
    const QString lines[] = {
        T(TR_NOOP("Pages", "Camera: %1"), Text(heading.camera)),
        T(TR_NOOP("Pages", "Focal length: %1"), Text(heading.focalLength)),
        T(TR_NOOP("Pages", "Circle of confusion used: %1"), Text(heading.cocUsed)),
        T(TR_NOOP("Pages", "Distances in %1"), Text(heading.unit)),
        T(TR_NOOP("Pages", "Made on %1"),
          locale.toString(QDate::currentDate(), QLocale::LongFormat)),
    };
    y += kGap / 2;
    for (const QString& text : lines)
        y = line(y, text, PageFont(kTextPoints));
    return y;
}

SinkDevice::SinkDevice(const PdfSink& write) : m_write(write) {
    open(QIODevice::WriteOnly);
}

qint64 SinkDevice::writeData(const char* data, qint64 count) {
    if (failure)
        return -1;
    try {
        m_write(data, static_cast<std::size_t>(count));
        return count;
    } catch (...) {
        failure = std::current_exception();
        return -1;
    }
}

QPageSize PaperSize(Paper paper) {
    if (paper == Paper::OfTheLocale)
        return LocalePaper();
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

void PaintTablePages(QPagedPaintDevice& device, const DofTable& table,
                     const TablePageHeading& heading) {
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    // Portrait where the table fits across, else landscape; then a smaller
    // type, down to the smallest, until it does.
    device.setPageOrientation(QPageLayout::Portrait);
    const auto across = [&] { return device.pageLayout().paintRect(QPageLayout::Point).width(); };
    Grid grid = Measure(table, kTablePoints, &device);
    if (grid.Width() > across())
        device.setPageOrientation(QPageLayout::Landscape);
    for (double points = kTablePoints; grid.Width() > across() && points > kSmallestPoints;) {
        points = std::max(kSmallestPoints, points - 0.5);
        grid = Measure(table, points, &device);
    }
    // A table on one page takes as large a type as still fits it there.
    const int pages = CountPages(device, table, heading, grid);
    if (grid.points == kTablePoints && pages == 1)
        for (double points = kLargestPoints; points > kTablePoints; points -= 0.5) {
            const Grid larger = Measure(table, points, &device);
            if (larger.Width() <= across() && CountPages(device, table, heading, larger) == 1) {
                grid = larger;
                break;
            }
        }
    PagePainter(device, table, heading, std::move(grid), pages).Paint();
}

void WriteTablePdf(const DofTable& table, const TablePageHeading& heading, Paper paper,
                   const PdfSink& write) {
    SinkDevice device(write);
    {
        QPdfWriter pdf(&device);
        pdf.setTitle(QString::fromStdString(PagesTitle(table)));
        pdf.setCreator(QStringLiteral("Vexton.DOF.CE"));
        pdf.setPageSize(PaperSize(paper));
        pdf.setResolution(300);
        PaintTablePages(pdf, table, heading);
    }
    if (device.failure)
        std::rethrow_exception(device.failure);
}

QByteArray TablePdf(const DofTable& table, const TablePageHeading& heading, Paper paper) {
    QByteArray bytes;
    WriteTablePdf(table, heading, paper, [&bytes](const char* data, std::size_t count) {
        bytes.append(data, static_cast<qsizetype>(count));
    });
    return bytes;
}

std::string PrintTable(QWidget* parent, const DofTable& table, const TablePageHeading& heading) {
    QString unavailable;
    PrintWithDialog(
        parent, QString::fromStdString(PagesTitle(table)),
        [&](QPagedPaintDevice& printer) { PaintTablePages(printer, table, heading); },
        &unavailable);
    return unavailable.toStdString();
}
