#pragma once
// The DOF chart drawn with QPainter, the same on screen, on paper and in
// files: a logarithmic distance axis ending in infinity, the apertures in
// colours that stay apart for colour-blind eyes (Okabe and Ito's), each
// also told apart by its label or its dash, and every text whole.

#include "chart/dof_chart.h"
#include "framework/base/picture_content.h"
#include "framework/qt/kind_picture.h"

#include <QFont>
#include <QPalette>

class ChartDrawing : public PictureDrawing {
  public:
    explicit ChartDrawing(DofChart chart) : m_chart(std::move(chart)) {}
    void Paint(QPainter& painter, const QRectF& area, const QPalette& palette,
               const QFont& font) const override;
    QSize LeastSize(const QFont& font) const override;
    const DofChart& Chart() const { return m_chart; }

  private:
    DofChart m_chart;
};

// What the chart shows, in words and numbers: its view, each bar or curve
// with its numbers as drawn, and its summary.
PictureContent ChartContent(const DofChart& chart);

// The colours of paper: black on white, whatever the desktop's palette.
QPalette PaperPalette();
