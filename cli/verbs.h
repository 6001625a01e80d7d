#pragma once
// The command line's verbs, each in a file of its own over the same logic
// the forms use.

#include "cli/command_line.h"

#include <string>
#include <vector>

CommandResult CalculateVerb(const std::vector<std::string>& args,
                            const CommandLineContext& machine);
CommandResult TableVerb(const std::vector<std::string>& args, const CommandLineContext& machine);
CommandResult PlanVerb(const std::vector<std::string>& args, const CommandLineContext& machine);
CommandResult PhotoVerb(const std::vector<std::string>& args, const CommandLineContext& machine);
CommandResult CocVerb(const std::vector<std::string>& args, const CommandLineContext& machine);
CommandResult ChartVerb(const std::vector<std::string>& args, const CommandLineContext& machine);
CommandResult CamerasVerb(const std::vector<std::string>& args, const CommandLineContext& machine);
