#include "framework/base/qm_catalog.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

// A .qm file is a header of 16 fixed bytes, then sections: a byte naming
// the section and its length (four bytes, big-endian), then its bytes.
// Hashes holds eight bytes a message, sorted: the hash of the English text
// and comment, and where the message's record starts in Messages. A record
// is a list of fields, each a tag byte and for most a length and bytes,
// closed by the End tag; the translation is UTF-16, big-endian. Contexts,
// which lrelease writes only when asked to compress, is a hash table of
// the contexts the catalogue holds.

namespace {
constexpr unsigned char kHeader[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                       0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The sections this reader knows.
enum Section : unsigned char {
    kContexts = 0x2f,
    kHashes = 0x42,
    kMessages = 0x69,
    kPluralRules = 0x88,
    kDependencies = 0x96,
};

// The fields of a message's record; the others are unknown to Qt, and a
// record holding one gives no translation.
enum Field : unsigned char {
    kEnd = 1,
    kTranslation = 3,
    kObsolete = 5, // four bytes, skipped
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

// The plural rules' codes.
enum Rule : unsigned char {
    kEqual = 1,
    kBetween = 4,
    kOperatorBits = 0x07,
    kBadBit = 0x80,
    kAnd = 0xfd,
    kOr = 0xfe,
    kNextRule = 0xff,
};

unsigned char ByteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// The big-endian number of `width` bytes at `at`; none past the end.
std::optional<std::uint32_t> NumberAt(std::string_view bytes, std::size_t at, int width) {
    if (at > bytes.size() || bytes.size() - at < static_cast<std::size_t>(width))
        return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | ByteAt(bytes, at + static_cast<std::size_t>(i));
    return value;
}

// The ELF hash, carried on over `text`.
void HashOn(std::uint32_t& hash, const char* text) {
    for (const char* c = text; *c; ++c) {
        hash = (hash << 4) + static_cast<unsigned char>(*c);
        const std::uint32_t top = hash & 0xf0000000u;
        if (top != 0)
            hash ^= top >> 24;
        hash &= ~top;
    }
}

// A finished hash is never 0.
std::uint32_t Finished(std::uint32_t hash) {
    return hash == 0 ? 1 : hash;
}

// Whether a name kept in the catalogue is `wanted`; one NUL may close it.
bool SameName(std::string_view kept, std::string_view wanted) {
    if (!kept.empty() && kept.back() == '\0')
        kept.remove_suffix(1);
    return kept == wanted;
}

// Whether the plural rules are a list Qt would evaluate: conditions of an
// operator and its operands, joined by and, or and the next rule's mark.
bool PluralRulesWhole(std::string_view rules) {
    if (rules.empty())
        return true;
    for (std::size_t at = 0;;) {
        const unsigned char code = ByteAt(rules, at);
        const int op = code & kOperatorBits;
        if ((code & kBadBit) != 0 || op < kEqual || op > kBetween)
            return false;
        const std::size_t operands = op == kBetween ? 2 : 1;
        if (rules.size() - at - 1 < operands)
            return false;
        at += 1 + operands;
        if (at == rules.size())
            return true;
        const unsigned char join = ByteAt(rules, at);
        if (join != kAnd && join != kOr && join != kNextRule)
            return false;
        if (++at == rules.size())
            return false;
    }
}

// UTF-16, big-endian, as UTF-8; a surrogate out of its pair becomes "?"
// as Qt writes it.
std::string Utf8(std::string_view utf16) {
    const std::size_t count = utf16.size() / 2;
    const auto unit = [utf16](std::size_t i) -> char32_t {
        return static_cast<char32_t>(ByteAt(utf16, 2 * i) << 8 | ByteAt(utf16, 2 * i + 1));
    };
    const auto isLow = [](char32_t u) { return u >= 0xdc00 && u <= 0xdfff; };
    std::string text;
    text.reserve(utf16.size());
    for (std::size_t i = 0; i < count; ++i) {
        char32_t u = unit(i);
        if (u < 0x80) {
            text += static_cast<char>(u);
        } else if (u < 0x800) {
            text += static_cast<char>(0xc0 | u >> 6);
            text += static_cast<char>(0x80 | (u & 0x3f));
        } else if (u < 0xd800 || u > 0xdfff) {
            text += static_cast<char>(0xe0 | u >> 12);
            text += static_cast<char>(0x80 | (u >> 6 & 0x3f));
            text += static_cast<char>(0x80 | (u & 0x3f));
        } else if (u < 0xdc00 && i + 1 < count && isLow(unit(i + 1))) {
            u = 0x10000 + ((u - 0xd800) << 10) + (unit(i + 1) - 0xdc00);
            ++i;
            text += static_cast<char>(0xf0 | u >> 18);
            text += static_cast<char>(0x80 | (u >> 12 & 0x3f));
            text += static_cast<char>(0x80 | (u >> 6 & 0x3f));
            text += static_cast<char>(0x80 | (u & 0x3f));
        } else {
            text += '?';
        }
    }
    return text;
}

class Catalog : public TextCatalog {
  public:
    Catalog(std::string_view contexts, std::string_view hashes, std::string_view messages)
        : m_contexts(contexts), m_hashes(hashes), m_messages(messages) {}

    std::string Find(const char* context, const char* text) const override {
        if (!context)
            context = "";
        if (!text)
            text = "";
        const std::size_t count = m_hashes.size() / 8;
        if (count == 0 || (!m_contexts.empty() && !HoldsContext(context)))
            return {};
        // The hash of the text and an empty comment.
        std::uint32_t hash = 0;
        HashOn(hash, text);
        hash = Finished(hash);
        // Qt's binary search, step by step: on a table out of order, the
        // same entry is found as Qt finds.
        const auto hashAt = [this](std::size_t i) { return *NumberAt(m_hashes, 8 * i, 4); };
        std::ptrdiff_t low = 0;
        std::ptrdiff_t high = static_cast<std::ptrdiff_t>(count) - 1;
        std::optional<std::size_t> found;
        while (low <= high) {
            const std::ptrdiff_t middle = low + (high - low) / 2;
            const std::uint32_t here = hashAt(static_cast<std::size_t>(middle));
            if (here == hash) {
                found = static_cast<std::size_t>(middle);
                break;
            }
            if (here < hash)
                low = middle + 1;
            else
                high = middle - 1;
        }
        if (!found)
            return {};
        // Back to the first of its equals, then each message of this hash
        // in turn: the first whose record matches gives the translation.
        std::size_t i = *found;
        while (i > 0 && hashAt(i) == hashAt(i - 1))
            --i;
        for (; i < count && hashAt(i) == hash; ++i) {
            const std::uint32_t start = *NumberAt(m_hashes, 8 * i + 4, 4);
            if (std::optional<std::string> translation = Message(start, context, text))
                return *translation;
        }
        return {};
    }

  private:
    // Whether the contexts' table holds `context`; a damaged table holds
    // none.
    bool HoldsContext(const char* context) const {
        const std::optional<std::uint32_t> size = NumberAt(m_contexts, 0, 2);
        if (!size || *size == 0)
            return false;
        std::uint32_t hash = 0;
        HashOn(hash, context);
        const std::optional<std::uint32_t> slot =
            NumberAt(m_contexts, 2 + 2 * std::size_t{Finished(hash) % *size}, 2);
        if (!slot || *slot == 0)
            return false;
        // The names of the slot's bucket, each a length byte and the name;
        // a zero length closes the list.
        for (std::size_t at = 2 + 2 * std::size_t{*size} + 2 * std::size_t{*slot};;) {
            if (at >= m_contexts.size())
                return false;
            const std::size_t length = ByteAt(m_contexts, at++);
            if (length == 0 || length > m_contexts.size() - at)
                return false;
            if (SameName(m_contexts.substr(at, length), context))
                return true;
            at += length;
        }
    }

    // The translation in the record at `start` when it is the message of
    // `context` and `text` (with no comment, or an empty one); none
    // otherwise, and none when the record runs past its section or holds
    // a field Qt does not know.
    std::optional<std::string> Message(std::size_t start, std::string_view context,
                                       std::string_view text) const {
        std::optional<std::string_view> translation;
        for (std::size_t at = start;;) {
            if (at >= m_messages.size())
                return std::nullopt;
            const unsigned char field = ByteAt(m_messages, at++);
            if (field == kEnd)
                break;
            if (field == kObsolete) {
                if (m_messages.size() - at < 4)
                    return std::nullopt;
                at += 4;
                continue;
            }
            if (field != kTranslation && field != kSourceText && field != kContext &&
                field != kComment)
                return std::nullopt;
            const std::optional<std::uint32_t> length = NumberAt(m_messages, at, 4);
            if (!length)
                return std::nullopt;
            at += 4;
            if (*length > m_messages.size() - at)
                return std::nullopt;
            const std::string_view value = m_messages.substr(at, *length);
            at += *length;
            // The first translation is the one without plural forms.
            if (field == kTranslation && value.size() % 2 != 0)
                return std::nullopt;
            if (field == kTranslation && !translation)
                translation = value;
            if (field == kSourceText && !SameName(value, text))
                return std::nullopt;
            if (field == kContext && !SameName(value, context))
                return std::nullopt;
            // A comment that is empty, or begins with NUL, fits any.
            if (field == kComment && !value.empty() && value[0] != '\0')
                return std::nullopt;
        }
        if (!translation)
            return std::nullopt;
        return Utf8(*translation);
    }

    std::string_view m_contexts;
    std::string_view m_hashes;
    std::string_view m_messages;
};
} // namespace

std::unique_ptr<TextCatalog> QmCatalog(std::string_view bytes) {
    if (bytes.size() < sizeof kHeader || std::memcmp(bytes.data(), kHeader, sizeof kHeader) != 0)
        return nullptr;
    std::string_view contexts, hashes, messages, rules;
    // Sections follow while more than a section's head (five bytes) is
    // left; a zero tag or length ends them early.
    for (std::size_t at = sizeof kHeader; bytes.size() - at > 5;) {
        const unsigned char tag = ByteAt(bytes, at);
        const std::uint32_t length = *NumberAt(bytes, at + 1, 4);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        if (length > bytes.size() - at)
            return nullptr;
        const std::string_view section = bytes.substr(at, length);
        at += length;
        switch (tag) {
        case kContexts:
            contexts = section;
            break;
        case kHashes:
            hashes = section;
            break;
        case kMessages:
            messages = section;
            break;
        case kPluralRules:
            rules = section;
            break;
        case kDependencies:
            // Qt would load further catalogues from files it names.
            return nullptr;
        default:
            break; // the language's name, and sections yet unknown
        }
    }
    if (!PluralRulesWhole(rules))
        return nullptr;
    return std::make_unique<Catalog>(contexts, hashes, messages);
}
