// A photo reader that fails as a hostile file can make exiv2 fail, speaking
// the real reader's language: for a photo named abort.jpg it aborts, hang.jpg
// loops for ever, bus.jpg dies of a bus error, hog.jpg takes memory without
// end; limits.jpg answers with the limits it runs under (its make: address
// space, core and file size, in bytes, -1 for none); any other is read as a
// camera "Fake". Built as stale-photo-reader, it carries another build's
// stamp.
#include "framework/base/child_process.h"
#include "framework/base/modules.h"
#include "photo/photo_wire.h"

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {
bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Limit(int resource) {
    rlimit limit{};
    ::getrlimit(resource, &limit);
    return limit.rlim_cur == RLIM_INFINITY ? "-1" : std::to_string(limit.rlim_cur);
}
} // namespace

int main() {
#ifdef STALE_STAMP
    WriteFrame(STDOUT_FILENO, "a build of long ago");
#else
    WriteFrame(STDOUT_FILENO, ProgramModuleStamp());
#endif
    CFrameReader requests(STDIN_FILENO);
    while (const std::optional<std::string> frame = requests.Next(1u << 20)) {
        const std::optional<PhotoRequest> request = UnpackPhotoRequest(*frame);
        if (!request)
            return 1;
        const std::string& path = request->path;
        if (EndsWith(path, "abort.jpg"))
            std::abort();
        if (EndsWith(path, "hang.jpg"))
            for (volatile bool forever = true; forever;) {
            }
        if (EndsWith(path, "bus.jpg"))
            std::raise(SIGBUS);
        if (EndsWith(path, "hog.jpg")) {
            std::vector<volatile char*> taken;
            for (;;) { // address space, a page of it touched in each 64 MiB
                taken.push_back(new char[64u << 20]);
                taken.back()[0] = 'x';
            }
        }
        PhotoFacts facts;
        facts.file = path;
        facts.model = "Fake";
        if (EndsWith(path, "limits.jpg"))
            facts.make = Limit(RLIMIT_AS) + " " + Limit(RLIMIT_CORE) + " " + Limit(RLIMIT_FSIZE);
        if (!WriteFrame(STDOUT_FILENO, PackPhotoFacts(facts)))
            return 1;
    }
    return 0;
}
