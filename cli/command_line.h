#pragma once
// The calculator from a terminal: `vextondof calculate` and `vextondof table`,
// a thin layer over the same logic the forms use. Nothing here opens a
// window, and the settings file is read, never written.

#include "framework/base/number_format.h"
#include "table/dof_table.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the command line is given of the machine.
struct CommandLineMachine {
    std::string programPath; // where the settings file is looked for, as the program does
    std::string configHome;
    NumberSettings numbers; // the user's, from LC_ALL, LC_NUMERIC, LANG
    // The PDF of a table (the pages the table form exports); "" when none
    // can be made here. `letter`: none for the locale's paper.
    std::function<std::string(const DofTable&, const TablePageHeading&, std::optional<bool> letter)>
        pdf;
};

struct CommandResult {
    int exitCode = 0;
    std::string out;        // for standard output, or the --output file
    std::string err;        // for standard error
    std::string outputFile; // --output, when given
    bool binaryOut = false; // a PDF: refused on a terminal
};

// Runs `args` (the program's arguments after its name) when they begin with
// a verb of the command line; none otherwise.
std::optional<CommandResult> RunCommandLine(const std::vector<std::string>& args,
                                            const CommandLineMachine& machine);

// What `vextondof --help` says of the verbs.
extern const char* const kVerbsHelp;
