// The catalogue read without Qt gives what Qt's translator gives: for every
// text of the program's catalogues as lrelease builds them, for texts and
// contexts they do not hold, and for catalogues made by hand to reach each
// rule of the format. Damaged catalogues give the right translation or
// none, and never fault.
//
// SOURCE_FOLDER names the repository (its resources/translations holds the
// .ts files); LRELEASE names Qt's lrelease, else it is taken from Qt's
// folder of programs.
#include "framework/base/qm_catalog.h"
#include "test_folder.h"

#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {
struct Message {
    std::string context, source, translation;
};

// The messages of the program's .ts file for `language`.
std::vector<Message> TsMessages(const std::string& language) {
    std::vector<Message> messages;
    QFile file(QString::fromStdString(std::string(SOURCE_FOLDER) +
                                      "/resources/translations/vextondof_" + language + ".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    std::string context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QStringLiteral("name"))
            context = xml.readElementText().toStdString();
        else if (xml.name() == QStringLiteral("source"))
            m = {context, xml.readElementText().toStdString(), {}};
        else if (xml.name() == QStringLiteral("translation")) {
            m.translation = xml.readElementText().toStdString();
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// Qt's lrelease, as the build names it, else from Qt's folder of programs.
std::string Lrelease() {
#ifdef LRELEASE
    return LRELEASE;
#else
    return QLibraryInfo::path(QLibraryInfo::BinariesPath).toStdString() + "/lrelease";
#endif
}

// Runs `args` (the first the program) and waits; true when it succeeded.
bool Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The catalogue lrelease builds in `folder` of the program's .ts file for
// `language`; with a table of the contexts when `compress`.
std::string Built(const TestFolder& folder, const std::string& language, bool compress) {
    const std::string ts =
        std::string(SOURCE_FOLDER) + "/resources/translations/vextondof_" + language + ".ts";
    const std::filesystem::path qm = folder / (language + (compress ? "_small.qm" : ".qm"));
    std::vector<std::string> args = {Lrelease(), "-silent"};
    if (compress)
        args.push_back("-compress");
    args.insert(args.end(), {ts, "-qm", qm.string()});
    EXPECT_TRUE(Run(args)) << "lrelease: " << args[0];
    return ReadAll(qm);
}

// Qt's translator over `bytes`, which it reads in place; false when it
// would not load them.
bool QtLoads(QTranslator& qt, std::string_view bytes) {
    return qt.load(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
}

std::string QtFinds(const QTranslator& qt, const char* context, const char* text) {
    return qt.translate(context, text).toStdString();
}

// A copy of `bytes` in memory of exactly its size, so that a read past the
// end is caught under AddressSanitizer.
struct ExactCopy {
    explicit ExactCopy(std::string_view bytes) : data(new char[bytes.size()]), size(bytes.size()) {
        std::copy(bytes.begin(), bytes.end(), data.get());
    }
    std::string_view View() const { return {data.get(), size}; }
    std::unique_ptr<char[]> data;
    std::size_t size;
};

// Each language's catalogue, plain and with its table of contexts.
struct Variant {
    std::string language;
    bool compress;
};
const Variant kVariants[] = {{"de", false}, {"de", true}, {"fr", false}, {"fr", true}};

std::string Name(const Variant& v) {
    return v.language + (v.compress ? " (with contexts' table)" : "");
}
} // namespace

TEST(QmCatalog, EveryMessageAsQtGivesIt) {
    TestFolder folder("qm");
    for (const Variant& v : kVariants) {
        const std::vector<Message> messages = TsMessages(v.language);
        ASSERT_GT(messages.size(), 600u);
        const ExactCopy bytes(Built(folder, v.language, v.compress));
        const std::unique_ptr<TextCatalog> catalog = QmCatalog(bytes.View());
        ASSERT_TRUE(catalog) << Name(v);
        QTranslator qt;
        ASSERT_TRUE(QtLoads(qt, bytes.View()));
        for (const Message& m : messages) {
            const std::string found = catalog->Find(m.context.c_str(), m.source.c_str());
            EXPECT_EQ(found, QtFinds(qt, m.context.c_str(), m.source.c_str()))
                << Name(v) << ": " << m.context << ": " << m.source;
            EXPECT_EQ(found, m.translation) << Name(v) << ": " << m.context << ": " << m.source;
        }
    }
}

TEST(QmCatalog, TextsNotHeldAndOtherContextsGiveNothing) {
    TestFolder folder("qm");
    for (const Variant& v : kVariants) {
        const std::vector<Message> messages = TsMessages(v.language);
        const ExactCopy bytes(Built(folder, v.language, v.compress));
        const std::unique_ptr<TextCatalog> catalog = QmCatalog(bytes.View());
        ASSERT_TRUE(catalog) << Name(v);
        QTranslator qt;
        ASSERT_TRUE(QtLoads(qt, bytes.View()));
        std::map<std::string, std::set<std::string>> held; // context: its texts
        for (const Message& m : messages)
            held[m.context].insert(m.source);
        const auto expectNothing = [&](const char* context, const char* text) {
            EXPECT_EQ(catalog->Find(context, text), "")
                << Name(v) << ": " << context << ": " << text;
            EXPECT_EQ(QtFinds(qt, context, text), "") << Name(v) << ": " << context << ": " << text;
        };
        expectNothing("Calculate", "No such text in the program");
        expectNothing("", "");
        expectNothing("No such context", "");
        EXPECT_EQ(catalog->Find(nullptr, nullptr), "");
        for (const Message& m : messages) {
            const std::string context = m.context, text = m.source;
            // Texts near the message's, where the context holds no such.
            for (const std::string& near :
                 {text + " ", text.substr(0, text.size() - 1), m.translation})
                if (!held[context].count(near))
                    expectNothing(context.c_str(), near.c_str());
            expectNothing((context + "!").c_str(), text.c_str());
            expectNothing("", text.c_str());
            // A context of the program that holds other texts only.
            for (const auto& [other, texts] : held) {
                if (!texts.count(text)) {
                    expectNothing(other.c_str(), text.c_str());
                    break;
                }
            }
        }
    }
}

TEST(QmCatalog, TruncatedCopiesGiveTheTranslationOrNothing) {
    TestFolder folder("qm");
    for (const Variant& v : kVariants) {
        const std::vector<Message> messages = TsMessages(v.language);
        const std::string whole = Built(folder, v.language, v.compress);
        QTranslator qt;
        std::size_t loaded = 0;
        // Each cut copy ends where this buffer ends, so that a read past it
        // is caught under AddressSanitizer.
        const std::unique_ptr<char[]> buffer(new char[whole.size()]);
        // Each length in the first and last 4 KiB, where the sections begin
        // and end; a sample between, where the records are.
        for (std::size_t size = 0; size <= whole.size();
             size += size < 4096 || size + 4096 > whole.size() ? 1 : 37) {
            char* start = buffer.get() + whole.size() - size;
            std::copy_n(whole.data(), size, start);
            const std::string_view bytes(start, size);
            const std::unique_ptr<TextCatalog> catalog = QmCatalog(bytes);
            ASSERT_EQ(catalog != nullptr, QtLoads(qt, bytes)) << Name(v) << ", " << size;
            if (!catalog)
                continue;
            ++loaded;
            for (std::size_t i = 0; i < messages.size(); i += 41) {
                const Message& m = messages[i];
                const std::string found = catalog->Find(m.context.c_str(), m.source.c_str());
                ASSERT_EQ(found, QtFinds(qt, m.context.c_str(), m.source.c_str()))
                    << Name(v) << ", " << size << ": " << m.source;
                ASSERT_TRUE(found.empty() || found == m.translation) << Name(v) << ", " << size;
            }
        }
        EXPECT_GT(loaded, 16u) << "the header alone, and the tail's cuts";
    }
}

// The Messages section cut short at many lengths, the sections around it
// whole: a record that runs past its end gives nothing.
TEST(QmCatalog, RecordsCutShortGiveTheTranslationOrNothing) {
    TestFolder folder("qm");
    const std::vector<Message> messages = TsMessages("de");
    const std::string whole = Built(folder, "de", false);
    // Where the Messages section's head stands, and its length.
    const auto lengthAt = [&whole](std::size_t at) {
        std::size_t length = 0;
        for (std::size_t i = at + 1; i < at + 5; ++i)
            length = length << 8 | static_cast<unsigned char>(whole[i]);
        return length;
    };
    std::size_t head = 16;
    while (static_cast<unsigned char>(whole[head]) != 0x69) {
        head += 5 + lengthAt(head);
        ASSERT_LT(head + 5, whole.size());
    }
    const std::size_t length = lengthAt(head);
    std::size_t lastFound = 0;
    for (std::size_t cut = 0; cut <= length; cut += cut + 131 < length ? 131 : 1) {
        std::string bytes = whole.substr(0, head + 1);
        for (int shift : {24, 16, 8, 0})
            bytes += static_cast<char>(cut >> shift & 0xff);
        bytes += whole.substr(head + 5, cut);
        bytes += whole.substr(head + 5 + length);
        const ExactCopy copy(bytes);
        const std::unique_ptr<TextCatalog> catalog = QmCatalog(copy.View());
        ASSERT_TRUE(catalog) << cut;
        std::size_t found = 0;
        for (const Message& m : messages) {
            const std::string text = catalog->Find(m.context.c_str(), m.source.c_str());
            ASSERT_TRUE(text.empty() || text == m.translation) << cut << ": " << m.source;
            found += !text.empty();
        }
        EXPECT_GE(found, lastFound) << "a longer section holds every record a shorter one did";
        lastFound = found;
        if (cut == 0) {
            EXPECT_EQ(found, 0u);
        }
    }
    EXPECT_EQ(lastFound, messages.size());
}

TEST(QmCatalog, NoCatalogueWithoutItsHeader) {
    TestFolder folder("qm");
    const std::string whole = Built(folder, "de", false);
    QTranslator qt;
    for (std::size_t i = 0; i < 16; ++i) {
        std::string bytes = whole;
        bytes[i] = static_cast<char>(bytes[i] ^ 0x20);
        EXPECT_FALSE(QmCatalog(bytes)) << "byte " << i;
        EXPECT_FALSE(QtLoads(qt, bytes));
    }
    EXPECT_FALSE(QmCatalog({}));
    EXPECT_FALSE(QmCatalog(std::string_view(whole).substr(0, 15)));
    EXPECT_FALSE(
        QmCatalog(ReadAll(std::string(SOURCE_FOLDER) + "/resources/translations/vextondof_de.ts")))
        << "the catalogue's source is no catalogue";
    // The header alone is a catalogue that holds nothing, to Qt too.
    const std::unique_ptr<TextCatalog> empty = QmCatalog(std::string_view(whole).substr(0, 16));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(QtLoads(qt, std::string_view(whole).substr(0, 16)));
    EXPECT_EQ(empty->Find("About Vexton.DOF.CE", "About Vexton.DOF.CE"), "");
}

// Catalogues made by hand, to reach what lrelease does not write.
namespace {
std::string BigEndian(std::uint32_t value, int width) {
    std::string bytes;
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        bytes += static_cast<char>(value >> shift & 0xff);
    return bytes;
}

std::string Block(unsigned char tag, const std::string& body) {
    return static_cast<char>(tag) + BigEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string Utf16(const std::u16string& text) {
    std::string bytes;
    for (char16_t u : text)
        bytes += BigEndian(u, 2);
    return bytes;
}

// The hash Qt takes of a name: up to its first NUL.
std::uint32_t ElfHash(const std::string& text) {
    std::uint32_t h = 0;
    for (const char* c = text.c_str(); *c; ++c) {
        h = (h << 4) + static_cast<unsigned char>(*c);
        const std::uint32_t g = h & 0xf0000000u;
        if (g)
            h ^= g >> 24;
        h &= ~g;
    }
    return h ? h : 1;
}

const std::string kHeader = "\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd";
enum : unsigned char {
    kEnd = 1,
    kSourceText16 = 2,
    kTranslation = 3,
    kObsolete = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

// A record's field.
std::string Field(unsigned char tag, const std::string& value) {
    return Block(tag, value);
}

// The usual record, as lrelease writes it.
std::string Record(const std::u16string& translation, const std::string& source,
                   const std::string& context) {
    return Field(kTranslation, Utf16(translation)) + Field(kComment, "") +
           Field(kSourceText, source) + Field(kContext, context) + static_cast<char>(kEnd);
}

struct HandMade {
    std::string messages;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> hashes; // hash, record
    std::string contexts;                                        // the table's bytes, if any
    std::string rules = std::string("\x01\x01", 2);
    std::string more; // sections after the others

    // Adds `record` under the hash of `source`.
    std::uint32_t Add(const std::string& record, const std::string& source) {
        const auto at = static_cast<std::uint32_t>(messages.size());
        messages += record;
        hashes.emplace_back(ElfHash(source), at);
        return at;
    }
    std::string Bytes(bool sorted = true) const {
        auto table = hashes;
        if (sorted)
            std::stable_sort(table.begin(), table.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        std::string entries;
        for (const auto& [hash, at] : table)
            entries += BigEndian(hash, 4) + BigEndian(at, 4);
        std::string bytes = kHeader + Block(0x42, entries) + Block(0x69, messages);
        if (!contexts.empty())
            bytes += Block(0x2f, contexts);
        return bytes + Block(0x88, rules) + more;
    }
};

// A table of `names` in `tableSize` buckets, as lrelease lays them out.
std::string ContextTable(const std::vector<std::string>& names, std::uint16_t tableSize) {
    std::vector<std::vector<std::string>> buckets(tableSize);
    for (const std::string& name : names)
        buckets[ElfHash(name) % tableSize].push_back(name);
    std::string offsets, pool(2, '\0');
    for (const auto& bucket : buckets) {
        if (bucket.empty()) {
            offsets += BigEndian(0, 2);
            continue;
        }
        if (pool.size() % 2)
            pool += '\0';
        offsets += BigEndian(static_cast<std::uint32_t>(pool.size() / 2), 2);
        for (const std::string& name : bucket)
            pool += static_cast<char>(name.size()) + name;
        pool += '\0';
    }
    return BigEndian(tableSize, 2) + offsets + pool;
}

// Expects the same of the catalogue and Qt for each context and text; the
// number of texts translated.
std::size_t ExpectAsQt(const std::string& bytes, const std::vector<std::string>& contexts,
                       const std::vector<std::string>& texts, const std::string& what) {
    const ExactCopy copy(bytes);
    const std::unique_ptr<TextCatalog> catalog = QmCatalog(copy.View());
    QTranslator qt;
    EXPECT_EQ(catalog != nullptr, QtLoads(qt, copy.View())) << what;
    std::size_t translated = 0;
    for (const std::string& context : contexts) {
        for (const std::string& text : texts) {
            const std::string found =
                catalog ? catalog->Find(context.c_str(), text.c_str()) : std::string();
            EXPECT_EQ(found, QtFinds(qt, context.c_str(), text.c_str()))
                << what << ": " << context << ": " << text;
            translated += !found.empty();
        }
    }
    return translated;
}

std::string FindIn(const std::string& bytes, const char* context, const char* text) {
    const ExactCopy copy(bytes);
    const std::unique_ptr<TextCatalog> catalog = QmCatalog(copy.View());
    return catalog ? catalog->Find(context, text) : "(none)";
}
} // namespace

TEST(QmCatalog, UnicodeAsQtWritesItInUtf8) {
    const std::vector<std::u16string> translations = {
        u"caf\u00e9 \u20ac",
        {0xd83d, 0xde00, u'!'},     // a pair
        {u'a', 0xd83d},             // a high surrogate at the end
        {u'a', 0xde00, u'b'},       // a low one alone
        {0xd83d, u'x', 0xdbff},     // a high one before another character
        {0xd83d, 0xd83d, 0xde00},   // two high ones, then a low one
        {0xfffe, 0xffff, 0xfdd0},   // characters that are none
        {u'a', 0, u'b'},            // a NUL within
        {0x7f, 0x80, 0x7ff, 0x800}, // each width's edge
        {},                         // empty
    };
    HandMade made;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < translations.size(); ++i) {
        texts.push_back("text " + std::to_string(i));
        made.Add(Record(translations[i], texts.back(), "C"), texts.back());
    }
    ExpectAsQt(made.Bytes(), {"C"}, texts, "unicode");
    EXPECT_EQ(FindIn(made.Bytes(), "C", "text 0"), "caf\u00e9 \u20ac");
    EXPECT_EQ(FindIn(made.Bytes(), "C", "text 1"), "\xf0\x9f\x98\x80!");
    EXPECT_EQ(FindIn(made.Bytes(), "C", "text 2"), "a?");
    EXPECT_EQ(FindIn(made.Bytes(), "C", "text 3"), "a?b");
    EXPECT_EQ(FindIn(made.Bytes(), "C", "text 5"), "?\xf0\x9f\x98\x80");
    EXPECT_EQ(FindIn(made.Bytes(), "C", "text 7"), std::string("a\0b", 3));
}

TEST(QmCatalog, RecordsMatchedAsQtMatchesThem) {
    // "ab" and "`r" share their hash; so do records of one text in two
    // contexts.
    ASSERT_EQ(ElfHash("ab"), ElfHash("`r"));
    HandMade made;
    made.Add(Record(u"AB in B", "ab", "B"), "ab");
    made.Add(Record(u"AB in A", "ab", "A"), "ab");
    made.Add(Record(u"R in A", "`r", "A"), "`r");
    // Names kept with a closing NUL; a comment that begins with NUL.
    made.Add(Record(u"nul", std::string("n\0", 2), std::string("A\0", 2)), "n");
    made.Add(Field(kTranslation, Utf16(u"commented")) + Field(kComment, std::string("\0x", 2)) +
                 Field(kSourceText, "c0") + static_cast<char>(kEnd),
             "c0");
    // A comment of its own: no match without the disambiguation.
    made.Add(Field(kTranslation, Utf16(u"other")) + Field(kComment, "x") +
                 Field(kSourceText, "c1") + static_cast<char>(kEnd),
             "c1");
    // Neither source nor context: the hash alone decides.
    made.Add(Field(kTranslation, Utf16(u"bare")) + static_cast<char>(kEnd), "bare");
    // Four bytes skipped; the first of two translations.
    made.Add(Field(kTranslation, Utf16(u"first")) + static_cast<char>(kObsolete) + "1234" +
                 Field(kTranslation, Utf16(u"second")) + Field(kSourceText, "two") +
                 static_cast<char>(kEnd),
             "two");
    // A field Qt does not read; an odd length; no translation at all.
    made.Add(Field(kTranslation, Utf16(u"16")) + Field(kSourceText16, "xx") +
                 static_cast<char>(kEnd),
             "sixteen");
    made.Add(Field(kTranslation, "odd") + static_cast<char>(kEnd), "odd");
    made.Add(Field(kSourceText, "none") + static_cast<char>(kEnd), "none");
    // An empty translation first ends the search, as in Qt.
    made.Add(Record(u"", "empty", "A"), "empty");
    made.Add(Record(u"full", "empty", "A"), "empty");
    // A record whose hash is not its text's.
    made.Add(Record(u"moved", "moved", "A"), "elsewhere");
    const std::vector<std::string> contexts = {"A", "B", "", "C", std::string("A\0", 2)};
    const std::vector<std::string> texts = {"ab",    "`r",        "n",     "c0",   "c1",
                                            "bare",  "two",       "odd",   "none", "sixteen",
                                            "empty", "elsewhere", "moved", ""};
    ExpectAsQt(made.Bytes(), contexts, texts, "records");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "ab"), "AB in A");
    EXPECT_EQ(FindIn(made.Bytes(), "B", "ab"), "AB in B");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "`r"), "R in A");
    EXPECT_EQ(FindIn(made.Bytes(), "B", "`r"), "");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "n"), "nul");
    EXPECT_EQ(FindIn(made.Bytes(), "B", "c0"), "commented");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "c1"), "");
    EXPECT_EQ(FindIn(made.Bytes(), "any", "bare"), "bare");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "two"), "first");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "sixteen"), "");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "odd"), "");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "none"), "");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "elsewhere"), "");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "moved"), "");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "empty"), "");
    // Out of order, the table is searched as Qt searches it.
    ExpectAsQt(made.Bytes(false), contexts, texts, "records out of order");
}

