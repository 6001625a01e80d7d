#pragma once
// Whether a static text's or a button's text shows whole in a given size.

class QSize;
class QWidget;

// A label's text fits beside or, when it wraps, above the rest of its lines;
// a button's inside its frame. Other controls always fit.
bool TextFits(const QWidget* control, const QSize& size);
