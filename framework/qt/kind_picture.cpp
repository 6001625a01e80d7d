// A picture: the picture kind.
#include "framework/qt/kind_picture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

void PictureWidget::SetContent(PictureContent content,
                               std::shared_ptr<const PictureDrawing> drawing) {
    m_content = std::move(content);
    m_drawing = std::move(drawing);
    setAccessibleDescription(QString::fromStdU16String(m_content.description));
    updateGeometry();
    update();
}

QSize PictureWidget::minimumSizeHint() const {
    return m_drawing ? m_drawing->LeastSize(font()) : QSize();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    if (m_drawing)
        m_drawing->Paint(painter, QRectF(rect()), palette(), font());
    if (hasFocus()) { // where the keyboard is, as the desktop's style marks it
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

namespace {
QWidget* MakePicture(const DialogItem& item, QWidget* parent) {
    auto* picture = new PictureWidget(parent);
    picture->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    return picture;
}
} // namespace

const ControlKindOps kPictureKind{
    .make = [](const DialogItem& item, QWidget* parent,
               const ControlNotify&) { return MakePicture(item, parent); },
    .name = [](QWidget* w, const QString& name) { w->setAccessibleName(name); },
    .contentSize = [](const QWidget* w) { return w->minimumSizeHint(); },
    .growsForm = true,
    .keepsWhole = true,
};
