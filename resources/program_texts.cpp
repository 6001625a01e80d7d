#include "resources/program_resources.h"

#include "framework/base/qm_catalog.h"
#include "framework/base/translate.h"

#include <string_view>

// The German and French catalogues, as Qt Linguist's release tool writes
// them, built into the program: no file to find, no Qt to read them.
#ifdef VEXTON_QM_DE
#define VEXTON_EMBED(name, file)                                                                   \
    asm(".pushsection .rodata." #name ",\"a\"\n"                                                   \
        ".balign 8\n"                                                                              \
        ".globl " #name "\n"                                                                       \
        ".hidden " #name "\n" #name ":\n"                                                          \
        ".incbin \"" file "\"\n"                                                                   \
        ".globl " #name "_end\n"                                                                   \
        ".hidden " #name "_end\n" #name "_end:\n"                                                  \
        ".popsection\n");                                                                          \
    extern "C" __attribute__((visibility("hidden"))) const char name[], name##_end[];
VEXTON_EMBED(vexton_texts_de, VEXTON_QM_DE)
VEXTON_EMBED(vexton_texts_fr, VEXTON_QM_FR)
#endif

namespace {
std::string_view CatalogueBytes(const std::string& language) {
#ifdef VEXTON_QM_DE
    if (language == "de")
        return {vexton_texts_de, static_cast<std::size_t>(vexton_texts_de_end - vexton_texts_de)};
    if (language == "fr")
        return {vexton_texts_fr, static_cast<std::size_t>(vexton_texts_fr_end - vexton_texts_fr)};
#endif
    (void)language;
    return {};
}
} // namespace

bool LoadProgramTranslations(const std::string& language) {
    // What was installed last, so that a second call for the same language
    // (the terminal's, then the window's at its start) makes nothing again
    // unless the catalogue was replaced since.
    static std::string loadedLanguage;
    static const TextCatalog* loaded = nullptr;
    if (language == loadedLanguage && InstalledTextCatalog() == loaded)
        return true;
    std::unique_ptr<TextCatalog> made;
    if (!language.empty()) {
        made = QmCatalog(CatalogueBytes(language));
    }
    const bool found = made || language.empty();
    loaded = made.get();
    loadedLanguage = found ? language : std::string();
    InstallTextCatalog(std::move(made)); // English when there is none
    return found;
}
