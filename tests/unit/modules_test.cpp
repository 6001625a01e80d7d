// The program's own modules and helpers are taken from where its install put
// them and nowhere else: an installed program only from the modules' folder,
// a copy run from elsewhere only beside it or as an install would lay them
// out, and only where no one but the user or the administrator could have
// changed the module or a folder on its way; a module of another build is
// refused before it is used.
#include "child_process.h"
#include "framework/base/modules.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

class Tree {
  public:
    Tree() {
        char pattern[] = "/tmp/vextondof-modules-XXXXXX";
        m_root = ::mkdtemp(pattern);
    }
    ~Tree() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    // A file at `path` under the tree, its folders made on the way.
    std::string File(const std::string& path) const {
        const fs::path at = m_root / path;
        fs::create_directories(at.parent_path());
        std::ofstream(at) << "a module\n";
        fs::permissions(at, fs::perms(0755));
        return at.string();
    }
    std::string operator/(const std::string& path) const { return (m_root / path).string(); }

  private:
    fs::path m_root;
};

ModuleProblem Problem(const std::string& program, const ModuleFolders& folders,
                      const std::string& name = "libmodule.so") {
    return OpenModuleOf(program, folders, name).problem;
}
} // namespace

TEST(Modules, AnInstalledProgramTakesThemFromTheModulesFolderOnly) {
    const Tree t;
    const std::string program = t.File("usr/bin/vextondof");
    const ModuleFolders installed{t / "usr/bin", t / "usr/lib/x86_64-linux-gnu/vextondof"};
    t.File("usr/lib/x86_64-linux-gnu/vextondof/libmodule.so");
    const ModuleFile found = OpenModuleOf(program, installed, "libmodule.so");
    EXPECT_EQ(found.problem, ModuleProblem::None);
    EXPECT_EQ(found.path, t / "usr/lib/x86_64-linux-gnu/vextondof/libmodule.so");
    EXPECT_TRUE(found.file);
    // One planted beside the installed program is never taken.
    fs::remove(t / "usr/lib/x86_64-linux-gnu/vextondof/libmodule.so");
    t.File("usr/bin/libmodule.so");
    EXPECT_EQ(Problem(program, installed), ModuleProblem::Missing);
    EXPECT_EQ(Problem(program, installed, "../bin/libmodule.so"), ModuleProblem::Missing)
        << "a module is a name, never a path";
}

TEST(Modules, ACopyRunFromElsewhereTakesThemBesideItOrAsAnInstallLaysThemOut) {
    const Tree t;
    const ModuleFolders elsewhere{"/usr/bin", "/usr/lib/x86_64-linux-gnu/vextondof"};
    const std::string program = t.File("portable/bin/vextondof");
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::Missing);
    t.File("portable/lib/x86_64-linux-gnu/vextondof/libmodule.so");
    EXPECT_EQ(OpenModuleOf(program, elsewhere, "libmodule.so").path,
              t / "portable/lib/x86_64-linux-gnu/vextondof/libmodule.so");
    t.File("portable/bin/libmodule.so");
    EXPECT_EQ(OpenModuleOf(program, elsewhere, "libmodule.so").path,
              t / "portable/bin/libmodule.so")
        << "beside the program first, as in a build";
}

