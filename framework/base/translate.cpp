#include "framework/base/translate.h"

#include <algorithm>

namespace {
std::unique_ptr<TextCatalog>& Installed() {
    static std::unique_ptr<TextCatalog> catalog;
    return catalog;
}

int& EnglishHeld() {
    static int held = 0;
    return held;
}

// The language part of a locale's name: "de" of de_DE.UTF-8@euro.
std::string LanguageOf(const std::string& locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}
} // namespace

void InstallTextCatalog(std::unique_ptr<TextCatalog> catalog) {
    Installed() = std::move(catalog);
}

const TextCatalog* InstalledTextCatalog() {
    return EnglishHeld() > 0 ? nullptr : Installed().get();
}

SourceTexts::SourceTexts() {
    ++EnglishHeld();
}

SourceTexts::~SourceTexts() {
    --EnglishHeld();
}

std::string Tr(const char* context, const char* text) {
    if (!text || !*text)
        return text ? text : "";
    if (const TextCatalog* catalog = InstalledTextCatalog()) {
        std::string found = catalog->Find(context, text);
        if (!found.empty())
            return found;
    }
    return text;
}

std::string Arg(std::string pattern, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string InterfaceLanguage(const std::function<const char*(const char*)>& env,
                              const std::vector<std::string>& available) {
    const auto value = [&env](const char* name) {
        const char* v = env(name);
        return std::string(v ? v : "");
    };
    std::string messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (messages.empty())
            messages = value(name);
    const std::string base = LanguageOf(messages);
    if (base == "C" || base == "POSIX")
        return {};
    std::vector<std::string> asked;
    const std::string list = value("LANGUAGE");
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t end = std::min(list.find(':', at), list.size());
        if (end > at)
            asked.push_back(LanguageOf(list.substr(at, end - at)));
        at = end + 1;
    }
    asked.push_back(base);
    for (const std::string& language : asked) {
        if (language == "en")
            return {};
        if (std::find(available.begin(), available.end(), language) != available.end())
            return language;
    }
    return {};
}
