#pragma once
// The program's catalogue of translations and Qt's own, loaded for a
// language: the program's texts (Tr) and Qt's dialogs then speak it.

#include <string>

// Loads `catalog` + "_" + `language` + ".qm" (a Qt resource path such as
// ":/translations/vextondof") for the program's texts, and Qt's own
// qtbase catalogue from Qt's translations folder for its dialogs, into the
// running application when there is one. An empty language, or one without
// a catalogue, leaves English. Called again for the same language, it reads
// the program's catalogue no second time. False when the program's
// catalogue could not be loaded.
bool LoadTranslations(const std::string& language, const std::string& catalog);
