#pragma once
// The program's own modules, loaded the first time what they do is asked
// for, so that what they bring is never loaded by a program that does not
// ask: beside the program (a build, a portable folder), or where the
// program's install puts them.

#include <QString>

class QLibrary;

// The module `fileName`, loaded once and kept; none, with `unavailable`
// saying why in a sentence that begins with `what` ("Printing"), when it
// cannot be had.
QLibrary* LoadModule(const char* fileName, const QString& what, QString* unavailable);

// Its entry point `entry`; none, with `unavailable` saying why, when it has none.
void* ModuleEntry(QLibrary* module, const char* entry, const QString& what, QString* unavailable);
