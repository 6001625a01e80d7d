#pragma once
// The command line's verbs as the program's main runs them: the machine's
// locations and number settings, the output to standard output or to a file
// written whole, errors to standard error. No window is ever made.

#include "cli/command_line.h"

// What draws the PDFs and images the verbs write, loaded when asked.
struct TerminalDrawing {
    decltype(CommandLineContext::pdf) pdf;
    decltype(CommandLineContext::chart) chart;
};

// The exit status of a verb; -1 when the arguments name none.
int RunTerminalVerbs(int argc, char** argv, const TerminalDrawing& drawing);
