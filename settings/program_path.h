#pragma once

#include <string>

// The full path of the running executable, as the system reports it.
std::string GetProgramPath();

// Makes GetProgramPath report `path` instead; empty restores the system's
// answer. The scenario runner and the tests put the program's folder anywhere.
void SetProgramPathOverride(std::string path);
