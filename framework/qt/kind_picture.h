#pragma once
// A picture the program paints: the picture kind's widget. What it draws
// comes from the program as a drawing; what it shows, in words and numbers,
// as its content, which screen readers hear as its description.

#include "framework/base/picture_content.h"
#include "framework/qt/widgets.h"

#include <QWidget>
#include <memory>

class QPainter;

class PictureDrawing {
  public:
    virtual ~PictureDrawing() = default;
    // Paints the picture in `area`, in the palette's colours and `font`.
    virtual void Paint(QPainter& painter, const QRectF& area, const QPalette& palette,
                       const QFont& font) const = 0;
    // The least size that shows every text of it whole at `font`.
    virtual QSize LeastSize(const QFont& font) const = 0;
};

class PictureWidget : public QWidget {
    Q_OBJECT

  public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}
    void SetContent(PictureContent content, std::shared_ptr<const PictureDrawing> drawing);
    const PictureContent& Content() const { return m_content; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PictureContent m_content;
    std::shared_ptr<const PictureDrawing> m_drawing;
};
