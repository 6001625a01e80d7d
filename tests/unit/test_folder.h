#pragma once
// A fresh folder of a test's own, in the system's temporary folder ($TMPDIR,
// else /tmp), removed with all it holds when the test is done: tests that
// run at once never share a file.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

class TestFolder {
  public:
    explicit TestFolder(const std::string& what = "test") {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern =
            std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/vextondof-" + what + "-XXXXXX";
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};
