// How far a long task has come: a bar with its words written on it, read
// by a screen reader as the bar's name and value.
#include "framework/qt/widgets.h"

#include <QFontMetrics>
#include <QProgressBar>

namespace {
QWidget* MakeProgress(const DialogItem& item, QWidget* parent, const ControlNotify&) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 1);
    bar->setValue(0);
    bar->setTextVisible(true);
    bar->setFormat(QString::fromUtf8(item.text));
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

// The words, whole, beside the bar's own room at either end.
bool Fits(const QWidget* widget, const QSize& size) {
    const auto* bar = static_cast<const QProgressBar*>(widget);
    const QFontMetrics metrics(bar->font());
    return metrics.horizontalAdvance(bar->text()) + 2 * metrics.averageCharWidth() <=
               size.width() &&
           metrics.height() <= size.height();
}
} // namespace

const ControlKindOps kProgressKind{
    .make = MakeProgress,
    .text = [](const QWidget* w) { return static_cast<const QProgressBar*>(w)->text(); },
    .setText =
        [](QWidget* w, const QString& text) {
            auto* bar = static_cast<QProgressBar*>(w);
            bar->setFormat(text);
            bar->setAccessibleName(text);
        },
    .name = [](QWidget* w, const QString& name) { w->setAccessibleName(name); },
    .fits = Fits,
};