TEST(QmCatalog, ContextsTableAsQtReadsIt) {
    HandMade made;
    const std::vector<std::string> held = {"A", "Menu", "Calculate", std::string("Z\0", 2)};
    for (const std::string& context : held)
        made.Add(Record(u"yes", "t", context), "t");
    // A record whose context the table does not hold.
    made.Add(Record(u"not in the table", "u", "Other"), "u");
    const std::vector<std::string> contexts = {"A", "Menu", "Calculate", "Z", "Other", "", "Men"};
    for (std::uint16_t tableSize : {1, 2, 3, 7, 100}) {
        made.contexts = ContextTable(held, tableSize);
        ExpectAsQt(made.Bytes(), contexts, {"t", "u"}, "table of " + std::to_string(tableSize));
        EXPECT_EQ(FindIn(made.Bytes(), "Menu", "t"), "yes");
        EXPECT_EQ(FindIn(made.Bytes(), "Other", "u"), "") << "the table decides first";
    }
    // Tables Qt cannot read (it divides by their size, or reads past them)
    // hold nothing.
    for (const std::string& table :
         {BigEndian(0, 2), std::string(1, '\x01'), BigEndian(1, 2) + BigEndian(200, 2),
          BigEndian(1, 2) + BigEndian(1, 2) + std::string("\0\0\x09Menu", 7), BigEndian(2, 2)}) {
        made.contexts = table;
        EXPECT_EQ(FindIn(made.Bytes(), "Menu", "t"), "");
    }
}

