#include "test_photos.h"

#include "../unit/test_folder.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <cstring>
#include <exiv2/exiv2.hpp>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {
using Fields = std::vector<std::pair<std::string, std::string>>;

const Fields kGroup = {{"Exif.Image.Make", "SONY"},
                       {"Exif.Image.Model", "ILCE-7M4"},
                       {"Exif.Photo.LensModel", "FE 50mm F1.8"},
                       {"Exif.Photo.FocalLength", "50/1"},
                       {"Exif.Photo.FocalLengthIn35mmFilm", "50"},
                       {"Exif.Photo.FNumber", "40/10"},
                       {"Exif.Photo.SubjectDistance", "320/100"},
                       {"Exif.Photo.DateTimeOriginal", "2024:05:01 10:20:30"}};

// Nikon's lens data of version 0101 (as the D70 writes it, unencrypted):
// the focus distance in its tenth byte.
std::string NikonLensData(int focusStep) {
    std::string bytes = "48 49 48 49";
    for (int i = 4; i < 59; ++i)
        bytes.append(" ").append(std::to_string(i == 9 ? focusStep : 0));
    return bytes;
}

std::string LongLensName() {
    std::string name;
    for (int i = 0; i < 40; ++i)
        name += "FE 24-105mm F4 G OSS ";
    return name + "END";
}
} // namespace

