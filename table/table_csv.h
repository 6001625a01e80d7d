#pragma once
// The table as a file for programs (RFC 4180): a header line, then a line
// for each distance and aperture, lengths in the unit with six decimals as
// "%f" writes them, "." whatever the locale, "inf" for what has no end.

#include "framework/base/csv.h"
#include "table/dof_table.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A number for programs: six decimals as "%f" writes them, never a negative zero.
std::string CsvNumber(double value);

inline constexpr const char* kTableCsvHeader =
    "distance,aperture,f_number,near,far,total,in_front,behind,hyperfocal,airy_disc_mm,coc_mm,unit";

struct TableCsv {
    std::string text;                  // the header line and a line per distance and aperture
    std::vector<std::string> refusals; // one per distance left out: "DISTANCE: SENTENCE"
};

// `request.shows`, the marks and the person's number settings play no part:
// every number is in every line, as programs read it.
TableCsv WriteTableCsv(const TableRequest& request);

// The same, handed to `sink` in pieces of a few kilobytes as it is made, so
// that no more than a piece is ever held; the refusals are returned.
using TextSink = std::function<void(std::string_view)>;
std::vector<std::string> WriteTableCsv(const TableRequest& request, const TextSink& sink);
