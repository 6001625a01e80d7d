#pragma once
// A verb's options: reading them, the help every verb shares, and the
// answers a verb gives before it does anything (its help, what it did not
// understand, a refusal).

#include "cli/command_line.h"
#include "cli/verbs.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

struct Parsed {
    std::map<std::string, std::string> values;
    std::string error; // what was not understood
    bool help = false;
};

// The options every verb takes: the five choices and the diopter.
extern const char* const kChoiceOptions[7];

// A verb's arguments: the choices' options and the verb's `own`.
Parsed ParseOptions(const std::vector<std::string>& args, std::vector<std::string> own);

// Not understood: exit 2, with a pointer to the verb's help.
CommandResult UsageError(const std::string& verb, const std::string& what);

// What a verb answers before it does anything: its help, an argument it did
// not understand, or the option it needs (`required`, when it has one) missing.
std::optional<CommandResult> HelpOrUsageError(const Parsed& parsed, const Verb& verb);

// Refused as the form refuses it: exit 1.
CommandResult Refused(const std::string& sentence);

// A refusal's line for standard error: "Validation Error: SENTENCE".
std::string ValidationError(const std::string& sentence);

// A note's line for standard error: "Note: SENTENCE".
std::string Note(const std::string& sentence);

// An option's value; "" when it was not given.
std::string Option(const Parsed& parsed, const char* name);
