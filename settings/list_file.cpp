#include "settings/list_file.h"

#include "framework/base/cstring.h"
#include "framework/base/csv.h"
#include "framework/base/file.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {
// A line's fields: separated by tabs when it has one, else by commas, a
// field in double quotes holding commas and doubled quotes (RFC 4180). None
// for a quote left open.
std::optional<std::vector<std::string>> Fields(std::string_view line) {
    if (line.find('\t') == std::string_view::npos)
        return SplitCsvLine(line);
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back().push_back(c);
    }
    return fields;
}
} // namespace

ListFileRead ReadListFile(const SettingsLocation& where, std::uint64_t largest, int waitMs) {
    ListFileRead r;
    r.read = ReadStoredFile(
        where,
        [&](CFile& file) {
            if (file.GetLength() > largest) {
                r.tooLarge = true;
                return;
            }
            char buffer[65536];
            while (const std::size_t n = file.Read(buffer, sizeof buffer))
                r.text.append(buffer, n);
        },
        &r.held, waitMs);
    if (r.tooLarge) {
        r.read = false;
        r.text.clear();
    }
    // A file there that cannot be read (not the person's to read, a link of
    // someone else's, not a file) is never written over with nothing.
    std::error_code ec;
    const bool there =
        !where.path.empty() && std::filesystem::symlink_status(where.path, ec).type() !=
                                   std::filesystem::file_type::not_found;
    r.unreadable = !r.read && !r.held && !r.tooLarge && there;
    return r;
}

std::string ListLine::Field(std::string_view column) const {
    for (std::size_t i = 0; i < m_columns.size() && i < m_fields.size(); ++i)
        if (m_columns[i] == column)
            return ReadCsvText(m_fields[i]); // a formula's mark taken off again
    return {};
}

void ReadListLines(std::string_view text, const std::vector<std::string>& withoutHeader,
                   const std::function<bool(const ListLine&)>& read,
                   std::vector<std::string>& unread) {
    std::vector<std::string> columns = withoutHeader;
    // A byte-order mark, as some editors begin a UTF-8 file with, is none of
    // the first line's (and is not written back).
    std::size_t start = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view raw = text.substr(start, end - start);
        std::string_view line = raw;
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (line.rfind("name,", 0) == 0 || line.rfind("name\t", 0) == 0) {
            columns = Fields(line).value_or(withoutHeader); // a header names the columns
            continue;
        }
        const std::optional<std::vector<std::string>> fields =
            line.front() == '#' || !IsListText(line) ? std::nullopt : Fields(line);
        if (!fields || !read(ListLine(columns, *fields)))
            unread.emplace_back(raw); // as it was, its line end too
    }
}

std::string FirstListField(const std::string& text) {
    if (text.empty() || (text[0] != '#' && text.rfind("name", 0) != 0))
        return CsvField(text);
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::optional<double> ListNumber(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value <= 0)
        return std::nullopt;
    return value;
}

std::string ExactListNumber(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

bool IsListText(std::string_view text) {
    for (const char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F)
            return false;
    return CStringToUtf8(Utf8ToCString(text)) == text;
}

ListFileUpdate UpdateListFile(const SettingsLocation& where, std::uint64_t largest,
                              const std::function<std::string(const std::optional<std::string>& old,
                                                              std::string& now)>& change) {
    ListFileUpdate r;
    if (where.KeptForTheRunOnly()) {
        r.forRunOnly = true;
        return r;
    }
    r.written = UpdateStoredFile(
        where, largest,
        [&](const std::optional<std::string>& old, std::string& now) {
            r.refusal = change(old, now);
            return r.refusal.empty();
        },
        &r.error, &r.tooLarge);
    return r;
}
