#include "chart/chart_drawing.h"

#include "framework/base/translate.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Okabe and Ito's colours, apart for every kind of colour vision; black
// stands last, and is the palette's text colour on a dark one.
const QColor kColours[] = {QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00),
                           QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7),
                           QColor(0xE6, 0x9F, 0x00), QColor(0x56, 0xB4, 0xE9),
                           QColor(0xF0, 0xE4, 0x42), QColor(0x00, 0x00, 0x00)};
constexpr std::size_t kColourCount = std::size(kColours);
// The second cue of a curve, beside its colour.
const Qt::PenStyle kDashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                Qt::DashDotDotLine};
constexpr std::size_t kDashCount = std::size(kDashes);
// In lines of text: a bar's row at its most, the room under the bars and
// under the curves for the axis's labels.
constexpr double kMostRow = 2.4;
constexpr double kZoneTicks = 1.4;
constexpr double kLimitsTicks = 2.4;
// Points a curve is drawn through, per unit of the device's width.
constexpr double kColumnsPerUnit = 1.0;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A text of the chart in the person's language.
QString T(const char* text) {
    return Text(Tr("DOF Chart", text));
}

double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// One legend entry: its mark and its words.
struct LegendItem {
    enum class Mark { Series, Subject, Hyperfocal, Diagonal, Chosen, Softened, None } mark;
    QString text;
    int series = -1;
};

// Lays out and draws one chart in one area. Lengths follow the font: `em`
// is a line's height.
class Painter {
  public:
    Painter(const DofChart& chart, const QFont& font, QPaintDevice* device, const QPalette* palette)
        : m_chart(chart), m_font(font), m_bold(Bold(font)), m_metrics(font, device),
          m_boldMetrics(m_bold, device), m_palette(palette), m_em(m_metrics.height()),
          m_gap(m_em / 2) {
        MakeLegend();
    }

    // The least size that shows every text whole.
    QSizeF Least() const {
        const double width = LeastWidth();
        return {width, Height(width, true)};
    }

    void Draw(QPainter& p, const QRectF& area) {
        m_p = &p;
        p.save();
        p.setFont(m_font);
        double y = area.top() + m_gap;
        y = Title(area, y);
        if (!m_chart.refusal.empty()) {
            TextBlock(QRectF(area.left() + m_gap, y, area.width() - 2 * m_gap, area.bottom() - y),
                      Text(m_chart.refusal), m_font, Fore());
            p.restore();
            return;
        }
        const double legend = LegendHeight(area.width() - 2 * m_gap);
        double height = std::max(m_em, area.bottom() - y - legend - m_gap);
        if (m_chart.view == ChartView::Zone) // bars no thicker than a reader needs
            height = std::min(height, static_cast<double>(m_chart.series.size()) * kMostRow * m_em +
                                          kZoneTicks * m_em);
        const QRectF body(area.left() + m_gap, y, area.width() - 2 * m_gap, height);
        if (m_chart.view == ChartView::Zone)
            Zone(body);
        else
            Limits(body);
        Legend(
            QRectF(area.left() + m_gap, body.bottom() + m_gap, area.width() - 2 * m_gap, legend));
        p.restore();
    }

  private:
    static QFont Bold(QFont font) {
        font.setBold(true);
        return font;
    }
    QColor Fore() const { return m_palette->color(QPalette::Text); }
    QColor Back() const { return m_palette->color(QPalette::Base); }
    // The text colour this much of the way from the background, as a
    // solid colour: every file format and reader shows it alike.
    QColor Towards(double share) const {
        const QColor f = Fore(), b = Back();
        return QColor::fromRgbF(static_cast<float>(b.redF() + (f.redF() - b.redF()) * share),
                                static_cast<float>(b.greenF() + (f.greenF() - b.greenF()) * share),
                                static_cast<float>(b.blueF() + (f.blueF() - b.blueF()) * share));
    }
    QColor Faint() const { return Towards(0.18); }
    QColor Colour(std::size_t series) const {
        const QColor c = kColours[series % kColourCount];
        return c == QColor(Qt::black) ? Fore() : c;
    }
    double LineWidth() const { return std::max(1.0, m_em / 10); }