TEST(QmCatalog, SectionsAsQtLoadsThem) {
    HandMade made;
    made.Add(Record(u"yes", "t", "A"), "t");
    const std::vector<std::string> contexts = {"A"}, texts = {"t"};
    ExpectAsQt(made.Bytes(), contexts, texts, "whole");
    // Plural rules Qt takes, and those it refuses.
    const std::vector<std::string> rules = {"",
                                            "\x01\x01",
                                            "\x19\x01\xfd\x2a\x0b\xff\x04\x02\x04",
                                            "\x80\x01",
                                            "\x01",
                                            "\x04\x01",
                                            "\x01\x01\xfd",
                                            "\x01\x01\x07\x01",
                                            "\x05\x01",
                                            std::string("\x00\x01", 2)};
    for (const std::string& r : rules) {
        made.rules = r;
        ExpectAsQt(made.Bytes(), contexts, texts, "rules of " + std::to_string(r.size()));
    }
    made.rules = "\x01\x01";
    EXPECT_NE(FindIn(made.Bytes(), "A", "t"), "(none)");
    made.rules = "\x01";
    EXPECT_EQ(FindIn(made.Bytes(), "A", "t"), "(none)");
    made.rules = "\x01\x01";
    // A section longer than the bytes; a zero tag or length ends the
    // sections; five bytes or fewer after the last are not read.
    const std::string good = made.Bytes();
    for (const std::string& tail :
         {Block(0x42, "1234"),
          std::string("\x42\x00\x00\x00\x09"
                      "12345678",
                      13),
          std::string("\0\0\0\0\x05"
                      "12345",
                      10),
          std::string("\x42\0\0\0\0", 5) + "junk", std::string("\x42\x00\x00\x00\x08", 5),
          std::string("\x55\x00", 2), Block(0xa7, "de_DE"), Block(0x12, "unknown")}) {
        ExpectAsQt(good + tail, contexts, texts, "tail");
    }
    EXPECT_EQ(FindIn(good + Block(0x42, ""), "A", "t"), "yes");
    EXPECT_EQ(FindIn(good + std::string("\x42\x00\x00\x00\x09"
                                        "12345678",
                                        13),
                     "A", "t"),
              "(none)");
    // A later section stands for an earlier one.
    EXPECT_EQ(FindIn(good + Block(0x42, ""), "A", "t"), "yes");
    EXPECT_EQ(FindIn(good + Block(0x69, "\x01"), "A", "t"), "");
    ExpectAsQt(good + Block(0x69, "\x01"), contexts, texts, "two message sections");
    // Other catalogues to load with it: Qt looks for them as files.
    std::string dependency = Utf16(u"/nonexistent/vextondof-none");
    made.more =
        Block(0x96, BigEndian(static_cast<std::uint32_t>(dependency.size()), 4) + dependency);
    ExpectAsQt(made.Bytes(), contexts, texts, "dependencies");
    EXPECT_EQ(FindIn(made.Bytes(), "A", "t"), "(none)");
}

