// `vextondof photo --format csv` over 1,000 JPEGs beside exiv2's own command
// reading one field of the same files (`exiv2 -q -g Exif.Photo.FNumber`):
// both read only the metadata. Time from exec to exit and peak memory,
// alternating runs, output to /dev/null.
//   photo-bench PROGRAM PHOTO
#include "bench/child_run.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc < 3) {
        std::fprintf(stderr, "usage: photo-bench PROGRAM PHOTO\n");
        return 2;
    }
    if (::access("/usr/bin/exiv2", X_OK) != 0) {
        std::printf("photos: no exiv2 command here, not measured\n");
        return 0;
    }
    ::setenv("LANG", "C.UTF-8", 1);
    const fs::path folder =
        fs::temp_directory_path() / ("vextondof-photos-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<std::string> program = {argv[1], "photo", "--format", "csv", "--unit", "m"};
    std::vector<std::string> bare = {"/usr/bin/exiv2", "-q", "-g", "Exif.Photo.FNumber"};
    for (int i = 0; i < 1000; ++i) {
        const fs::path copy = folder / ("DSC_" + std::to_string(1000 + i) + ".jpg");
        fs::copy_file(argv[2], copy);
        program.push_back(copy.string());
        bare.push_back(copy.string());
    }
    std::vector<double> p, b, pm, bm;
    for (int i = 0; i < 11; ++i) {
        const ChildRun rp = RunChild(program), rb = RunChild(bare);
        p.push_back(rp.ms);
        b.push_back(rb.ms);
        pm.push_back(rp.peakMiB);
        bm.push_back(rb.peakMiB);
    }
    fs::remove_all(folder);
    const double ratio = Median(p) / Median(b);
    std::printf("photos as CSV, 1,000 JPEGs (11 runs each): program %.1f ms, exiv2 -g %.1f ms, "
                "ratio %.3f (target <= 1.30): %s; peak memory %.1f MiB, exiv2 %.1f MiB\n",
                Median(p), Median(b), ratio, ratio <= 1.3 ? "within target" : "MISSED", Median(pm),
                Median(bm));
    return 0;
}
