#pragma once
// Photos are read by a process of their own (vextondof-photo-reader), run
// for a batch of photos and started again after a failure: exiv2, and all
// it brings, is never loaded by the program itself, and whatever a hostile
// file does to it (an abort, an endless loop, memory without end) costs
// that file one sentence, never the window, the batch or the other photos.

#include "photo/photo_facts.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Where photos come from: the reader process for the program, the reader
// itself in a test.
class PhotoSource {
  public:
    virtual ~PhotoSource() = default;
    // `shownAs` names the file in a refusal (its path when empty).
    virtual PhotoFacts Read(const std::string& path, const std::string& shownAs = {}) = 0;
    // Each of `paths` read, handed to `each` in order with its position;
    // a source may read the next ones while `each` works. `previews`: each
    // photo's embedded preview too, where a source has them.
    virtual void ReadEach(const std::vector<std::string>& paths,
                          const std::function<void(std::size_t, const PhotoFacts&)>& each,
                          bool previews = false) {
        (void)previews;
        for (std::size_t i = 0; i < paths.size(); ++i)
            each(i, Read(paths[i]));
    }
};

struct PhotoReaderLimits {
    std::string program; // the reader's file name, found as the program's modules are
    // The most memory it may take: a photo read whole, and what exiv2 makes of it.
    std::uint64_t memory = 3ULL << 30;
    // How long it may go without a word while it reads a photo.
    std::chrono::milliseconds silence{10000};
};

// The program's reader, for one batch of photos.
std::unique_ptr<PhotoSource> OpenPhotoReader();
std::unique_ptr<PhotoSource> OpenPhotoReader(const PhotoReaderLimits& limits);
