#pragma once
// Qt's own catalogue of translations (its file, print and colour dialogs),
// loaded for the language the program's texts speak.

#include <string>

// Installs Qt's qtbase catalogue for `language` from Qt's translations
// folder into the running application, replacing the one installed before;
// an empty language leaves Qt's dialogs in English.
void LoadQtTranslations(const std::string& language);
