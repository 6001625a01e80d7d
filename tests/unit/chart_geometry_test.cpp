// The DOF chart as drawn: where each bar and each curve's point lands,
// read back from the painting itself and measured against the axis its own
// tick labels mark. The axis is logarithmic and runs the way a reader
// expects (distances grow to the right and, on the limits, upwards), and
// every point stands where the number it draws belongs.
#include "../engine_device.h"
#include "chart/chart_drawing.h"
#include "closeup/stack_plan.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {
// What was painted, in device pixels.
struct Painted {
    struct Text {
        QString text;
        QPointF baseline;
        double width = 0, ascent = 0, descent = 0;
    };
    std::vector<Text> texts;
    std::vector<std::vector<QPointF>> paths; // each path's points, as drawn
    std::vector<QRectF> filled;              // rectangles filled with a colour
};

class RecordingEngine : public QPaintEngine {
  public:
    explicit RecordingEngine(Painted& painted) : QPaintEngine(AllFeatures), m_painted(painted) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath& path) override {
        std::vector<QPointF> points;
        for (int i = 0; i < path.elementCount(); ++i)
            points.push_back(m_transform.map(QPointF(path.elementAt(i))));
        m_painted.paths.push_back(std::move(points));
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF* rects, int count) override {
        if (m_brush.style() == Qt::SolidPattern && m_brush.color() != Qt::white)
            for (int i = 0; i < count; ++i)
                m_painted.filled.push_back(m_transform.mapRect(rects[i]));
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        m_painted.texts.push_back(
            {item.text(), m_transform.map(p), item.width(), item.ascent(), item.descent()});
    }
    Type type() const override { return User; }

  private:
    Painted& m_painted;
    QBrush m_brush;
    QTransform m_transform;
};

Painted Paint(const DofChart& chart, QSize size) {
    Painted painted;
    RecordingEngine engine(painted);
    EngineDevice device(size, engine);
    QPainter painter(&device);
    ChartDrawing(chart).Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), PaperPalette(),
                              QGuiApplication::font());
    return painted;
}

// A logarithmic axis as its labels place it: pixel = a + b·log10(value).
struct Axis {
    double a = 0, b = 0;
    double worst = 0; // the farthest a label stands from the fitted line, in pixels
    int labels = 0;
    double At(double value) const { return a + b * std::log10(value); }
};

Axis Fit(const std::vector<std::pair<double, double>>& valueAndPixel) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const auto& [value, pixel] : valueAndPixel) {
        const double x = std::log10(value);
        n += 1, sx += x, sy += pixel, sxx += x * x, sxy += x * pixel;
    }
    Axis axis;
    axis.labels = static_cast<int>(n);
    if (n < 2)
        return axis;
    axis.b = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    axis.a = (sy - axis.b * sx) / n;
    for (const auto& [value, pixel] : valueAndPixel)
        axis.worst = std::max(axis.worst, std::fabs(axis.At(value) - pixel));
    return axis;
}

// The two axes the tick labels mark: along the bottom, each label centred
// under its mark; up the left (the limits), each centred beside its mark.
// Labels at the axis's ends may be pushed inside the picture; they are left out.
struct Axes {
    Axis across, up;
};

Axes AxesOf(const DofChart& chart, const Painted& painted) {
    std::map<QString, double> tickAt;
    for (const ChartTick& t : chart.ticks)
        if (t.at > chart.axisFrom && t.at < chart.axisTo)
            tickAt[QString::fromStdString(t.label)] = t.at;
    double lowest = 0; // the baseline of the labels along the bottom
    for (const Painted::Text& t : painted.texts)
        if (tickAt.count(t.text))
            lowest = std::max(lowest, t.baseline.y());
    std::vector<std::pair<double, double>> across, up;
    for (const Painted::Text& t : painted.texts) {
        const auto tick = tickAt.find(t.text);
        if (tick == tickAt.end())
            continue;
        if (std::fabs(t.baseline.y() - lowest) < 0.5)
            across.emplace_back(tick->second, t.baseline.x() + t.width / 2);
        else
            up.emplace_back(tick->second, t.baseline.y() - t.ascent + (t.ascent + t.descent) / 2);
    }
    return {Fit(across), Fit(up)};
}

ChartRequest Request(ChartView view) {
    ChartRequest request;
    request.view = view;
    request.table.lens =
        ReadLens({"50.0", "", "2", "0.0300", 1.0, "", ""}, NumberSettings{}); // metres
    SetApertureColumns(request.table, 2.8, 22, StopSteps::Whole, TableAperture{"f/8", 8.0});
    request.focus = 3;
    return request;
}

constexpr double kPixel = 1.0; // how far a mark may stand from where its number belongs
} // namespace