TEST(Modules, NoneIsTakenThatAnotherUserCouldHaveChanged) {
    const Tree t;
    const ModuleFolders elsewhere{"/usr/bin", "/usr/lib/vextondof"};
    const std::string program = t.File("copy/bin/vextondof");
    const std::string beside = t.File("copy/bin/libmodule.so");
    const std::string below = t.File("copy/lib/vextondof/libmodule.so");
    ASSERT_EQ(Problem(program, elsewhere), ModuleProblem::None);
    // Writable by others: the module, then a folder on its way, then the
    // program's own folder.
    fs::permissions(beside, fs::perms(0757));
    EXPECT_EQ(OpenModuleOf(program, elsewhere, "libmodule.so").path, below)
        << "the one beside is passed over";
    fs::permissions(t / "copy/lib", fs::perms(0777));
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::NotTrusted);
    fs::permissions(t / "copy/lib", fs::perms(0755));
    fs::permissions(beside, fs::perms(0755));
    fs::permissions(t / "copy/bin", fs::perms(01777)); // even a sticky one
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::NotTrusted);
    fs::permissions(t / "copy/bin", fs::perms(0755));
    // Above the folder the program and its modules share, nothing is asked.
    fs::permissions(t / "", fs::perms(0777));
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::None);
    fs::permissions(t / "", fs::perms(0700));
    // A link to a module in a folder anyone may write is followed and refused.
    char pattern[] = "/tmp/vextondof-planted-XXXXXX";
    const std::string planted = ::mkdtemp(pattern);
    fs::permissions(planted, fs::perms(0777));
    std::ofstream(planted + "/libmodule.so") << "planted\n";
    fs::remove(beside);
    fs::remove(below);
    fs::create_symlink(planted + "/libmodule.so", beside);
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::NotTrusted);
    fs::remove_all(planted);
    fs::remove(beside);
    if (::geteuid() != 0)
        GTEST_SKIP() << "the rest gives files to other users, which needs root";
    // Another user's module, or another user's folder on its way, even when
    // only they may write it.
    t.File("copy/bin/libmodule.so");
    ASSERT_EQ(::chown(beside.c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::NotTrusted);
    ASSERT_EQ(::chown(beside.c_str(), 0, 0), 0);
    ASSERT_EQ(::chown((t / "copy/bin").c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::NotTrusted);
}

TEST(Modules, OnlyThisBuildsModuleIsUsed) {
    const std::string folder = fs::canonical("/proc/self/exe").parent_path().string();
    const ModuleFolders elsewhere{"/usr/bin", "/usr/lib/vextondof"};
    ModuleFile stamped = OpenModuleOf("/proc/self/exe", elsewhere, "libtest-module-stamped.so");
    ASSERT_EQ(stamped.problem, ModuleProblem::None) << folder;
    void* loaded = LoadModuleFile(stamped);
    ASSERT_TRUE(loaded);
    using Entry = int();
    EXPECT_EQ(reinterpret_cast<Entry*>(ModuleSymbol(loaded, "vexton_test_entry"))(), 42);
    ModuleFile stale = OpenModuleOf("/proc/self/exe", elsewhere, "libtest-module-stale.so");
    ASSERT_EQ(stale.problem, ModuleProblem::None);
    EXPECT_FALSE(LoadModuleFile(stale));
    EXPECT_EQ(stale.problem, ModuleProblem::OtherBuild);
    EXPECT_EQ(ModuleProblemText("Printing", "libtest-module-stale.so", stale.problem),
              "Printing is not available: libtest-module-stale.so belongs to another build of the "
              "program.");
    EXPECT_EQ(ModuleProblemText("Printing", "libx.so", ModuleProblem::NotTrusted),
              "Printing is not available: libx.so is not loaded, since another user could have "
              "changed it.");
}

namespace {
// An access list that lets the user nobody write as well as the owner.
bool LetNobodyWrite(const std::string& path) {
    struct Entry {
        std::uint16_t tag, permissions;
        std::uint32_t id;
    };
    const Entry entries[] = {
        {0x01, 7, ~0u}, {0x02, 6, 65534}, {0x04, 5, ~0u}, {0x10, 7, ~0u}, {0x20, 5, ~0u}};
    std::string list = {2, 0, 0, 0}; // the list's version
    for (const Entry& e : entries) {
        char bytes[8];
        std::memcpy(bytes, &e.tag, 2);
        std::memcpy(bytes + 2, &e.permissions, 2);
        std::memcpy(bytes + 4, &e.id, 4);
        list.append(bytes, 8);
    }
    return ::setxattr(path.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) == 0;
}
} // namespace

TEST(Modules, NoneIsTakenThatAnAccessListLetsAnotherUserChange) {
    Tree t;
    const std::string program = t.File("copy/bin/vextondof");
    const std::string module = t.File("copy/bin/libmodule.so");
    const ModuleFolders elsewhere{"/usr/bin", "/usr/lib/vextondof"};
    ASSERT_EQ(Problem(program, elsewhere), ModuleProblem::None);
    if (!LetNobodyWrite(module))
        GTEST_SKIP() << "this file system keeps no access lists";
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::NotTrusted);
    fs::remove(module);
    t.File("copy/bin/libmodule.so");
    ASSERT_EQ(Problem(program, elsewhere), ModuleProblem::None);
    ASSERT_TRUE(LetNobodyWrite(t / "copy/bin")); // the folder it stands in
    EXPECT_EQ(Problem(program, elsewhere), ModuleProblem::NotTrusted);
}

TEST(Modules, ALibraryCutShortIsRefusedNotMapped) {
    Tree t;
    const std::string program = t.File("copy/bin/vextondof");
    const fs::path whole =
        fs::canonical("/proc/self/exe").parent_path() / "libtest-module-stamped.so";
    const ModuleFolders elsewhere{"/usr/bin", "/usr/lib/vextondof"};
    // Cut inside its header, its code and its data (its parts lie a page
    // apart, the last beyond 8 KiB).
    ASSERT_GT(fs::file_size(whole), 12288u);
    for (const std::uintmax_t size : {0, 64, 4096, 8200}) {
        const std::string cut = t / "copy/bin/libcut.so";
        fs::remove(cut);
        fs::copy_file(whole, cut);
        fs::resize_file(cut, size);
        ModuleFile file = OpenModuleOf(program, elsewhere, "libcut.so");
        ASSERT_EQ(file.problem, ModuleProblem::None);
        EXPECT_FALSE(LoadModuleFile(file)) << size; // and the test goes on: no bus error
        EXPECT_EQ(file.problem, ModuleProblem::Missing) << size;
    }
    // Cut only of what is never loaded (the table of its sections, at its
    // end), it serves.
    const std::string cut = t / "copy/bin/libserves.so";
    fs::copy_file(whole, cut);
    fs::resize_file(cut, fs::file_size(whole) - 1);
    ModuleFile file = OpenModuleOf(program, elsewhere, "libserves.so");
    EXPECT_TRUE(LoadModuleFile(file));
}

TEST(Modules, EachModuleIsLoadedAsItselfWhateverItsDescriptor) {
    const ModuleFolders elsewhere{"/usr/bin", "/usr/lib/vextondof"};
    {
        ModuleFile stamped = OpenModuleOf("/proc/self/exe", elsewhere, "libtest-module-stamped.so");
        ASSERT_TRUE(LoadModuleFile(stamped));
    } // the first module's file handle is gone: the next may be given its number
    ModuleFile stale = OpenModuleOf("/proc/self/exe", elsewhere, "libtest-module-stale.so");
    ASSERT_EQ(stale.problem, ModuleProblem::None);
    EXPECT_FALSE(LoadModuleFile(stale)); // not the first module again
    EXPECT_EQ(stale.problem, ModuleProblem::OtherBuild);
}
