#pragma once
// A verb of the command line run in the test's process, for a program in a
// folder of its own, its output collected whole.
#include "cli/command_line.h"
#include "settings_test_support.h"

#include <string>
#include <vector>

inline CommandResult RunVerb(const ProgramFolder& program, const std::vector<std::string>& args,
                             const NumberSettings& numbers = {}) {
    const CommandLineContext machine{
        program.folder() + "/vextondof", program.folder() + "/config", numbers, {}, {}};
    CommandResult result = *RunCommandLine(args, machine);
    CollectOutput(result);
    return result;
}
