#pragma once
// Comma-separated values as RFC 4180 writes them, a line at a time.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A field: quoted when it holds a comma, a quote or a line break, its quotes
// doubled. A text a spreadsheet would take for a formula (one that begins
// with =, +, -, @, a tab or a carriage return) gets an apostrophe in front,
// as spreadsheets mark a text, so that none is ever run; one that begins
// with apostrophes before such a character gets one more, so that
// ReadCsvText gives back every text exactly.
std::string CsvField(std::string_view text);
// A field's text as CsvField was given it: the apostrophe it put in front
// of a formula taken off again.
std::string ReadCsvText(std::string_view field);

// A line's fields, a quoted field holding commas and doubled quotes; none
// for a quote left open.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line);