    // ---- measures

    static double WrappedHeight(const QFontMetricsF& metrics, const QString& text, double width) {
        return metrics.boundingRect(QRectF(0, 0, std::max(1.0, width), 1e7), Qt::TextWordWrap, text)
            .height();
    }

    // The widest of the series' texts `text`, the chosen one's bold.
    double Widest(std::string ChartSeries::*text) const {
        double w = 0;
        for (const ChartSeries& s : m_chart.series)
            w = std::max(w,
                         (s.chosen ? m_boldMetrics : m_metrics).horizontalAdvance(Text(s.*text)));
        return w;
    }
    double LabelWidth() const { return Widest(&ChartSeries::label); }
    double ZoneTextWidth() const { return Widest(&ChartSeries::zoneText); }
    // A curve's pen, and its legend's: the chosen aperture's thicker.
    double CurveWidth(std::size_t series) const {
        return (m_chart.series[series].chosen ? 3.0 : 1.6) * LineWidth();
    }
    double TickLabelWidth() const {
        double w = m_metrics.horizontalAdvance(QStringLiteral("\u221E"));
        for (const ChartTick& t : m_chart.ticks)
            w = std::max(w, m_metrics.horizontalAdvance(Text(t.label)));
        return w;
    }

    double LeastWidth() const {
        double plot = 6 * TickLabelWidth() + 4 * m_em;
        if (m_chart.view == ChartView::Zone)
            plot += LabelWidth() + ZoneTextWidth() + 2 * m_gap;
        else
            plot += TickLabelWidth() + m_gap;
        double widest = 0; // a legend entry's words, which wrap only at word breaks
        for (const LegendItem& item : m_legend)
            for (const QString& word : item.text.split(QLatin1Char(' ')))
                widest = std::max(widest, m_boldMetrics.horizontalAdvance(word));
        return std::max(plot, widest + 3 * m_em) + 2 * m_gap;
    }

    // The bars a chart needs room for: each aperture's; of zones given
    // whole (a stack's shots, which may be hundreds), a dozen, the rest
    // thinner.
    double Bars() const {
        const auto n = static_cast<double>(m_chart.series.size());
        return m_chart.focus || m_chart.view != ChartView::Zone ? n : std::min(n, 12.0);
    }

    double Height(double width, bool least) const {
        double body = 0;
        if (!m_chart.refusal.empty())
            body = WrappedHeight(m_metrics, Text(m_chart.refusal), width - 2 * m_gap);
        else if (m_chart.view == ChartView::Zone)
            body = Bars() * m_em * (least ? 1.4 : 1.8) + m_em * kZoneTicks;
        else
            body = m_em * (least ? 18 : 22) + m_em * kLimitsTicks;
        return m_gap + WrappedHeight(m_boldMetrics, Text(m_chart.title), width - 2 * m_gap) +
               m_gap + body + m_gap + LegendHeight(width - 2 * m_gap) + m_gap;
    }

    // ---- the axis

    double LogX(double v, double left, double right) const {
        const double a = std::log10(m_chart.axisFrom), b = std::log10(m_chart.axisTo);
        return left + (std::log10(v) - a) / (b - a) * (right - left);
    }

