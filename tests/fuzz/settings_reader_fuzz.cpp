// Any bytes whatever in the settings file load or fail cleanly.
#include "cameras/data_state.h"
#include "framework/base/archive.h"
#include "framework/base/file.h"

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int fd = ::memfd_create("settings", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return 0;
    CDataState state;
    try {
        CArchive ar(&file, CArchive::load);
        state.Serialize(ar);
    } catch (const CException&) {
    }
    return 0;
}
