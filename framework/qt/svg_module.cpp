// The SVG module: Qt SVG's generator, for WriteSvg to load when first asked.
#include "framework/qt/svg_writing.h"

#include <QPainter>
#include <QSvgGenerator>

// The build that made it, which the program checks before anything else.
extern "C" Q_DECL_EXPORT const char* vexton_module_stamp() {
    return VEXTON_MODULE_STAMP;
}

extern "C" Q_DECL_EXPORT int vexton_write_svg(QIODevice* out, int width, int height,
                                              const char16_t* title, const char16_t* description,
                                              void (*paint)(QPainter*, void*), void* context) {
    QSvgGenerator svg;
    svg.setOutputDevice(out);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(96);
    svg.setTitle(QString::fromUtf16(title));
    svg.setDescription(QString::fromUtf16(description));
    QPainter painter;
    if (!painter.begin(&svg))
        return 0;
    paint(&painter, context);
    return painter.end() ? 1 : 0;
}
