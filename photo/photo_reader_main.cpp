// vextondof-photo-reader: reads photos for the program, one request at a
// time on its standard input, each answer on its standard output (see
// photo_wire.h). Whatever a photo does to exiv2 ends this process alone;
// the program then says so for that photo and starts another.
#include "photo/photo_reader.h"
#include "photo/photo_wire.h"

#include "framework/base/child_process.h"
#include "framework/base/modules.h"

#include <unistd.h>

int main() {
    if (!WriteFrame(STDOUT_FILENO, ProgramModuleStamp()))
        return 1;
    CFrameReader requests(STDIN_FILENO);
    while (const std::optional<std::string> frame = requests.Next(1u << 20)) {
        const std::optional<PhotoRequest> request = UnpackPhotoRequest(*frame);
        if (!request)
            return 1;
        const PhotoFacts facts = ReadPhoto(
            request->path, request->shownAs, [] { WriteFrame(STDOUT_FILENO, {}); }, // still at work
            request->preview);
        if (!WriteFrame(STDOUT_FILENO, PackPhotoFacts(facts)))
            return 1;
    }
    return 0;
}