    // The tick labels that fit without touching one another, the powers
    // of ten first; each centred under its mark and kept inside `bounds`.
    void TickLabels(double y, double left, double right, const QRectF& bounds, bool vertical,
                    double top = 0, double bottom = 0, std::vector<QRectF> taken = {}) {
        std::vector<std::size_t> order(m_chart.ticks.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        const auto rank = [this](std::size_t i) {
            const double l = std::log10(m_chart.ticks[i].at);
            const double frac = l - std::floor(l + 1e-9);
            return frac < 1e-6 ? 0 : std::fabs(frac - std::log10(2.0)) < 1e-6 ? 2 : 1;
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
        m_p->setPen(Fore());
        m_p->setFont(m_font);
        for (const std::size_t i : order) {
            const ChartTick& t = m_chart.ticks[i];
            const QString label = Text(t.label);
            const double w = m_metrics.horizontalAdvance(label), h = m_metrics.height();
            QRectF box;
            if (!vertical) {
                const double x = LogX(t.at, left, right);
                box = QRectF(std::clamp(x - w / 2, bounds.left(), bounds.right() - w), y, w, h);
            } else {
                const double at = LogX(t.at, bottom, top);
                box = QRectF(bounds.right() - w,
                             std::clamp(at - h / 2, bounds.top(), bounds.bottom() - h), w, h);
            }
            const QRectF spaced = box.adjusted(-m_gap / 2, -1, m_gap / 2, 1);
            if (std::any_of(taken.begin(), taken.end(),
                            [&](const QRectF& r) { return r.intersects(spaced); }))
                continue;
            taken.push_back(box);
            m_p->drawText(box, Qt::AlignCenter, label);
        }
    }

    // A faint line up from each mark of the axis.
    void GridLines(const QRectF& plot, double right) {
        m_p->setPen(QPen(Faint(), 0));
        for (const ChartTick& t : m_chart.ticks) {
            const double x = LogX(t.at, plot.left(), right);
            m_p->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    }

    void Arrow(QPointF from, QPointF to, const QColor& colour, double width) {
        m_p->setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        m_p->drawLine(from, to);
        const double head = std::max(4.0, m_em * 0.35);
        const QPointF d = to - from;
        const double length = std::hypot(d.x(), d.y());
        if (length <= 0)
            return;
        const QPointF u = d / length, n(-u.y(), u.x());
        QPainterPath path;
        path.moveTo(to + u * head * 0.3);
        path.lineTo(to - u * head + n * head * 0.55);
        path.lineTo(to - u * head - n * head * 0.55);
        path.closeSubpath();
        m_p->fillPath(path, colour);
    }

    double Title(const QRectF& area, double y) {
        const QRectF box(area.left() + m_gap, y, area.width() - 2 * m_gap, area.height());
        return TextBlock(box, Text(m_chart.title), m_bold, Fore()) + m_gap;
    }

    double TextBlock(const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
        m_p->setFont(font);
        m_p->setPen(colour);
        QRectF used;
        m_p->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        m_p->setFont(m_font);
        return box.top() + used.height();
    }

    // ---- the sharp zone: a bar each

    // Series `i`'s bar in its row (`axis`: from the axis's start to its last
    // mark), reaching `infinity` with an arrow when its far limit has no end;
    // its hyperfocal distance marked across it.
    void Bar(std::size_t i, const ChartPoint& z, const QRectF& axis, double infinity) {
        const ChartSeries& s = m_chart.series[i];
        const double middle = axis.center().y(), row = axis.height();
        const double thick = row * (s.chosen ? 0.62 : 0.42);
        const double x0 = LogX(z.nearLimit, axis.left(), axis.right());
        const double x1 =
            z.farIsInfinite ? infinity - m_em * 0.5 : LogX(z.farLimit, axis.left(), axis.right());
        const QRectF bar(x0, middle - thick / 2, std::max(LineWidth(), x1 - x0), thick);
        const QColor colour = Colour(i);
        m_p->fillRect(bar, colour);
        if (s.softened)
            Hatch(bar, Contrast(colour, Back()) < 3 ? Fore() : Back());
        m_p->setPen(QPen(Fore(), s.chosen ? 2.5 * LineWidth() : LineWidth() / 2));
        m_p->setBrush(Qt::NoBrush);
        m_p->drawRect(bar);
        if (z.farIsInfinite)
            Arrow(QPointF(x1, middle), QPointF(infinity - m_em * 0.1, middle), Fore(), LineWidth());
        if (s.hyperfocal > 0 && s.hyperfocal <= m_chart.axisTo) {
            const double h = LogX(s.hyperfocal, axis.left(), axis.right());
            m_p->setPen(QPen(Fore(), 1.5 * LineWidth()));
            m_p->drawLine(QPointF(h, middle - row * 0.45), QPointF(h, middle + row * 0.45));
        }
        if (!m_chart.focus && z.focus > 0) { // each bar at its own focus: marked on it
            const double x = LogX(z.focus, axis.left(), axis.right());
            m_p->setPen(QPen(Fore(), 1.5 * LineWidth(), Qt::DashLine));
            m_p->drawLine(QPointF(x, middle - row * 0.45), QPointF(x, middle + row * 0.45));
        }
    }

    // A bar's label and its zone's words, a line centred on `middle`, in
    // the columns `label` and `words` (their widths).
    void RowTexts(const ChartSeries& s, double middle, QRectF label, QRectF words) {
        m_p->setFont(s.chosen ? m_bold : m_font);
        m_p->setPen(Fore());
        const double h = m_metrics.height();
        for (QRectF* box : {&label, &words})
            *box = QRectF(box->left(), middle - h / 2, box->width(), h);
        m_p->drawText(label, Qt::AlignRight | Qt::AlignVCenter, Text(s.label));
        m_p->drawText(words, Qt::AlignLeft | Qt::AlignVCenter, Text(s.zoneText));
    }

    void Zone(const QRectF& body) {
        const double labels = LabelWidth() + m_gap, texts = ZoneTextWidth() + m_gap;
        const double infinity = 2.2 * m_em;
        const QRectF plot(body.left() + labels, body.top(), body.width() - labels - texts,
                          body.height() - kZoneTicks * m_em);
        const double right = plot.right() - infinity; // the axis's last mark; infinity beyond
        const std::size_t n = m_chart.series.size();
        const double row = std::min(plot.height() / static_cast<double>(n), kMostRow * m_em);
        GridLines(QRectF(plot.left(), plot.top(), plot.width(), row * static_cast<double>(n)),
                  right);
        if (m_chart.focus) { // the subject, behind the bars: a narrow zone stays in sight
            const double x = LogX(*m_chart.focus, plot.left(), right);
            m_p->setPen(QPen(Fore(), 1.5 * LineWidth(), Qt::DashLine));
            m_p->drawLine(QPointF(x, plot.top()),
                          QPointF(x, plot.top() + row * static_cast<double>(n)));
        }
        // Rows thinner than a line of text are labelled every so many.
        const auto every =
            static_cast<std::size_t>(std::max(1.0, std::ceil(m_metrics.height() / row - 1e-9)));
        for (std::size_t i = 0; i < n; ++i) {
            const ChartSeries& s = m_chart.series[i];
            const double top = plot.top() + row * static_cast<double>(i);
            if (i % every == 0)
                RowTexts(s, top + row / 2, QRectF(body.left(), 0, labels - m_gap, 0),
                         QRectF(plot.right() + m_gap, 0, texts - m_gap, 0));
            if (s.points.empty())
                continue;
            Bar(i, s.points.front(), QRectF(plot.left(), top, right - plot.left(), row),
                plot.right());
        }
        const double bottom = plot.top() + row * static_cast<double>(n);
        m_p->setPen(QPen(Fore(), LineWidth()));
        m_p->drawLine(QPointF(plot.left(), bottom), QPointF(plot.right(), bottom));
        const QString sign = QStringLiteral("\u221E");
        const double signWidth = m_metrics.horizontalAdvance(sign);
        const QRectF infinityLabel(plot.right() - infinity / 2 - signWidth / 2, bottom + m_em * 0.2,
                                   signWidth, m_metrics.height());
        m_p->setPen(Fore());
        m_p->drawText(infinityLabel, Qt::AlignCenter, sign);
        TickLabels(bottom + m_em * 0.2, plot.left(), right,
                   QRectF(body.left(), bottom, body.width() - texts, m_em), false, 0, 0,
                   {infinityLabel});
    }

    // ---- the limits by distance: two curves each

    void Limits(const QRectF& body) {
        const double labels = TickLabelWidth() + m_gap, band = 1.6 * m_em;
        const QRectF plot(body.left() + labels, body.top(), body.width() - labels,
                          body.height() - kLimitsTicks * m_em);
        const double right = plot.right(), top = plot.top() + band, bottom = plot.bottom();
        const auto X = [&](double v) { return LogX(v, plot.left(), right); };
        const auto Y = [&](double v) { return LogX(v, bottom, top); };
        GridLines(QRectF(plot.left(), top, plot.width(), bottom - top), right);
        m_p->setPen(QPen(Faint(), 0));
        for (const ChartTick& t : m_chart.ticks)
            m_p->drawLine(QPointF(plot.left(), Y(t.at)), QPointF(right, Y(t.at)));
        // The infinity band above, and the diagonal where near = far = focus.
        m_p->setPen(QPen(Fore(), LineWidth()));
        m_p->drawLine(QPointF(plot.left(), top), QPointF(right, top));
        m_p->drawRect(QRectF(plot.left(), top, plot.width(), bottom - top));
        m_p->setPen(QPen(Fore(), LineWidth(), Qt::DotLine));
        m_p->drawLine(QPointF(X(m_chart.axisFrom), Y(m_chart.axisFrom)),
                      QPointF(X(m_chart.axisTo), Y(m_chart.axisTo)));
        m_p->setPen(Fore());
        m_p->drawText(QRectF(body.left(), plot.top(), labels - m_gap, band),
                      Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("\u221E"));
        for (std::size_t i = 0; i < m_chart.series.size(); ++i)
            Curves(i, QRectF(plot.left(), top, plot.width(), bottom - top), plot.top(), X, Y);
        if (m_chart.focus && *m_chart.focus >= m_chart.axisFrom &&
            *m_chart.focus <= m_chart.axisTo) {
            m_p->setPen(QPen(Fore(), 1.5 * LineWidth(), Qt::DashLine));
            m_p->drawLine(QPointF(X(*m_chart.focus), plot.top()),
                          QPointF(X(*m_chart.focus), bottom));
        }
        TickLabels(bottom + m_em * 0.2, plot.left(), right,
                   QRectF(body.left(), bottom, body.width(), m_em), false);
        TickLabels(0, 0, 0,
                   QRectF(body.left(), top - m_em / 2, labels - m_gap, bottom - top + m_em), true,
                   top, bottom);
        m_p->setPen(Fore());
        m_p->drawText(QRectF(plot.left(), bottom + 1.2 * m_em, plot.width(), m_em),
                      Qt::AlignHCenter | Qt::AlignTop,
                      T(TR_NOOP("DOF Chart", "Focus distance (%1)")).arg(Text(m_chart.unitName)));
    }

    // A series' near and far curves, from the arithmetic at every column of
    // the device, and at the hyperfocal distance, where the far limit leaves
    // for infinity (at the top of `finite`).
    template <typename MapX, typename MapY>
    void CurveLines(const ChartSeries& s, const QRectF& finite, MapX X, MapY Y,
                    std::vector<QPointF>& nearLine, std::vector<QPointF>& farLine) const {
        const double columns = std::max(2.0, std::ceil(finite.width() * kColumnsPerUnit));
        const double a = std::log10(m_chart.axisFrom), b = std::log10(m_chart.axisTo);
        bool beyond = false;
        for (double k = 0; k <= columns; ++k) {
            const double v = std::pow(10.0, a + (b - a) * k / columns);
            if (s.hyperfocal > 0 && !beyond && v >= s.hyperfocal) {
                beyond = true;
                if (const auto at = ChartPointAt(s, s.hyperfocal))
                    nearLine.emplace_back(X(s.hyperfocal), Y(at->nearLimit));
                if (!farLine.empty())
                    farLine.emplace_back(X(s.hyperfocal), finite.top() - 1);
            }
            const std::optional<ChartPoint> pt = ChartPointAt(s, v);
            if (!pt || !(pt->nearLimit > 0))
                continue;
            nearLine.emplace_back(X(v), Y(pt->nearLimit)); // cut at the plot's edge below
            if (!pt->farIsInfinite)
                farLine.emplace_back(X(v), Y(std::min(pt->farLimit, m_chart.axisTo * 1e3)));
        }
    }

    template <typename MapX, typename MapY>
    void Curves(std::size_t i, const QRectF& finite, double infinityTop, MapX X, MapY Y) {
        const ChartSeries& s = m_chart.series[i];
        const QColor colour = Colour(i);
        const double width = CurveWidth(i);
        QPen pen(colour, width, kDashes[i % kDashCount], Qt::FlatCap, Qt::RoundJoin);
        std::vector<QPointF> nearLine, farLine;
        CurveLines(s, finite, X, Y, nearLine, farLine);
        // Cut at the plot's edges by geometry: an SVG drops a painter's clip.
        const QPainterPath nearPath = Clipped(nearLine, finite.adjusted(0, -1, 0, 0));
        const QPainterPath farPath = Clipped(farLine, finite.adjusted(0, -1, 0, 0));
        m_p->setBrush(Qt::NoBrush);
        if (Contrast(colour, Back()) < 1.8) { // a pale colour keeps a thin outline
            const QColor casing = Towards(0.45);
            QPen outline(casing, width + LineWidth(), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
            if (pen.style() != Qt::SolidLine) { // the same dashes, measured in its own width
                QList<qreal> dashes = pen.dashPattern();
                for (qreal& d : dashes)
                    d *= width / outline.widthF();
                outline.setDashPattern(dashes);
            }
            m_p->setPen(outline);
            m_p->drawPath(nearPath);
            m_p->drawPath(farPath);
        }
        m_p->setPen(pen);
        m_p->drawPath(nearPath);
        m_p->drawPath(farPath);
        if (s.hyperfocal > 0 && s.hyperfocal <= m_chart.axisTo) {
            const double x = X(s.hyperfocal);
            Arrow(QPointF(x, finite.top()), QPointF(x, infinityTop + m_em * 0.15), colour, width);
        }
    }

    // Diagonal lines across `box`, drawn as lines (not a pattern brush,
    // which an SVG cannot carry).
    void Hatch(const QRectF& box, const QColor& colour) {
        const double step = std::max(3.0, m_em * 0.3);
        QPainterPath lines;
        for (double x = box.left() - box.height(); x < box.right(); x += step)
            lines.addPath(
                Clipped({QPointF(x, box.bottom()), QPointF(x + box.height(), box.top())}, box));
        m_p->save();
        m_p->setPen(QPen(colour, std::max(1.0, LineWidth() * 0.6)));
        m_p->setBrush(Qt::NoBrush);
        m_p->drawPath(lines);
        m_p->restore();
    }

    // A polyline cut to `box`: each segment clipped (Liang and Barsky),
    // the pieces inside joined where they meet.
    static QPainterPath Clipped(const std::vector<QPointF>& line, const QRectF& box) {
        QPainterPath path;
        bool open = false;
        for (std::size_t i = 1; i < line.size(); ++i) {
            QPointF a = line[i - 1], b = line[i];
            const QPointF d = b - a;
            double t0 = 0, t1 = 1;
            const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
            const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                                box.bottom() - a.y()};
            bool inside = true;
            for (int k = 0; k < 4 && inside; ++k) {
                if (p[k] == 0) {
                    inside = q[k] >= 0;
                } else {
                    const double t = q[k] / p[k];
                    if (p[k] < 0)
                        t0 = std::max(t0, t);
                    else
                        t1 = std::min(t1, t);
                    inside = t0 <= t1;
                }
            }
            if (!inside || t1 - t0 < 1e-9) { // outside, or only touching an edge
                open = false;
                continue;
            }
            const QPointF from = a + d * t0, to = a + d * t1;
            if (!open || t0 > 0)
                path.moveTo(from);
            path.lineTo(to);
            open = t1 >= 1;
        }
        return path;
    }

    // ---- the legend

    void MakeLegend() {
        for (std::size_t i = 0; i < m_chart.series.size() && m_chart.view == ChartView::Limits; ++i)
            m_legend.push_back(
                {LegendItem::Mark::Series, Text(m_chart.series[i].label), static_cast<int>(i)});
        if (m_chart.focus)
            m_legend.push_back(
                {LegendItem::Mark::Subject,
                 (m_chart.view == ChartView::Zone ? T(TR_NOOP("DOF Chart", "Subject at %1"))
                                                  : T(TR_NOOP("DOF Chart", "Distance typed, %1")))
                     .arg(Text(m_chart.focusText))});
        else if (m_chart.view == ChartView::Zone)
            m_legend.push_back(
                {LegendItem::Mark::Subject, T(TR_NOOP("DOF Chart", "Where each is focused"))});
        const bool marked =
            std::any_of(m_chart.series.begin(), m_chart.series.end(), [this](const ChartSeries& s) {
                return s.hyperfocal > 0 && s.hyperfocal <= m_chart.axisTo;
            });
        if (m_chart.view == ChartView::Zone && marked)
            m_legend.push_back(
                {LegendItem::Mark::Hyperfocal, T(TR_NOOP("DOF Chart", "Hyperfocal distance"))});
        else if (m_chart.view == ChartView::Limits)
            m_legend.push_back(
                {LegendItem::Mark::Diagonal, T(TR_NOOP("DOF Chart", "Near = far = focus"))});
        if (std::any_of(m_chart.series.begin(), m_chart.series.end(),
                        [](const ChartSeries& s) { return s.chosen; }))
            m_legend.push_back(
                {LegendItem::Mark::Chosen, T(TR_NOOP("DOF Chart", "The aperture chosen"))});
        if (!m_chart.diffractionNote.empty())
            m_legend.push_back({m_chart.view == ChartView::Zone ? LegendItem::Mark::Softened
                                                                : LegendItem::Mark::None,
                                Text(m_chart.diffractionNote)});
        m_legend.push_back(
            {LegendItem::Mark::None,
             T(TR_NOOP("DOF Chart", "Distances in %1")).arg(Text(m_chart.unitName))});
    }

    double MarkWidth(const LegendItem& item) const {
        return item.mark == LegendItem::Mark::None ? 0 : 2.2 * m_em;
    }

    // The entries flow in lines, each whole; one wider than a line wraps its words.
    template <typename Place> double FlowLegend(double width, Place place) const {
        double x = 0, y = 0, line = 0;
        for (const LegendItem& item : m_legend) {
            const QFontMetricsF& metrics =
                item.mark == LegendItem::Mark::Chosen ? m_boldMetrics : m_metrics;
            const double mark = MarkWidth(item);
            double w = mark + metrics.horizontalAdvance(item.text) + m_em;
            double h = m_em;
            if (w > width) {
                w = width;
                h = WrappedHeight(metrics, item.text, width - mark - m_em);
            }
            if (x > 0 && x + w > width) {
                x = 0;
                y += line + m_gap / 2;
                line = 0;
            }
            place(item, QRectF(x, y, w, h));
            x += w;
            line = std::max(line, h);
        }
        return m_legend.empty() ? 0 : y + line;
    }

    double LegendHeight(double width) const {
        return FlowLegend(width, [](const LegendItem&, const QRectF&) {});
    }

    void Legend(const QRectF& box) {
        FlowLegend(box.width(), [&](const LegendItem& item, const QRectF& at) {
            const QRectF r = at.translated(box.topLeft());
            const double mark = MarkWidth(item);
            const QRectF swatch(r.left(), r.top() + m_em * 0.15, mark - m_gap, m_em * 0.7);
            const double mid = swatch.center().y(), w = LineWidth();
            switch (item.mark) {
            case LegendItem::Mark::Series: {
                const auto i = static_cast<std::size_t>(item.series);
                m_p->setPen(QPen(Colour(i), CurveWidth(i), kDashes[i % kDashCount], Qt::FlatCap));
                m_p->drawLine(QPointF(swatch.left(), mid), QPointF(swatch.right(), mid));
                break;
            }
            case LegendItem::Mark::Subject:
                m_p->setPen(QPen(Fore(), 1.5 * w, Qt::DashLine));
                m_p->drawLine(QPointF(swatch.center().x(), r.top()),
                              QPointF(swatch.center().x(), r.top() + m_em));
                break;
            case LegendItem::Mark::Hyperfocal:
                m_p->fillRect(
                    swatch.adjusted(0, swatch.height() * 0.25, 0, -swatch.height() * 0.25),
                    Colour(0));
                m_p->setPen(QPen(Fore(), 1.5 * w));
                m_p->drawLine(QPointF(swatch.center().x(), swatch.top()),
                              QPointF(swatch.center().x(), swatch.bottom()));
                break;
            case LegendItem::Mark::Diagonal:
                m_p->setPen(QPen(Fore(), w, Qt::DotLine));
                m_p->drawLine(swatch.bottomLeft(), swatch.topRight());
                break;
            case LegendItem::Mark::Chosen:
                m_p->fillRect(swatch, Colour(0));
                m_p->setPen(QPen(Fore(), 2.5 * w));
                m_p->drawRect(swatch);
                break;
            case LegendItem::Mark::Softened:
                m_p->fillRect(swatch, Colour(0));
                Hatch(swatch, Back());
                m_p->setPen(QPen(Fore(), w / 2));
                m_p->drawRect(swatch);
                break;
            case LegendItem::Mark::None:
                break;
            }
            m_p->setFont(item.mark == LegendItem::Mark::Chosen ? m_bold : m_font);
            m_p->setPen(Fore());
            m_p->drawText(QRectF(r.left() + mark, r.top(), r.width() - mark, r.height() + m_em),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, item.text);
            m_p->setFont(m_font);
        });
    }

    const DofChart& m_chart;
    QFont m_font, m_bold; // the title, the chosen aperture's texts: bold
    QFontMetricsF m_metrics, m_boldMetrics;
    const QPalette* m_palette;
    double m_em, m_gap;
    std::vector<LegendItem> m_legend;
    QPainter* m_p = nullptr;
};
} // namespace

void ChartDrawing::Paint(QPainter& painter, const QRectF& area, const QPalette& palette,
                         const QFont& font) const {
    Painter(m_chart, font, painter.device(), &palette).Draw(painter, area);
}

QSize ChartDrawing::LeastSize(const QFont& font) const {
    const QPalette palette;
    return Painter(m_chart, font, nullptr, &palette).Least().toSize() + QSize(1, 1);
}

PictureContent ChartContent(const DofChart& chart) {
    PictureContent content;
    content.title = Utf8ToCString(Tr("DOF Chart", kChartViewTexts[static_cast<int>(chart.view)]));
    content.description = Utf8ToCString(chart.refusal.empty() ? chart.summary : chart.refusal);
    const double infinity = std::numeric_limits<double>::infinity();
    for (const ChartSeries& s : chart.series) {
        PictureSeries series{chart.view == ChartView::Limits, Utf8ToCString(s.label), {}};
        for (const ChartPoint& p : s.points)
            series.points.push_back(
                {p.focus, p.nearLimit, p.farIsInfinite ? infinity : p.farLimit});
        if (!series.points.empty())
            content.series.push_back(std::move(series));
    }
    return content;
}

QPalette PaperPalette() {
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    return paper;
}
