#pragma once

#include <string>
#include <vector>

// Hands the program's templates, initial data, strings and icon to the
// framework; the program's first step.
void RegisterProgramResources();

// The languages the program speaks besides English.
inline std::vector<std::string> ProgramLanguages() {
    return {"de", "fr"};
}

// Installs the program's translations for `language` (of ProgramLanguages;
// "" for English); false, and English, when there are none.
bool LoadProgramTranslations(const std::string& language);

// The same, and Qt's own for its dialogs, in a running Qt application.
bool LoadProgramAndQtTranslations(const std::string& language);
