#pragma once
// The person's own lists, each a file beside the settings file under the
// same rules as it (their cameras, their lenses): CSV with a header line
// naming the columns, one record a line; a file without the header is read
// in the columns given for it, separated by commas or tabs. A line that
// cannot be read is kept and written back as it was, a note ("#…") too; a
// file that cannot be read is never written over with less, and is never the
// reason the program fails.

#include "settings/settings_file.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A list file's content, and what kept it from being read.
struct ListFileRead {
    std::string text;
    bool read = false;       // the file was read whole
    bool tooLarge = false;   // it holds more than it may; left alone
    bool held = false;       // another copy held it past the wait
    bool unreadable = false; // something is there that cannot be read
};
ListFileRead ReadListFile(const SettingsLocation& where, std::uint64_t largest, int waitMs);

// One line of a list, its fields by their columns' names.
class ListLine {
  public:
    ListLine(const std::vector<std::string>& columns, const std::vector<std::string>& fields)
        : m_columns(columns), m_fields(fields) {}
    // The field of that column, as written ("" when the line has none).
    std::string Field(std::string_view column) const;

  private:
    const std::vector<std::string>& m_columns;
    const std::vector<std::string>& m_fields;
};

// Reads each record line of `text` (after a UTF-8 byte-order mark) with `read`; a line `read`
// refuses, a note and a line that is not text go to `unread` as they were.
void ReadListLines(std::string_view text, const std::vector<std::string>& withoutHeader,
                   const std::function<bool(const ListLine&)>& read,
                   std::vector<std::string>& unread);

// The first field of a record: quoted where it would read as a note or as
// the header.
std::string FirstListField(const std::string& text);
// A positive, finite number as the file writes it ("%g"-like, "." always).
std::optional<double> ListNumber(std::string_view text);
// The shortest text that reads back as the same double.
std::string ExactListNumber(double value);
// UTF-8 a person wrote: no control characters but tabs.
bool IsListText(std::string_view text);

// A change to a list file under one hold of its lock, so that no record
// another program adds or removes meanwhile is lost: `change` gets the
// content (none for no file yet), makes the new one and returns a refusal
// (one sentence) to change nothing.
struct ListFileUpdate {
    std::string refusal;
    bool forRunOnly = false; // the folder is not the person's: nothing can be kept
    bool tooLarge = false;
    bool written = false;
    CFileException error; // when neither refused nor written
};
ListFileUpdate UpdateListFile(const SettingsLocation& where, std::uint64_t largest,
                              const std::function<std::string(const std::optional<std::string>& old,
                                                              std::string& now)>& change);
