#include "framework/qt/svg_writing.h"

#include "framework/base/translate.h"
#include "framework/qt/modules.h"

namespace {
void PaintThrough(QPainter* painter, void* context) {
    (*static_cast<const std::function<void(QPainter&)>*>(context))(*painter);
}
} // namespace

bool WriteSvg(QIODevice& out, QSize size, const QString& title, const QString& description,
              const std::function<void(QPainter&)>& paint, QString* unavailable) {
    const QString what = QString::fromStdString(Tr("Modules", "Writing SVG"));
    auto* write =
        reinterpret_cast<SvgEntry*>(ModuleEntry(kSvgModule, kSvgEntryName, what, unavailable));
    if (!write)
        return false;
    return write(&out, size.width(), size.height(),
                 reinterpret_cast<const char16_t*>(title.utf16()),
                 reinterpret_cast<const char16_t*>(description.utf16()), &PaintThrough,
                 const_cast<std::function<void(QPainter&)>*>(&paint)) == 1;
}