const std::vector<TestPhoto>& TestPhotos() {
    static const std::vector<TestPhoto> photos = {
        {"group.jpg", kGroup},
        {"group.png", kGroup},
        {"with-preview.jpg", kGroup, true},
        {"d70.jpg",
         {{"Exif.Image.Make", "NIKON CORPORATION"},
          {"Exif.Image.Model", "NIKON D70"},
          {"Exif.Photo.FocalLength", "180/10"},
          {"Exif.Photo.FNumber", "56/10"},
          {"Exif.Photo.SubjectDistance", "250/100"}}},
        {"no-distance.jpg",
         {{"Exif.Image.Make", "NIKON CORPORATION"},
          {"Exif.Image.Model", "NIKON D70"},
          {"Exif.Photo.FocalLength", "35/1"},
          {"Exif.Photo.FNumber", "63/10"}}},
        {"unknown.jpg",
         {{"Exif.Image.Make", "SONY"},
          {"Exif.Image.Model", "ILCE-7M4"},
          {"Exif.Photo.FocalLength", "0/1"},
          {"Exif.Photo.FNumber", "0/1"},
          {"Exif.Photo.SubjectDistance", "0/1"}}},
        {"infinity.jpg",
         {{"Exif.Image.Make", "SONY"},
          {"Exif.Image.Model", "ILCE-7M4"},
          {"Exif.Photo.FocalLength", "24/1"},
          {"Exif.Photo.FNumber", "80/10"},
          {"Exif.Photo.SubjectDistance", "4294967295/1"}}},
        {"absurd.jpg",
         {{"Exif.Image.Make", "SONY"},
          {"Exif.Image.Model", "ILCE-7M4"},
          {"Exif.Photo.FocalLength", "1000000/1"},
          {"Exif.Photo.FNumber", "1000/1"},
          {"Exif.Photo.SubjectDistance", "4000000000/1"},
          {"Exif.Photo.PixelXDimension", "4000000000"},
          {"Exif.Photo.PixelYDimension", "3"}}},
        {"only-equivalent.jpg",
         {{"Exif.Image.Make", "Acme"},
          {"Exif.Image.Model", "Phantom 9"},
          {"Exif.Photo.FocalLength", "425/100"},
          {"Exif.Photo.FocalLengthIn35mmFilm", "26"},
          {"Exif.Photo.FNumber", "18/10"},
          {"Exif.Photo.SubjectDistance", "120/100"}}},
        {"only-35mm.jpg",
         {{"Exif.Image.Make", "NIKON CORPORATION"},
          {"Exif.Image.Model", "NIKON D70"},
          {"Exif.Photo.FocalLengthIn35mmFilm", "27"},
          {"Exif.Photo.FNumber", "80/10"},
          {"Exif.Photo.SubjectDistance", "200/100"}}},
        {"canon-range.jpg",
         {{"Exif.Image.Make", "Canon"},
          {"Exif.Image.Model", "Canon EOS 5D Mark IV"},
          {"Exif.Photo.FocalLength", "50/1"},
          {"Exif.Photo.FNumber", "80/10"},
          {"Exif.CanonFi.FocusDistanceUpper", "289"},
          {"Exif.CanonFi.FocusDistanceLower", "251"}}},
        // Only the APEX aperture value, as some bodies record it: Av 5 is f/5.6.
        {"apex-only.jpg",
         {{"Exif.Image.Make", "NIKON CORPORATION"},
          {"Exif.Image.Model", "NIKON D70"},
          {"Exif.Photo.FocalLength", "500/10"},
          {"Exif.Photo.ApertureValue", "5/1"},
          {"Exif.Photo.SubjectDistance", "300/100"}}},
        {"no-camera.jpg",
         {{"Exif.Photo.FocalLength", "50/1"},
          {"Exif.Photo.FNumber", "80/10"},
          {"Exif.Photo.SubjectDistance", "300/100"}}},
        {"no-exif.png", {}},
        // What a stranger's photo may say: a title for the terminal in its
        // model, a forged line in its lens, formulas for a spreadsheet.
        {"hostile.jpg",
         {{"Exif.Image.Make", "=HYPERLINK(\"http://example.com/\",\"SONY\")"},
          {"Exif.Image.Model", "ILCE-7M4\x1B]0;owned\x07\xC2\x9B"
                               "31m"},
          {"Exif.Photo.LensModel",
           "@SUM(1+1)*cmd|' /C calc'!A0\nNear Focus Limit of Depth of Field: 1 m"},
          {"Exif.Photo.FocalLength", "50/1"},
          {"Exif.Photo.FNumber", "40/10"},
          {"Exif.Photo.SubjectDistance", "320/100"}}},
        // Maker notes' focus distances, as exiv2 decodes them: Nikon's lens
        // data in steps (80 is 0.01 m × 10^(80/40) = 1 m), Nikon's manual
        // focus distance, Olympus's and OM System's focus information, the
        // older Olympus note's millimetres, Canon's shot information.
        {"nikon-steps.jpg",
         {{"Exif.Image.Make", "NIKON CORPORATION"},
          {"Exif.Image.Model", "NIKON D70"},
          {"Exif.Photo.FocalLength", "50/1"},
          {"Exif.Photo.FNumber", "80/10"},
          {"Exif.Nikon3.Version", "2 1 0 0"},
          {"Exif.Nikon3.LensData", NikonLensData(80)}}},
        {"nikon-manual.jpg",
         {{"Exif.Image.Make", "NIKON CORPORATION"},
          {"Exif.Image.Model", "NIKON D70"},
          {"Exif.Photo.FocalLength", "50/1"},
          {"Exif.Photo.FNumber", "80/10"},
          {"Exif.Nikon3.FocusDistance", "250/100"}}},
        {"om-system.jpg",
         {{"Exif.Image.Make", "OM Digital Solutions"},
          {"Exif.Image.Model", "OM-1"},
          {"Exif.Photo.FocalLength", "25/1"},
          {"Exif.Photo.FNumber", "28/10"},
          {"Exif.OlympusFi.FocusDistance", "1800/1"}}},
        {"olympus-mm.jpg",
         {{"Exif.Image.Make", "OLYMPUS IMAGING CORP."},
          {"Exif.Image.Model", "E-510"},
          {"Exif.Photo.FocalLength", "25/1"},
          {"Exif.Photo.FNumber", "56/10"},
          {"Exif.Olympus.FocusDistance", "3200/1"}}},
        {"canon-si.jpg",
         {{"Exif.Image.Make", "Canon"},
          {"Exif.Image.Model", "Canon EOS 5D Mark IV"},
          {"Exif.Photo.FocalLength", "35/1"},
          {"Exif.Photo.FNumber", "56/10"},
          {"Exif.CanonSi.SubjectDistance", "250"}}},
        // Raw files, as their formats begin: a DNG and a Canon CR2.
        {"raw.dng",
         {{"Exif.Image.Make", "SONY"},
          {"Exif.Image.Model", "ILCE-7M4"},
          {"Exif.Image.DNGVersion", "1 4 0 0"},
          {"Exif.Photo.FocalLength", "35/1"},
          {"Exif.Photo.FNumber", "56/10"},
          {"Exif.Photo.SubjectDistance", "300/100"},
          {"Exif.Photo.DateTimeOriginal", "2024:05:02 08:00:00"}}},
        {"raw.cr2",
         {{"Exif.Image.Make", "Canon"},
          {"Exif.Image.Model", "Canon EOS 5D Mark IV"},
          {"Exif.Photo.FocalLength", "85/1"},
          {"Exif.Photo.FNumber", "18/10"},
          {"Exif.Photo.SubjectDistance", "200/100"}}},
        // A lens name far longer than any screen is wide.
        {"long-lens.jpg",
         {{"Exif.Image.Make", "SONY"},
          {"Exif.Image.Model", "ILCE-7M4"},
          {"Exif.Photo.LensModel", LongLensName()},
          {"Exif.Photo.FocalLength", "50/1"}}},
    };
    return photos;
}

