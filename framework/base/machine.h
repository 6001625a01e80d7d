#pragma once
// What a program learns of the machine it runs on without a window: its own
// file and the person's configuration folder.

#include <string>

// The full path of the running program's file; "" when it cannot be told.
std::string RunningProgramPath();

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config (the home
// folder from $HOME when absolute, else the user database's); "" when
// there is no home.
std::string UserConfigHome();