// The sharp zone: one bar an aperture, top to bottom in the columns'
// order, each from its near limit to its far limit on the axis the labels
// mark; the bars of smaller apertures reach further on both sides.
TEST(ChartGeometry, EachBarSpansItsLimitsOnTheMarkedAxis) {
    const DofChart chart = MakeChart(Request(ChartView::Zone), NumberSettings{});
    ASSERT_TRUE(chart.refusal.empty()) << chart.refusal;
    const Painted painted = Paint(chart, QSize(900, 600));
    const Axes axes = AxesOf(chart, painted);
    ASSERT_GE(axes.across.labels, 3);
    EXPECT_LT(axes.across.worst, kPixel) << "the labels lie on one logarithmic axis";
    EXPECT_GT(axes.across.b, 0) << "distances grow to the right";

    // The bars are filled first, the legend's swatches after them.
    const std::vector<QRectF>& bars = painted.filled;
    ASSERT_GE(bars.size(), chart.series.size());
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const ChartPoint& zone = chart.series[i].points.at(0);
        SCOPED_TRACE(chart.series[i].label);
        EXPECT_NEAR(bars[i].left(), axes.across.At(zone.nearLimit), kPixel);
        if (!zone.farIsInfinite) {
            EXPECT_NEAR(bars[i].right(), axes.across.At(zone.farLimit), kPixel);
        }
        if (i > 0) {
            EXPECT_GT(bars[i].top(), bars[i - 1].top()) << "in the columns' order, downwards";
            EXPECT_LT(bars[i].left(), bars[i - 1].left()) << "a smaller aperture reaches nearer";
        }
    }
}

// The limits by distance: the focus across, the limits up, both on
// logarithmic axes that grow to the right and upwards; each curve's points
// stand at (focus, near limit) and (focus, far limit).
TEST(ChartGeometry, EachCurvePointStandsAtItsFocusAndLimit) {
    const DofChart chart = MakeChart(Request(ChartView::Limits), NumberSettings{});
    ASSERT_TRUE(chart.refusal.empty()) << chart.refusal;
    const Painted painted = Paint(chart, QSize(900, 700));
    const Axes axes = AxesOf(chart, painted);
    ASSERT_GE(axes.across.labels, 3);
    ASSERT_GE(axes.up.labels, 3);
    EXPECT_LT(axes.across.worst, kPixel);
    EXPECT_LT(axes.up.worst, kPixel);
    EXPECT_GT(axes.across.b, 0) << "focus distances grow to the right";
    EXPECT_LT(axes.up.b, 0) << "limits grow upwards";

    // A point the curves pass through: within a pixel of a drawn path.
    const auto drawn = [&painted](QPointF wanted) {
        for (const std::vector<QPointF>& path : painted.paths)
            for (std::size_t i = 0; i < path.size(); ++i) {
                const QPointF a = path[i], b = path[i + 1 < path.size() ? i + 1 : i];
                const QPointF d = b - a;
                const double length2 = QPointF::dotProduct(d, d);
                const double t =
                    length2 > 0 ? std::clamp(QPointF::dotProduct(wanted - a, d) / length2, 0.0, 1.0)
                                : 0.0;
                const QPointF off = a + d * t - wanted;
                if (std::hypot(off.x(), off.y()) < kPixel)
                    return true;
            }
        return false;
    };
    const double top = axes.up.At(chart.axisTo), bottom = axes.up.At(chart.axisFrom);
    int checked = 0;
    for (ChartSeries s : chart.series) {
        SCOPED_TRACE(s.label);
        // The chart's own points, and between them what a press finds at
        // any distance: no straight stretch cuts a corner of the curve.
        for (int k = 0; k <= 400; ++k)
            if (const auto between = ChartPointAt(
                    s, chart.axisFrom * std::pow(chart.axisTo / chart.axisFrom, k / 400.0)))
                s.points.push_back(*between);
        for (const ChartPoint& pt : s.points) {
            const double x = axes.across.At(pt.focus);
            const double nearY = axes.up.At(pt.nearLimit);
            if (nearY > top && nearY < bottom) { // inside the plot, not cut at its edge
                EXPECT_TRUE(drawn({x, nearY})) << "near " << pt.nearLimit << " at " << pt.focus;
                ++checked;
            }
            if (!pt.farIsInfinite) {
                const double farY = axes.up.At(pt.farLimit);
                if (farY > top && farY < bottom) {
                    EXPECT_TRUE(drawn({x, farY})) << "far " << pt.farLimit << " at " << pt.focus;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 500) << "enough of the curves lie inside the plot to say";
}

namespace {
// 100 mm at f/16 on full frame, c = 0.03 mm, in metres.
Lens MacroLens() {
    Lens lens;
    lens.focalLength = 100;
    lens.fNumber = 16;
    lens.cocEquivalent = 0.03;
    lens.sensor = {36, 24};
    lens.unitCode = 2;
    return lens;
}

StackTyped OnRail(std::string depth) {
    StackTyped t;
    t.by = StackBy::Rail;
    t.depth = std::move(depth);
    return t;
}
} // namespace

// A plan of hundreds of shots draws its bars thinner rather than asking for
// a form taller than any screen.
TEST(ChartGeometry, ManyBarsAskForNoMoreRoomThanADozen) {
    const NumberSettings english;
    const StackPlan dozen = MakeStackPlan(MacroLens(), {"1:1", "", "", ""}, OnRail("17"), english);
    const StackPlan hundreds =
        MakeStackPlan(MacroLens(), {"1:1", "", "", ""}, OnRail("800"), english);
    ASSERT_EQ(dozen.rail.positions.size(), 13u);
    ASSERT_GT(hundreds.rail.positions.size(), 500u);
    const QFont font;
    EXPECT_LE(ChartDrawing(hundreds.chart).LeastSize(font).height(),
              ChartDrawing(dozen.chart).LeastSize(font).height());
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
