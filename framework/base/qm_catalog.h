#pragma once
// The program's translations read straight from the bytes of a Qt Linguist
// catalogue (a .qm file, as lrelease writes it), with no Qt library loaded.
// A text is found as Qt's own translator finds it: by its context and its
// English text, with no disambiguation and no plural forms.

#include "framework/base/translate.h"

#include <memory>
#include <string_view>

// A catalogue over `bytes`, which it reads in place: they must stay as they
// are while it lives (data built into the program). None when the bytes are
// not a catalogue Qt would load: a wrong or short header, a section longer
// than the bytes, broken plural rules, or other catalogues to load with it.
// Any bytes are safe: where a catalogue is damaged it gives no translation.
std::unique_ptr<TextCatalog> QmCatalog(std::string_view bytes);
