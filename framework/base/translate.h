#pragma once
// The texts a person reads, in the language of the desktop. Each English
// text stands with a context that says where it stands (a form's caption,
// "Menu", a part of the program); a translation is looked up by both. The
// program installs its catalogue once at start; without one, and for a
// text the catalogue lacks, the English text is the text, as it stands.

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Marks a text that is data (a form template's) for the translation tools;
// it is translated where it is shown.
#define TR_NOOP(context, text) text

class TextCatalog {
  public:
    virtual ~TextCatalog() = default;
    // The translation of `text` in `context`; empty when there is none.
    virtual std::string Find(const char* context, const char* text) const = 0;
};

// The catalogue every Tr looks in from now on; none for English.
void InstallTextCatalog(std::unique_ptr<TextCatalog> catalog);

// The catalogue Tr looks in now; none for English, and none while
// SourceTexts holds.
const TextCatalog* InstalledTextCatalog();

// While one lives, Tr gives the English texts as they stand: for output
// made for programs (CSV), which is the same in every language.
class SourceTexts {
  public:
    SourceTexts();
    ~SourceTexts();
    SourceTexts(const SourceTexts&) = delete;
    SourceTexts& operator=(const SourceTexts&) = delete;
};

// `text` in the person's language.
std::string Tr(const char* context, const char* text);

// `pattern` with %1, %2, ... replaced by `args` in order, as a translated
// sentence places them.
std::string Arg(std::string pattern, const std::vector<std::string>& args);

// The interface language the environment asks for, as gettext reads it:
// the messages' locale is the first set of LC_ALL, LC_MESSAGES and LANG; C
// or POSIX there means English whatever else is set; otherwise LANGUAGE's
// list, in order, then the messages' locale itself. The first of
// `available` named ("de" for de, de_DE.UTF-8 or de_AT@euro); "" for
// English, also when English comes first.
std::string InterfaceLanguage(const std::function<const char*(const char*)>& env,
                              const std::vector<std::string>& available);
