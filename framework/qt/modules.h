#pragma once
// The program's own modules, loaded the first time what they do is asked
// for, so that what they bring is never loaded by a program that does not
// ask; taken only from where the program's install put them
// (framework/base/modules.h).

#include <QString>

// The module `fileName`'s entry point `entry`, the module loaded once and
// kept; none, with `unavailable` saying why in a sentence that begins with
// `what` ("Printing"), when it cannot be had.
void* ModuleEntry(const char* fileName, const char* entry, const QString& what,
                  QString* unavailable);
