#pragma once
// The calculator from a terminal: `vextondof calculate`, `vextondof table`
// and `vextondof plan`, a thin layer over the same logic the forms use. Nothing here opens a
// window, and the settings file is read, never written.

#include "chart/dof_chart.h"
#include "framework/base/calendar_time.h"
#include "framework/base/number_format.h"
#include "photo/photo_loading.h"
#include "table/dof_table.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Where a verb's output goes, piece by piece as it is made.
using OutputSink = std::function<void(std::string_view)>;

// What the command line is given of the machine.
struct CommandLineContext {
    std::string programPath; // where the settings file is looked for, as the program does
    std::string configHome;
    NumberSettings numbers; // the user's, from LC_ALL, LC_NUMERIC, LANG
    // Writes the PDF of a table (the pages the table form exports) to the
    // sink; false when none can be made here. `letter`: none for the
    // locale's paper.
    std::function<bool(const DofTable&, const TablePageHeading&, std::optional<bool> letter,
                       const OutputSink&)>
        pdf;
    // Writes a chart (the chart form's drawing) to the sink in `format`;
    // "" when it did, else why it could not. `letter` as for the PDF.
    std::function<std::string(const DofChart&, const TablePageHeading&, ChartFormat,
                              std::optional<bool> letter, const OutputSink&)>
        chart;
    // Reads photos, a batch at a time: the program's reader process unless
    // another source is given.
    std::function<std::unique_ptr<PhotoSource>()> photos = [] { return OpenPhotoReader(); };
    // A date and time as the person writes them; none: as programs do.
    std::function<std::string(const CalendarTime&)> dateText = nullptr;
    // Told how far a long job has come (done of all), where someone watches.
    std::function<void(std::size_t done, std::size_t of)> progress = nullptr;
};

// Thrown by a `produce` that could make nothing of what was asked (a chart
// that cannot be drawn): what it says goes to standard error, the exit
// status is 1, and a file asked for is left as it was.
struct NothingMade : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct CommandResult {
    int exitCode = 0;
    std::string out;        // for standard output, or the --output file
    std::string err;        // for standard error
    std::string outputFile; // --output, when given ("-": standard output)
    bool binaryOut = false; // a PDF: refused on a terminal
    // When set, makes the output piece by piece instead of `out`, so that a
    // long one is never held whole; what it returns goes to standard error
    // and, when not empty, makes the exit status 1.
    std::function<std::string(const OutputSink&)> produce;
};

// Runs `produce` into `out` and `err`, for those who want the output whole.
void CollectOutput(CommandResult& result);

// Runs `args` (the program's arguments after its name) when they begin with
// a verb of the command line; none otherwise.
std::optional<CommandResult> RunCommandLine(const std::vector<std::string>& args,
                                            const CommandLineContext& machine);

// What `vextondof --help` says of the verbs: each verb's usage lines, in
// the desktop's language.
std::string VerbsHelp();