// Catalogues made at random, every record whole and every offset inside
// the records or past them, so that Qt reads them safely too.
TEST(QmCatalog, RandomCataloguesAsQtReadsThem) {
    std::mt19937 random(20240611);
    const auto pick = [&random](const auto& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random)];
    };
    const auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    const std::vector<std::string> texts = {
        "ab",
        "`r",
        "a",
        "",
        "Hello",
        "x\x7f",
        "\xc3\xa9t\xc3\xa9",
        "A rather long text, long enough to fold the hash's top"};
    const std::vector<std::string> contexts = {"A", "B", "", "Menu"};
    const std::vector<std::u16string> translations = {u"eins",        u"zwei",   u"",
                                                      {0xd800, u'x'}, u"\u00fc", {0xd83d, 0xde00}};
    std::size_t translated = 0;
    for (int round = 0; round < 2000; ++round) {
        HandMade made;
        std::vector<std::uint32_t> starts;
        const int count = std::uniform_int_distribution<int>(1, 10)(random);
        for (int i = 0; i < count; ++i) {
            std::string record;
            const std::string text = pick(texts);
            std::vector<std::string> fields = {Field(kTranslation, Utf16(pick(translations)))};
            if (chance(80))
                fields.push_back(Field(kSourceText, chance(90) ? text : pick(texts)));
            if (chance(80))
                fields.push_back(Field(kContext, pick(contexts)));
            if (chance(30))
                fields.push_back(Field(
                    kComment, pick(std::vector<std::string>{"", std::string("\0c", 2), "c"})));
            if (chance(10))
                fields.push_back(std::string(1, static_cast<char>(kObsolete)) + "abcd");
            if (chance(10))
                fields.push_back(Field(kTranslation, Utf16(pick(translations))));
            std::shuffle(fields.begin(), fields.end(), random);
            for (const std::string& field : fields)
                record += field;
            record += static_cast<char>(chance(3) ? kSourceText16 : kEnd);
            starts.push_back(made.Add(record, chance(85) ? text : pick(texts)));
        }
        // Further entries: to a record again, or past the records.
        for (int extra = std::uniform_int_distribution<int>(0, 3)(random); extra > 0; --extra)
            made.hashes.emplace_back(
                ElfHash(pick(texts)),
                chance(50) ? pick(starts)
                           : static_cast<std::uint32_t>(made.messages.size() + random() % 50));
        if (chance(40)) {
            std::vector<std::string> held;
            for (const std::string& context : contexts)
                if (chance(60))
                    held.push_back(context);
            if (!held.empty())
                made.contexts = ContextTable(
                    held,
                    static_cast<std::uint16_t>(std::uniform_int_distribution<int>(1, 5)(random)));
        }
        if (!chance(30))
            std::shuffle(made.hashes.begin(), made.hashes.end(), random);
        translated +=
            ExpectAsQt(made.Bytes(chance(60)), contexts, texts, "round " + std::to_string(round));
        if (HasFailure())
            break;
    }
    EXPECT_GT(translated, 2000u) << "most catalogues translate something";
}

// Random damage to a real catalogue: never a fault, never a hang.
TEST(QmCatalog, DamagedCataloguesAreSafe) {
    TestFolder folder("qm");
    const std::vector<Message> messages = TsMessages("fr");
    const std::string whole = Built(folder, "fr", true);
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = whole;
        for (int hits = std::uniform_int_distribution<int>(1, 20)(random); hits > 0; --hits) {
            // Past the header, most at the sections' heads and the tables.
            const std::size_t at = std::uniform_int_distribution<std::size_t>(
                16, round % 2 ? bytes.size() - 1
                              : std::min<std::size_t>(bytes.size() - 1, 6000))(random);
            bytes[at] = static_cast<char>(random());
        }
        const ExactCopy copy(bytes);
        if (const std::unique_ptr<TextCatalog> catalog = QmCatalog(copy.View()))
            for (std::size_t i = round % 7; i < messages.size(); i += 7)
                (void)catalog->Find(messages[i].context.c_str(), messages[i].source.c_str());
    }
}
