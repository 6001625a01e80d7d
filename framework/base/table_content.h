#pragma once
// A grid of texts: column headers, row headers and cells, one row and one
// column of which may be marked (drawn bold, and named so to a screen reader
// with the given words).

#include "framework/base/cstring.h"

#include <memory>
#include <string>
#include <vector>

struct TableContent {
    std::vector<CString> columns;
    std::vector<CString> rows;
    std::vector<std::vector<CString>> cells; // [row][column]
    int markedRow = -1;
    int markedColumn = -1;
    CString markedRowWords;    // what a screen reader adds for the marked row ("typed distance")
    CString markedColumnWords; // and for the marked column
    // A small picture for each row, shown before its first cell: a JPEG's
    // bytes, decoded only when the row is shown; null or unreadable: a
    // blank. Empty: no pictures.
    std::vector<std::shared_ptr<const std::string>> rowPictures;
};
