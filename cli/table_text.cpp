#include "cli/table_text.h"

#include <algorithm>

std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

namespace {
// The columns' widths from every row, then the lines: `make(r, header,
// cells)` makes row r when asked, so that no more than a row is held.
template <typename MakeRow>
void WriteRows(const DofTable& frame, std::size_t count, MakeRow make, const OutputSink& sink) {
    std::vector<std::string> header{""};
    for (std::size_t c = 0; c < frame.columns.size(); ++c)
        header.push_back((static_cast<int>(c) == frame.boldColumn ? ">" : "") + frame.columns[c]);
    std::vector<std::string> cells;
    std::vector<std::size_t> widths(header.size(), 0);
    const auto widen = [&widths](const std::vector<std::string>& row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    };
    // Row r as printed: its header, marked, then its cells.
    std::vector<std::string> printed;
    const auto row = [&](std::size_t r) {
        std::string title;
        make(r, title, cells);
        printed.assign(1, (static_cast<int>(r) == frame.boldRow ? ">" : "") + title);
        printed.insert(printed.end(), cells.begin(), cells.end());
    };
    widen(header);
    for (std::size_t r = 0; r < count; ++r) {
        row(r);
        widen(printed);
    }
    const auto write = [&](const std::vector<std::string>& line) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            const std::string pad(widths[c] - DisplayWidth(line[c]), ' ');
            text += c == 0 ? line[c] + pad : "  " + pad + line[c];
        }
        sink(text + "\n");
    };
    write(header);
    for (std::size_t r = 0; r < count; ++r) {
        row(r);
        write(printed);
    }
    sink(frame.roundingNote + "\n");
    for (const std::string* note : {&frame.diffractionNote, &frame.closeUpNote})
        if (!note->empty())
            sink(*note + "\n");
}
} // namespace

void WriteTableText(const TableRows& rows, const OutputSink& sink) {
    WriteRows(
        rows.Frame(), rows.Count(),
        [&rows](std::size_t r, std::string& header, std::vector<std::string>& cells) {
            rows.Row(r, header, cells);
        },
        sink);
}

void WriteTableText(const DofTable& table, const OutputSink& sink) {
    WriteRows(
        table, table.rows.size(),
        [&table](std::size_t r, std::string& header, std::vector<std::string>& cells) {
            header = table.rows[r];
            cells = table.cells[r];
        },
        sink);
}
