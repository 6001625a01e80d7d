#include "resources/program_resources.h"

#include "framework/qt/translations.h"

bool LoadProgramTranslations(const std::string& language) {
    return LoadTranslations(language, ":/translations/vextondof");
}
