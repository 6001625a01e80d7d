#pragma once
// The command line's verbs as the program's main runs them: the machine's
// locations and number settings, the output to standard output or to a file
// written whole, errors to standard error. No window is ever made.

// The exit status of a verb; -1 when the arguments name none.
int RunTerminalVerbs(int argc, char** argv);
