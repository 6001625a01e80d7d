#include "settings/program_path.h"

#include <climits>
#include <unistd.h>

namespace {
std::string& Override() {
    static std::string path;
    return path;
}
} // namespace

std::string GetProgramPath() {
    if (!Override().empty())
        return Override();
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

void SetProgramPathOverride(std::string path) {
    Override() = std::move(path);
}
