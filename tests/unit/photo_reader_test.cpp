// Reading photos in a process of their own: a file is told by its bytes,
// never its name, and opened as a file, never as an address; whatever a
// hostile file does to the reader (an abort, an endless loop, a bus error,
// memory without end) costs that file one sentence and the batch goes on;
// only this build's reader is run.
#include "../photos/test_photos.h"
#include "photo/photo_kind.h"
#include "photo/photo_loading.h"
#include "photo/photo_reader.h"
#include "photo/photo_wire.h"
#include "settings_test_support.h"

#include <arpa/inet.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using namespace std::string_literals;

const std::string& Photos() {
    return TestPhotosFolder();
}

std::unique_ptr<PhotoSource> Reader(const char* program, std::chrono::milliseconds silence) {
    PhotoReaderLimits limits{program};
    limits.silence = silence;
    return OpenPhotoReader(limits);
}

const std::string kStopped = " could not be read: the reader stopped.";
} // namespace

// The first bytes of real files of each kind, as their formats define them.
TEST(PhotoKinds, EachFileIsToldByItsFirstBytes) {
    const struct {
        const char* name;
        std::string head;
        PhotoKind kind;
    } rows[] = {
        {"JPEG with Exif",
         "\xFF\xD8\xFF\xE1\x12\x34"
         "Exif\0\0"s,
         PhotoKind::Jpeg},
        {"JPEG, JFIF", "\xFF\xD8\xFF\xE0\x00\x10JFIF"s, PhotoKind::Jpeg},
        {"PNG", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"s, PhotoKind::Png},
        {"TIFF, Intel", "II*\0\x08\0\0\0"s, PhotoKind::Tiff},
        {"TIFF, Motorola (NEF, PEF)", "MM\0*\0\0\0\x08"s, PhotoKind::Tiff},
        {"CR2", "II*\0\x10\0\0\0CR\x02\0"s, PhotoKind::Tiff},
        {"BigTIFF", "II+\0\x08\0\0\0"s, PhotoKind::Tiff},
        {"ORF", "IIRO\x08\0\0\0"s, PhotoKind::OtherRaw},
        {"RW2", "IIU\0\x18\0\0\0"s, PhotoKind::OtherRaw},
        {"RAF", "FUJIFILMCCD-RAW 0201FF383501"s, PhotoKind::OtherRaw},
        {"MRW", "\0MRM\0\0\x0B\x38"s, PhotoKind::OtherRaw},
        {"CRW", "II\x1A\0\0\0HEAPCCDR"s, PhotoKind::OtherRaw},
        {"HEIC",
         "\0\0\0\x18"
         "ftypheic\0\0\0\0mif1heic"s,
         PhotoKind::Heif},
        {"CR3",
         "\0\0\0\x18"
         "ftypcrx \0\0\0\x01"
         "crx isom"s,
         PhotoKind::Heif},
        {"AVIF",
         "\0\0\0\x1C"
         "ftypavif\0\0\0\0avifmif1"s,
         PhotoKind::Heif},
        {"MP4",
         "\0\0\0\x20"
         "ftypisom\0\0\x02\0isomiso2"s,
         PhotoKind::Video},
        {"QuickTime",
         "\0\0\0\x14"
         "ftypqt  \0\0\0\0qt  "s,
         PhotoKind::Video},
        {"QuickTime without a type box", "\0\0\0\x08wide\0\0\0\0mdat"s, PhotoKind::Video},
        {"Matroska", "\x1A\x45\xDF\xA3\x9F\x42\x86\x81\x01"s, PhotoKind::Video},
        {"ASF (WMV)", "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C"s,
         PhotoKind::Video},
        {"AVI",
         "RIFF\x24\0\0\0"
         "AVI LIST"s,
         PhotoKind::Video},
        {"MPEG program stream", "\0\0\x01\xBA\x44"s, PhotoKind::Video},
        {"GIF", "GIF89a\x01\0\x01\0"s, PhotoKind::OtherImage},
        {"WebP", "RIFF\x24\0\0\0WEBPVP8 "s, PhotoKind::OtherImage},
        {"JPEG 2000", "\0\0\0\x0CjP  \r\n\x87\n"s, PhotoKind::OtherImage},
        {"Photoshop", "8BPS\0\x01"s, PhotoKind::OtherImage},
        {"text", "Not a photo: a person's notes."s, PhotoKind::Unknown},
        {"a lone byte of a JPEG", "\xFF"s, PhotoKind::Unknown},
        {"nothing", ""s, PhotoKind::Unknown},
    };
    for (const auto& row : rows)
        EXPECT_EQ(KindOfPhoto(row.head), row.kind) << row.name;
}

TEST(PhotoWire, AnAnswerCrossesWholeAndNothingElseIsTaken) {
    PhotoFacts facts;
    facts.file = "/shoot/DSC_0001.JPG";
    facts.make = "NIKON CORPORATION";
    facts.model = "NIKON Z 6_2";
    facts.fNumber = RecordedNumber{5.6, "Exif.Photo.FNumber"};
    facts.distance = RecordedNumber{2.5, "Exif.Photo.SubjectDistance"};
    facts.width = 6048;
    facts.height = -1;
    facts.nonsense.push_back({"The photo records an image size of %1 x %2 pixels (%3), which is "
                              "not used.",
                              {"0", "0", "the image"},
                              4});
    facts.distanceNote = {"between %1 and %2", {"2.51 m", "2.89 m"}};
    const std::string packed = PackPhotoFacts(facts);
    const std::optional<PhotoFacts> back = UnpackPhotoFacts(packed);
    ASSERT_TRUE(back);
    EXPECT_EQ(PackPhotoFacts(*back), packed);
    EXPECT_EQ(back->model, "NIKON Z 6_2");
    EXPECT_EQ(back->fNumber->value, 5.6);
    EXPECT_FALSE(back->focalLength);
    EXPECT_EQ(back->height, -1);
    EXPECT_EQ(Said(back->nonsense.at(0)),
              "The photo records an image size of 0 x 0 pixels (the image), which is not used.");
    // Cut anywhere, or with a byte too many, it is no answer.
    for (std::size_t size = 0; size < packed.size(); ++size)
        EXPECT_FALSE(UnpackPhotoFacts(std::string_view(packed).substr(0, size))) << size;
    EXPECT_FALSE(UnpackPhotoFacts(packed + "x"));
    // A count larger than the bytes could hold is no answer, and no allocation.
    std::string huge = packed;
    huge.replace(0, 8, "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F"s);
    EXPECT_FALSE(UnpackPhotoFacts(huge));
    const std::optional<PhotoRequest> request = UnpackPhotoRequest(PackPhotoRequest({"a b", "c"}));
    ASSERT_TRUE(request);
    EXPECT_EQ(request->path, "a b");
    EXPECT_EQ(request->shownAs, "c");
}

// Abort, endless loop, bus error, memory without end: the photo is named,
// the reader started again for the next one, and the batch goes on.
TEST(PhotoReader, OneBadFileCostsItsOwnLineNeverTheBatch) {
    const std::unique_ptr<PhotoSource> reader =
        Reader("fake-photo-reader", std::chrono::milliseconds(2000));
    const PhotoFacts limits = reader->Read("limits.jpg");
    const bool limited = limits.make.rfind("-1 ", 0) != 0; // none under AddressSanitizer
    EXPECT_EQ(limits.make, (limited ? std::to_string(3ULL << 30) : "-1"s) + " 0 0")
        << "memory, core dumps, files";
    std::vector<std::string> batch = {"a.jpg", "abort.jpg", "b.jpg", "hang.jpg",
                                      "c.jpg", "bus.jpg",   "d.jpg"};
    if (limited)
        batch.insert(batch.end(), {"hog.jpg", "e.jpg"});
    for (const std::string& name : batch) {
        const PhotoFacts facts = reader->Read("/shoot/" + name, name);
        EXPECT_EQ(facts.file, "/shoot/" + name);
        if (name.size() == 5) { // a.jpg, …: read
            EXPECT_EQ(facts.model, "Fake") << name;
            EXPECT_TRUE(facts.refusal.empty()) << name << ": " << Said(facts.refusal);
        } else {
            EXPECT_EQ(Said(facts.refusal), name + kStopped);
        }
    }
}

// A batch read ahead: the photos asked for after the one that stopped the
// reader are asked of the next, and every answer comes in order.
TEST(PhotoReader, ABatchReadAheadLosesNoPhoto) {
    std::vector<std::string> batch;
    for (int i = 0; i < 40; ++i)
        batch.push_back("/shoot/" + std::to_string(i) + (i == 3 || i == 20 ? "abort.jpg" : ".jpg"));
    batch.push_back("/shoot/bus.jpg");
    std::vector<std::string> said(batch.size());
    Reader("fake-photo-reader", std::chrono::seconds(10))
        ->ReadEach(batch, [&](std::size_t i, const PhotoFacts& facts) {
            said.at(i) = facts.file + ": " + (facts.refusal.empty() ? facts.model : "stopped");
        });
    for (std::size_t i = 0; i < batch.size(); ++i)
        EXPECT_EQ(said[i], batch[i] + (i == 3 || i == 20 || i == 40 ? ": stopped" : ": Fake"));
}

TEST(PhotoReader, OnlyThisBuildsReaderIsRun) {
    EXPECT_EQ(Said(Reader("stale-photo-reader", std::chrono::seconds(10))->Read("a.jpg").refusal),
              "Reading photos is not available: stale-photo-reader belongs to another build of "
              "the program.");
    EXPECT_EQ(Said(Reader("no-such-reader", std::chrono::seconds(10))->Read("a.jpg").refusal),
              "Reading photos is not available: no-such-reader could not be loaded.");
    EXPECT_EQ(Said(Reader("../app/vextondof-photo-reader", std::chrono::seconds(10))
                       ->Read("a.jpg")
                       .refusal),
              "Reading photos is not available: ../app/vextondof-photo-reader could not be "
              "loaded.")
        << "a module is a name, never a path";
}

// Through the real reader: films named as photos never reach exiv2, whose
// readers of films fail on them (an assertion, a null pointer, an endless
// loop); the photos beside them are read as in this process.
TEST(PhotoReader, FilmsNamedAsPhotosAreToldByTheirBytes) {
    const std::unique_ptr<PhotoSource> reader = OpenPhotoReader();
    for (const char* film : {"DSC_0001.JPG", "DSC_0002.JPG", "DSC_0003.JPG"}) {
        EXPECT_EQ(Said(reader->Read(Photos() + "/" + film, film).refusal),
                  std::string(film) + " is a video, not a photo.");
        EXPECT_EQ(Said(ReadPhoto(Photos() + "/" + film, film).refusal),
                  std::string(film) + " is a video, not a photo.");
    }
    for (const char* photo : {"group.jpg", "group.png", "canon-range.jpg", "absurd.jpg"}) {
        const PhotoFacts there = reader->Read(Photos() + "/" + photo);
        const PhotoFacts here = ReadPhoto(Photos() + "/" + photo);
        EXPECT_EQ(PackPhotoFacts(there), PackPhotoFacts(here)) << photo;
    }
    EXPECT_EQ(Said(reader->Read(Photos() + "/notes.txt", "notes.txt").refusal),
              "notes.txt is not a photo.");
}

// A path is a file's, whatever it looks like: exiv2 is never handed a name it
// could take for an address, standard input or data.
TEST(PhotoReader, APathIsAFileNeverAnAddress) {
    const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    ASSERT_EQ(::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string url =
        "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/DSC_0001.jpg";

    const ProgramFolder here;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(here.folder());
    const std::unique_ptr<PhotoSource> reader = OpenPhotoReader();
    for (const std::string& path :
         {url, "file:///etc/hostname"s, "-"s, "data://image/jpeg;base64,/9j/4AAQ"s})
        EXPECT_EQ(Said(reader->Read(path).refusal), path + " does not exist.");
    ::mkfifo((here.folder() + "/pipe.jpg").c_str(), 0600);
    EXPECT_EQ(Said(reader->Read("pipe.jpg").refusal), "pipe.jpg is not a photo.")
        << "a FIFO is never opened, so never waited on";
    EXPECT_EQ(Said(reader->Read("/dev/zero").refusal), "/dev/zero is not a photo.");
    std::filesystem::current_path(before);
    EXPECT_EQ(::accept(server, nullptr, nullptr), -1) << "no one knocked";
    ::close(server);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(here.folder()))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"pipe.jpg"}) << "nothing written here";
}
