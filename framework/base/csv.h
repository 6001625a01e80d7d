#pragma once
// Comma-separated values as RFC 4180 writes them, a line at a time.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A field: quoted when it holds a comma, a quote or a line break, its quotes doubled.
std::string CsvField(std::string_view text);

// A line's fields, a quoted field holding commas and doubled quotes; none
// for a quote left open.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line);
