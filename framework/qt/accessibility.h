#pragma once
// What assistive technology hears of a form's controls.

#include <QString>

// A label's text as a name: without the colon and blanks it ends with.
QString NameFromLabel(const QString& text);

// Makes a label that reports taps offer screen readers a press action that
// taps it, and a picture read as a chart. Installed once; harmless to call again.
void InstallTapLabelAccessibility();
