#include "framework/base/modules.h"

#include "framework/base/translate.h"

#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {
namespace fs = std::filesystem;

CHandle OpenFolderStep(int from, const std::string& name) {
    return CHandle(::openat(from, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

std::string HeldPath(const CHandle& held) {
    return "/proc/self/fd/" + std::to_string(held.Get());
}

bool Trusted(const CHandle& folder) {
    struct stat st {};
    return folder && ::fstat(folder.Get(), &st) == 0 && IsTrustedFolder(st) &&
           !HasAccessList(HeldPath(folder));
}

// The folder `path` (absolute, without links), walked from the root, each
// part checked from `checkFrom` parts on; none when a part is missing, a
// link, or not to be trusted.
CHandle WalkFolder(const fs::path& path, std::size_t checkFrom) {
    CHandle folder(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    std::size_t depth = 0;
    if (depth >= checkFrom && !Trusted(folder))
        return {};
    const fs::path parts = path.relative_path();
    for (const fs::path& part : parts) {
        folder = OpenFolderStep(folder.Get(), part.string());
        if (!folder || (++depth >= checkFrom && !Trusted(folder)))
            return {};
    }
    return folder;
}

// How many parts two absolute paths share from the root.
std::size_t SharedParts(const fs::path& a, const fs::path& b) {
    const fs::path left = a.relative_path(), right = b.relative_path();
    std::size_t shared = 0;
    for (auto i = left.begin(), j = right.begin(); i != left.end() && j != right.end() && *i == *j;
         ++i, ++j)
        ++shared;
    return shared;
}

// The module at `resolved` (absolute, without links), open, when it and the
// folders from it and from the program's folder up to the folder both
// stand in may be trusted.
ModuleProblem OpenTrusted(const fs::path& resolved, const fs::path& programFolder,
                          ModuleFile& out) {
    const fs::path folder = resolved.parent_path();
    const std::size_t shared = SharedParts(folder, programFolder);
    const CHandle moduleFolder = WalkFolder(folder, shared);
    if (!moduleFolder || !WalkFolder(programFolder, shared))
        return ModuleProblem::NotTrusted;
    CHandle file(::openat(moduleFolder.Get(), resolved.filename().c_str(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!file || ::fstat(file.Get(), &st) != 0)
        return ModuleProblem::Missing;
    if (!S_ISREG(st.st_mode) || (st.st_uid != ::geteuid() && st.st_uid != 0) ||
        !OnlyOwnerMayWrite(st) || HasAccessList(HeldPath(file)))
        return ModuleProblem::NotTrusted;
    out.file = std::move(file);
    out.path = resolved.string();
    return ModuleProblem::None;
}
// Whether the shared library open at `fd` holds every byte its loadable
// parts name: the system maps a file cut short as it stands, and the first
// touch of a missing page ends the program.
bool WholeLibrary(int fd) {
    Elf64_Ehdr header{};
    if (::pread(fd, &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_phentsize != sizeof(Elf64_Phdr) ||
        header.e_phnum == 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    const auto size = static_cast<std::uint64_t>(st.st_size);
    for (unsigned i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr part{};
        const std::uint64_t at = header.e_phoff + std::uint64_t(i) * sizeof part;
        if (at > size || ::pread(fd, &part, sizeof part, static_cast<off_t>(at)) !=
                             static_cast<ssize_t>(sizeof part))
            return false;
        if (part.p_type == PT_LOAD &&
            (part.p_offset > size || part.p_filesz > size - part.p_offset))
            return false;
    }
    return true;
}
} // namespace

ModuleFile OpenModuleOf(const std::string& programPath, const ModuleFolders& folders,
                        const std::string& fileName) {
    ModuleFile out;
    std::error_code ec;
    const fs::path program = fs::canonical(programPath, ec);
    if (ec || fileName.empty() || fileName.find('/') != std::string::npos)
        return out;
    const fs::path programFolder = program.parent_path();
    std::vector<fs::path> places;
    std::error_code notInstalled;
    if (!folders.programs.empty() &&
        fs::canonical(folders.programs, notInstalled) == programFolder && !notInstalled) {
        places.push_back(fs::path(folders.modules) / fileName); // installed: there only
    } else {
        places.push_back(programFolder / fileName);
        const fs::path relative = fs::path(folders.modules).lexically_relative(folders.programs);
        if (!relative.empty())
            places.push_back((programFolder / relative / fileName).lexically_normal());
    }
    for (const fs::path& place : places) {
        const fs::path resolved = fs::canonical(place, ec);
        if (ec)
            continue;
        const ModuleProblem problem = OpenTrusted(resolved, programFolder, out);
        if (problem == ModuleProblem::None) {
            out.problem = problem;
            return out;
        }
        if (problem == ModuleProblem::NotTrusted)
            out.problem = problem; // said unless a later place serves
    }
    return out;
}

ModuleFile OpenProgramModule(const std::string& fileName) {
    return OpenModuleOf("/proc/self/exe", {VEXTON_INSTALLED_PROGRAMS, VEXTON_INSTALLED_MODULES},
                        fileName);
}

const char* ProgramModuleStamp() {
    return VEXTON_MODULE_STAMP;
}

void* LoadModuleFile(ModuleFile& module, ModuleBinding binding) {
    if (module.problem != ModuleProblem::None)
        return nullptr;
    if (!WholeLibrary(module.file.Get())) {
        module.problem = ModuleProblem::Missing;
        return nullptr;
    }
    const std::string path = "/proc/self/fd/" + std::to_string(module.file.Get());
    void* loaded =
        ::dlopen(path.c_str(), (binding == ModuleBinding::Now ? RTLD_NOW : RTLD_LAZY) | RTLD_LOCAL);
    if (!loaded) {
        module.problem = ModuleProblem::Missing;
        return nullptr;
    }
    // The system knows the library by that name: the descriptor stays open
    // for the program's life, so that no other module is ever given it (and
    // taken for this one).
    static_cast<void>(module.file.Release());
    using Stamp = const char*();
    auto* stamp = reinterpret_cast<Stamp*>(::dlsym(loaded, "vexton_module_stamp"));
    if (!stamp || std::strcmp(stamp(), ProgramModuleStamp()) != 0) {
        ::dlclose(loaded);
        module.problem = ModuleProblem::OtherBuild;
        return nullptr;
    }
    return loaded;
}

void* ModuleSymbol(void* loaded, const char* name) {
    return loaded ? ::dlsym(loaded, name) : nullptr;
}

std::string ModuleProblemText(const std::string& what, const std::string& fileName,
                              ModuleProblem problem) {
    switch (problem) {
    case ModuleProblem::None:
        return {};
    case ModuleProblem::NotTrusted:
        return Arg(Tr("Modules", "%1 is not available: %2 is not loaded, since another user "
                                 "could have changed it."),
                   {what, fileName});
    case ModuleProblem::OtherBuild:
        return Arg(Tr("Modules", "%1 is not available: %2 belongs to another build of the "
                                 "program."),
                   {what, fileName});
    case ModuleProblem::Missing:
        break;
    }
    return Arg(Tr("Modules", "%1 is not available: %2 could not be loaded."), {what, fileName});
}
