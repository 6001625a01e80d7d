#pragma once
// The command line's verbs, declared once. Each verb's file defines its
// entry (its name, what runs it, its lines of `vextondof --help`, its own
// --help and its options) and the table in verbs.cpp lists it, one line a
// verb. The dispatch, the help, the word suggested for a mistyped verb and
// the refusal that names the verbs are made from the table; a test holds the
// shell's completion and the manual pages to it.

#include "cli/command_line.h"

#include <string>
#include <string_view>
#include <vector>

struct Verb {
    const char* name;
    // Runs it on its arguments (its name first).
    CommandResult (*run)(const std::vector<std::string>& args, const CommandLineContext& machine);
    const char* usage;            // its lines of `vextondof --help`, marked for translation
    const char* help;             // its --help, marked for translation
    bool choices;                 // takes the five choices and the diopter
    std::vector<std::string> own; // its own options
    const char* required;         // the option it cannot do without; null for none

    // Every option it takes, --help aside: the choices' first.
    std::vector<std::string> Options() const;
};

// The verbs, in the order `vextondof --help` names them.
const std::vector<const Verb*>& Verbs();

// The verb of that name; null for none.
const Verb* FindVerb(std::string_view name);
