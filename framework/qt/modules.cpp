#include "framework/qt/modules.h"

#include "framework/base/modules.h"
#include "framework/base/translate.h"

#include <map>
#include <string>

void* ModuleEntry(const char* fileName, const char* entry, const QString& what,
                  QString* unavailable) {
    static std::map<std::string, void*> loaded; // kept for the program's life
    void*& module = loaded[fileName];
    ModuleProblem problem = ModuleProblem::None;
    if (!module) {
        ModuleFile file = OpenProgramModule(fileName);
        module = LoadModuleFile(file);
        problem = file.problem;
    }
    void* found = ModuleSymbol(module, entry);
    if (!found && unavailable) {
        const std::string text =
            module ? Arg(Tr("Modules", "%1 is not available: %2 is not the right module."),
                         {what.toStdString(), fileName})
                   : ModuleProblemText(what.toStdString(), fileName, problem);
        *unavailable = QString::fromStdString(text);
    }
    return found;
}
