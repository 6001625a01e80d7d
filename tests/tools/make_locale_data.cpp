// Writes framework/base/locale_data.inc to standard output, from the locale
// data of the Qt it runs with:
//
//   make-locale-data > framework/base/locale_data.inc
#include "tests/tools/locale_data_text.h"

#include <cstdio>
#include <exception>

int main() {
    try {
        locale_data::Table table;
        const std::string text = locale_data::LocaleDataText(true, &table);
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            std::perror("make-locale-data");
            return 1;
        }
        std::string tokens;
        for (const std::string& token : table.tokens)
            tokens += " " + token;
        std::fprintf(stderr, "%d locales, %zu ways, %zu names, %zu aliases; format tokens:%s\n",
                     table.locales, table.ways.size(), table.names.size(), table.aliases.size(),
                     tokens.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-locale-data: %s\n", e.what());
        return 1;
    }
}
