#pragma once
// A shoot for programs: one CSV line a photo, the same whether written by
// `vextondof photo --format csv` or by the shoot's "Export CSV…".

#include "photo/photo_facts.h"
#include "photo/photo_shot.h"

#include <string>

// The header line, with its CRLF.
extern const char kPhotoCsvHeader[];

// One photo's line, with its CRLF: "%f" numbers with a "." and six
// decimals, "inf" for infinity, the date in ISO 8601, texts made safe for
// a spreadsheet.
std::string PhotoCsvLine(const PhotoFacts& facts, const PhotoShot& shot);
