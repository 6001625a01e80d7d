#include "framework/base/csv.h"

namespace {
// Whether a spreadsheet would take `text`, after its leading apostrophes, for
// a formula.
bool LooksLikeFormula(std::string_view text) {
    const std::size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}
} // namespace

std::string CsvField(std::string_view given) {
    // Appended to, rather than joined: GCC 12 at -O3 takes "'" + text for an
    // overlapping copy.
    std::string text;
    if (LooksLikeFormula(given))
        text.push_back('\'');
    text.append(given);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string ReadCsvText(std::string_view field) {
    if (!field.empty() && field[0] == '\'' && LooksLikeFormula(field))
        field.remove_prefix(1);
    return std::string(field);
}

std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back().push_back('"');
            ++i;
        } else if (c == '"' && (quoted || fields.back().empty())) {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    if (quoted)
        return std::nullopt;
    return fields;
}
