// Any bytes whatever in the lenses file are read without failing, and a
// save of what was read loses nothing: the lenses come back first, to the
// last bit, and every line that could not be read is still there.
#include "lenses/own_lenses.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const OwnLenses own =
        ParseOwnLenses(std::string_view(reinterpret_cast<const char*>(data), size));
    const OwnLenses again = ParseOwnLenses(OwnLensesText(own));
    if (again.lenses.size() < own.lenses.size() ||
        again.lenses.size() + again.unread.size() != own.lenses.size() + own.unread.size())
        std::abort();
    for (std::size_t i = 0; i < own.lenses.size(); ++i) {
        const LensRecord &a = own.lenses[i], &b = again.lenses[i];
        if (a.name != b.name || a.focalMin != b.focalMin || a.focalMax != b.focalMax ||
            a.widestAtMin != b.widestAtMin || a.widestAtMax != b.widestAtMax ||
            a.smallest != b.smallest || a.minFocus != b.minFocus || a.pupil != b.pupil)
            std::abort();
    }
    return 0;
}
