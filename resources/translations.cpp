#include "resources/program_resources.h"

#include "framework/qt/translations.h"

bool LoadProgramAndQtTranslations(const std::string& language) {
    const bool found = LoadProgramTranslations(language);
    LoadQtTranslations(found ? language : std::string());
    return found;
}
