#pragma once
// The program's own modules (shared libraries it loads when first needed,
// and helper programs it runs), taken only from where the program's install
// put them, so that no one else's code is ever run in their place: for a
// program run from the folder an install puts programs in, only from the
// folder it puts modules in; for a copy run from elsewhere (a build, a
// portable folder), beside it or where an install would put them relative
// to it, and only when the module and every folder from it up to the
// program's own belong to the running user or the administrator and no one
// else may change them. A module of another build of the program is
// refused as well: each carries the stamp of the build that made it.

#include "framework/base/file_place.h"

#include <string>

enum class ModuleProblem {
    None,
    Missing,    // not there, or not readable
    NotTrusted, // there, but another user could have changed it or a folder on its way
    OtherBuild, // not the module of this build of the program
};

struct ModuleFile {
    CHandle file; // open for reading, and for running a helper program
    std::string path;
    ModuleProblem problem = ModuleProblem::Missing;
};

// Where an install puts programs and modules: absolute folders.
struct ModuleFolders {
    std::string programs;
    std::string modules;
};

// The module `fileName` of the program at `programPath`, as the rule above
// finds it.
ModuleFile OpenModuleOf(const std::string& programPath, const ModuleFolders& folders,
                        const std::string& fileName);
// The same for the running program and the folders its build was made for.
ModuleFile OpenProgramModule(const std::string& fileName);

// This build's stamp, which each of its modules carries.
const char* ProgramModuleStamp();

// When a module's calls into the libraries it needs are bound: all as it
// loads, or each when first made (for a large module, such as a window's,
// most of whose calls are never made in a run).
enum class ModuleBinding { Now, Lazy };

// The shared library open as `module`, loaded, when it exports
// `vexton_module_stamp` returning this build's stamp; none otherwise, with
// `module.problem` saying why.
void* LoadModuleFile(ModuleFile& module, ModuleBinding binding = ModuleBinding::Now);
// The entry point `name` of a loaded module; none when it has none.
void* ModuleSymbol(void* loaded, const char* name);

// Why `fileName` cannot serve: "%1 could not be loaded." and the like, for
// a sentence that begins "`what` is not available: ".
std::string ModuleProblemText(const std::string& what, const std::string& fileName,
                              ModuleProblem problem);
