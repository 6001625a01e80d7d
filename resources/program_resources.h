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

// Loads the program's translations for `language` (of ProgramLanguages;
// "" for English) and Qt's own; false when they could not be loaded.
bool LoadProgramTranslations(const std::string& language);
