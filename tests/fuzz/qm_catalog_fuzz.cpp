// Any bytes whatever read as a translations catalogue load or fail cleanly,
// and every look-up ends with a translation in valid UTF-8 or none.
#include "framework/base/qm_catalog.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
// Whether `text` is UTF-8 as Qt writes it: no overlong forms, no
// surrogates, nothing past U+10FFFF.
bool ValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const unsigned char lead = byte(i);
        std::size_t length = 0;
        std::uint32_t u = 0;
        if (lead < 0x80) {
            length = 1;
            u = lead;
        } else if ((lead & 0xe0) == 0xc0) {
            length = 2;
            u = lead & 0x1f;
        } else if ((lead & 0xf0) == 0xe0) {
            length = 3;
            u = lead & 0x0f;
        } else if ((lead & 0xf8) == 0xf0) {
            length = 4;
            u = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xc0) != 0x80)
                return false;
            u = u << 6 | (byte(i + k) & 0x3f);
        }
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (u < least[length] || u > 0x10ffff || (u >= 0xd800 && u <= 0xdfff))
            return false;
        i += length;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::unique_ptr<TextCatalog> catalog = QmCatalog(bytes);
    if (!catalog)
        return 0;
    static const char* const contexts[] = {"", "Calculate", "Menu", "About Vexton.DOF.CE", "A"};
    static const char* const texts[] = {"", "About Vexton.DOF.CE", "&File", "ab", "`r", "t"};
    for (const char* context : contexts)
        for (const char* text : texts)
            if (!ValidUtf8(catalog->Find(context, text)))
                std::abort();
    // A context and a text from the input's last bytes, so that the fuzzer
    // can make them match its records.
    const std::string tail(bytes.substr(size > 16 ? size - 16 : 0));
    const std::string context = tail.substr(0, tail.size() / 2).c_str();
    const std::string text = tail.substr(tail.size() / 2).c_str();
    if (!ValidUtf8(catalog->Find(context.c_str(), text.c_str())))
        std::abort();
    return 0;
}
