#pragma once
// Pictures written as SVG through Qt SVG, from a module loaded the first time
// one is written: Qt SVG is never loaded by a program that writes none.

#include <QSize>
#include <QString>
#include <functional>

class QIODevice;
class QPainter;

// `paint` on an SVG of `size` pixels (at 96 per inch), with its title and
// description, written to `out`. False, with `unavailable` saying why, when
// SVG cannot be written here.
bool WriteSvg(QIODevice& out, QSize size, const QString& title, const QString& description,
              const std::function<void(QPainter&)>& paint, QString* unavailable);

// The module's file name and its one entry point: it paints through
// `paint` with `context` onto an SVG written to `out`; 1 when it did.
inline constexpr const char* kSvgModule = "libvexton-svg.so";
extern "C" using SvgEntry =
    int(QIODevice * out, int width, int height, const char16_t* title, const char16_t* description,
        void (*paint)(QPainter*, void*), void* context);
inline constexpr const char* kSvgEntryName = "vexton_write_svg";