namespace {
bool EndsWith(const std::string& text, const char* end) {
    const std::size_t n = std::strlen(end);
    return text.size() >= n && text.compare(text.size() - n, n, end) == 0;
}

// A raw file's bare bones: a TIFF of one grey pixel, with Canon's CR2
// header when asked (its "CR", version 2.0, after the TIFF header).
std::string RawBones(bool cr2) {
    const std::uint32_t ifd = cr2 ? 16 : 8;
    const std::uint16_t tags[][2] = {{256, 1}, {257, 1}, {258, 8}, {259, 1}, {262, 1},
                                     {273, 0}, {277, 1}, {278, 1}, {279, 1}};
    const std::uint32_t pixel = ifd + 2 + 12 * 9 + 4;
    std::string bytes = "II*";
    bytes += '\0';
    const auto put = [&bytes](std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put(ifd, 4);
    if (cr2) {
        bytes += "CR\x02";
        bytes += '\0';
        put(0, 4);
    }
    put(9, 2);
    for (const auto& [tag, value] : tags) {
        const bool isLong = tag == 273 || tag == 279;
        put(tag, 2);
        put(isLong ? 4 : 3, 2);
        put(1, 4);
        put(tag == 273 ? pixel : value, 4);
    }
    put(0, 4);
    bytes += '\x80';
    return bytes;
}

} // namespace

bool WriteTestPhoto(const std::string& path, const TestPhoto& photo, const std::string& bytes) {
    if (EndsWith(path, ".dng") || EndsWith(path, ".cr2")) {
        std::ofstream(path, std::ios::binary) << RawBones(EndsWith(path, ".cr2"));
    } else {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(QColor(90, 120, 150));
        if (!image.save(QString::fromStdString(path), EndsWith(path, ".png") ? "PNG" : "JPEG", 90))
            return false;
    }
    if (photo.exif.empty() && bytes.empty())
        return true;
    try {
        const std::unique_ptr<Exiv2::Image> file(Exiv2::ImageFactory::open(path).release());
        Exiv2::ExifData exif;
        for (const auto& [key, value] : photo.exif)
            exif[key] = value;
        if (!bytes.empty())
            Exiv2::ExifThumb(exif).setJpegThumbnail(
                reinterpret_cast<const Exiv2::byte*>(bytes.data()),
                static_cast<long>(bytes.size()));
        if (photo.thumbnail) { // an orange 160 × 120 preview, unlike the photo's blue
            QImage preview(160, 120, QImage::Format_RGB32);
            preview.fill(QColor(230, 120, 20));
            QByteArray jpeg;
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            preview.save(&buffer, "JPEG", 80);
            Exiv2::ExifThumb(exif).setJpegThumbnail(
                reinterpret_cast<const Exiv2::byte*>(jpeg.constData()),
                static_cast<long>(jpeg.size()));
        }
        file->setExifData(exif);
        file->writeMetadata();
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool MakeTestPhotos(const std::string& folder) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    for (const TestPhoto& photo : TestPhotos())
        if (!WriteTestPhoto(folder + "/" + photo.name, photo))
            return false;
    std::ofstream(folder + "/notes.txt") << "Not a photo: a person's notes on the shoot.\n";
    std::ofstream(folder + "/empty.jpg");
    {
        std::ifstream whole(folder + "/group.jpg", std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(whole), {});
        std::ofstream(folder + "/truncated.jpg", std::ios::binary) << bytes.substr(0, 200);
    }
    fs::create_directories(folder + "/a folder.jpg");
    // Films named as photos, each of which makes exiv2 0.27 fail hard: a
    // Matroska header whose element of size 0 fails an assertion (abort), a
    // Matroska track of a type exiv2 has no name for (a null pointer read),
    // and an ASF header whose child of size 0 sends it round for ever.
    const auto write = [&folder](const char* name, const std::string& bytes) {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
    };
    using namespace std::string_literals;
    write("DSC_0001.JPG", "\x1A\x45\xDF\xA3\xA3\x42\x86\x81\x01\x42\xF7\x81\x01\x42\xF2\x81"
                          "\x04\x42\xF3\x81\x08\x42\x82\x88matroska\x42\x87\x81\x04\x42\x85\x81"
                          "\x02\x18\x53\x80\x67\x01\x00\x00\x00\x00\x00\x00\x00\x15\x49\xA9\x66"
                          "\x87\x2A\xD7\xB1\x83\x0F\x42\x40"s +
                              std::string(136, '\0'));
    write("DSC_0002.JPG", "\x1A\x45\xDF\xA3\x80\x83\x81\x05\xEC\x01\x00\x00\x00\x00\x00\x00\x5A"s +
                              std::string(83, '\0'));
    write("DSC_0003.JPG", "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C"
                          "\x5E\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x01\x02"s +
                              std::string(64, '\0'));
    return true;
}

const std::string& TestPhotosFolder() {
    static const TestFolder folder("photos");
    static const std::string photos = (folder / "photos").string();
    static const bool made = MakeTestPhotos(photos);
    (void)made; // a photo missing fails the test that reads it
    return photos;
}
