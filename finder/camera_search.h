#pragma once
// Finding a camera by the words a person types: every word, in any case and
// order, in its maker, model or English model name, spaces and hyphens aside
// ("a7 iv" finds Sony's Alpha 7 IV, as "ilce-7m4" does; "z 6ii" Nikon's
// Z 6II). The best matches come first: a name typed whole before one it
// merely begins, whole words before parts of words, shorter names before
// longer ones.

#include "finder/found_camera.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

// How many matches a chooser shows at the most: a screenful, the best first.
inline constexpr std::size_t kMostShownMatches = 50;

// The positions in `cameras` of those `words` finds, best first; no words
// find none.
std::vector<std::size_t> FindCameras(const std::vector<FoundCamera>& cameras,
                                     std::string_view words,
                                     std::size_t limit = std::numeric_limits<std::size_t>::max());

// The one camera `words` mean: the only one they find, or the only one
// whose name, model or English name they are whole ("eos r5", not the
// EOS R5 C). Otherwise none, with the best few candidates, when there are.
struct CameraChoice {
    std::optional<std::size_t> chosen;
    std::vector<std::size_t> candidates;
};
CameraChoice ChooseCamera(const std::vector<FoundCamera>& cameras, std::string_view words);

// The camera a photo's Exif make and model name: the one whose model is the
// model written (letters in any case, blanks aside) and whose maker, where
// both are known, the make holds ("NIKON CORPORATION" holds Nikon); the
// first such, or none.
std::optional<std::size_t> FindByExif(const std::vector<FoundCamera>& cameras,
                                      std::string_view make, std::string_view model);
