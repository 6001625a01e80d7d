#include "photo/photo_reader.h"

#include "photo/photo_kind.h"
#include "photo/photo_sanity.h"

#include "calc/number_text.h"
#include "framework/base/cstring.h"
#include "framework/base/file.h"
#include "framework/base/translate.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {
const char kSubjectDistance[] = "Exif.Photo.SubjectDistance";

// exiv2 writes its warnings to standard error unless told not to; it reads
// HEIF and CR3 only when asked to.
void Silence() {
    static const bool silenced = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::enableBMFF(true);
        return true;
    }();
    (void)silenced;
}

// A text field without the padding cameras put after it.
std::string Trimmed(std::string text) {
    text.erase(std::min(text.size(), text.find('\0'))); // Exif's texts end at their first NUL
    const std::size_t end = text.find_last_not_of(std::string(" \t\r\n\0", 5));
    text.erase(end == std::string::npos ? 0 : end + 1);
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

// A photo's Exif fields by their names, read once: a key this exiv2 does
// not know is simply not found.
struct Fields {
    explicit Fields(const Exiv2::ExifData& data) : exif(data) {
        for (const Exiv2::Exifdatum& d : exif) {
            std::string key = d.key();
            // Groups other than Exif's own come from a maker note.
            makerNote = makerNote ||
                        (key.rfind("Exif.Image.", 0) != 0 && key.rfind("Exif.Photo.", 0) != 0 &&
                         key.rfind("Exif.Iop.", 0) != 0 && key.rfind("Exif.Thumbnail.", 0) != 0 &&
                         key.rfind("Exif.GPSInfo.", 0) != 0);
            byKey.emplace(std::move(key), &d);
        }
    }
    const Exiv2::ExifData& exif;
    std::unordered_map<std::string, const Exiv2::Exifdatum*> byKey;
    bool makerNote = false;
};

// The field `key`, when the photo records it with a value.
const Exiv2::Exifdatum* Find(const Fields& fields, const char* key) {
    const auto it = fields.byKey.find(key);
    return it == fields.byKey.end() || it->second->count() == 0 ? nullptr : it->second;
}

// The first of `keys` the photo records, as text.
void ReadText(const Fields& fields, std::initializer_list<const char*> keys, std::string& text,
              std::string& source) {
    for (const char* key : keys)
        if (const Exiv2::Exifdatum* d = Find(fields, key)) {
            std::string value = ShownText(Trimmed(d->toString()));
            if (!value.empty()) {
                text = std::move(value);
                source = key;
                return;
            }
        }
}

// A rational field's two parts, unsigned where the field is (as Exif's
// focal length, f-number and distance are).
std::pair<double, double> Parts(const Exiv2::Exifdatum& d) {
    const Exiv2::Rational r = d.toRational(0);
    if (d.typeId() == Exiv2::unsignedRational)
        return {static_cast<double>(static_cast<std::uint32_t>(r.first)),
                static_cast<double>(static_cast<std::uint32_t>(r.second))};
    return {static_cast<double>(r.first), static_cast<double>(r.second)};
}

// A rational field as a double; none when its denominator is 0.
std::optional<double> Rational(const Exiv2::Exifdatum& d) {
    const auto [numerator, denominator] = Parts(d);
    if (denominator == 0)
        return std::nullopt;
    return numerator / denominator;
}

// "2.51 m", "251 mm", "Infinite": a maker note's distance as exiv2 prints it,
// in metres; +inf for infinity, none for anything else.
std::optional<double> PrintedMetres(const std::string& printed) {
    std::string text = Trimmed(printed);
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text.rfind("inf", 0) == 0)
        return HUGE_VAL;
    std::size_t length = 0;
    const double v = ParseDecimalPrefix(text, &length);
    if (length == 0)
        return std::nullopt;
    const std::string unit = Trimmed(text.substr(length));
    if (unit == "m" || unit.empty())
        return v;
    if (unit == "mm")
        return v / 1000;
    if (unit == "cm")
        return v / 100;
    return std::nullopt;
}

void ReadFocalLengths(const Fields& fields, PhotoFacts& f) {
    for (const char* key : {"Exif.Photo.FocalLength", "Exif.Image.FocalLength"})
        if (const Exiv2::Exifdatum* d = Find(fields, key)) {
            f.focalLength = SaneFocalLength(Rational(*d).value_or(0), key, f);
            break;
        }
    if (const Exiv2::Exifdatum* d = Find(fields, "Exif.Photo.FocalLengthIn35mmFilm")) {
        const long mm = d->toLong(0);
        if (mm != 0) // 0: not known, as Exif has it
            f.focalLength35 = SaneFocalLength(static_cast<double>(mm),
                                              "Exif.Photo.FocalLengthIn35mmFilm", f, true);
    }
}

void ReadFNumber(const Fields& fields, PhotoFacts& f) {
    for (const char* key : {"Exif.Photo.FNumber", "Exif.Image.FNumber"})
        if (const Exiv2::Exifdatum* d = Find(fields, key)) {
            f.fNumber = SaneFNumber(Rational(*d).value_or(0), key, f);
            return;
        }
    // The APEX aperture value: N = 2^(Av/2).
    if (const Exiv2::Exifdatum* d = Find(fields, "Exif.Photo.ApertureValue"))
        if (const std::optional<double> av = Rational(*d))
            f.fNumber = SaneFNumber(std::exp2(*av / 2), "Exif.Photo.ApertureValue", f);
}

// Exif's own field: 0 means unknown, 0xFFFFFFFF infinity.
bool ReadExifDistance(const Exiv2::Exifdatum& d, PhotoFacts& f) {
    const auto [numerator, denominator] = Parts(d);
    if (numerator == 0) {
        f.nonsense.push_back(
            {TR_NOOP("Photo", "The photo records its focus distance as unknown (0 in %1)."),
             {kSubjectDistance}});
        return false;
    }
    if (numerator == 0xFFFFFFFFu) { // focused at infinity: sharp from the near limit there on
        f.distanceInfinite = true;
        f.infiniteSource = kSubjectDistance;
        return true;
    }
    f.distance = SaneDistance(denominator ? numerator / denominator : 0, kSubjectDistance, f);
    return true;
}

// Canon's maker note gives the focus distance as a range, lower and upper.
bool ReadCanonRange(const Fields& fields, PhotoFacts& f) {
    const char* lowerKey = "Exif.CanonFi.FocusDistanceLower";
    const char* upperKey = "Exif.CanonFi.FocusDistanceUpper";
    const Exiv2::Exifdatum* lower = Find(fields, lowerKey);
    const Exiv2::Exifdatum* upper = Find(fields, upperKey);
    if (!lower || !upper)
        return false;
    const std::optional<double> a = PrintedMetres(lower->print(&fields.exif));
    const std::optional<double> b = PrintedMetres(upper->print(&fields.exif));
    if (!a || !b || !(*a > 0) || !(*b >= *a) || std::isinf(*a)) { // a range that is none
        f.nonsense.push_back({TR_NOOP("Photo", "Canon's maker note records the focus distance "
                                               "as between %1 and %2 (%3, %4), which is not "
                                               "used."),
                              {Trimmed(lower->print(&fields.exif)),
                               Trimmed(upper->print(&fields.exif)), lowerKey, upperKey}});
        return true;
    }
    // Lengths travel as numbers, written in the person's unit where said.
    const auto metres = [](double v) { return FormatFixed(v, 6); };
    if (std::isinf(*b)) { // focused somewhere beyond the lower end
        f.nonsense.push_back({TR_NOOP("Photo", "Canon's maker note records the focus distance as "
                                               "beyond %1 (%2, %3), which cannot be calculated "
                                               "with."),
                              {metres(*a), lowerKey, upperKey},
                              0,
                              1u});
        return true;
    }
    // Focus moves evenly in dioptres: the middle of the range in dioptres.
    const double middle = 2 / (1 / *a + 1 / *b);
    f.distance = SaneDistance(middle, std::string(lowerKey) + ", " + upperKey, f);
    if (f.distance)
        f.distanceRange = std::pair(*a, *b);
    f.distanceNote = {TR_NOOP("Photo", "Canon's maker note records the focus distance as between "
                                       "%1 and %2; the middle in dioptres, %3, is used."),
                      {metres(*a), metres(*b), metres(middle)},
                      0,
                      7u};
    return true;
}

// Nikon's lens data gives the focus distance in steps of a fortieth of a
// decade (0.01 m × 10^(v/40), as exiv2 prints it): the distance is known
// to within half a step either side.
bool ReadNikonSteps(const Fields& fields, PhotoFacts& f) {
    for (const char* key : {"Exif.NikonLd3.FocusDistance", "Exif.NikonLd2.FocusDistance",
                            "Exif.NikonLd1.FocusDistance"}) {
        const Exiv2::Exifdatum* d = Find(fields, key);
        if (!d)
            continue;
        const long step = d->toLong(0);
        if (step <= 0 || step >= 255) // not known (a lens without a scale), or beyond its last step
            return true;
        const auto at = [](double v) { return 0.01 * std::pow(10.0, v / 40); };
        f.distance = SaneDistance(at(static_cast<double>(step)), key, f);
        if (!f.distance)
            return true;
        f.distanceRange =
            std::pair(at(static_cast<double>(step) - 0.5), at(static_cast<double>(step) + 0.5));
        const auto metres = [](double v) { return FormatFixed(v, 6); };
        f.distanceNote = {TR_NOOP("Photo", "Nikon's lens data records the focus distance in "
                                           "steps: between %1 and %2."),
                          {metres(f.distanceRange->first), metres(f.distanceRange->second)},
                          0,
                          3u};
        return true;
    }
    return false;
}

// Olympus's older maker note records a manual focus distance in millimetres.
bool ReadOlympusMillimetres(const Fields& fields, PhotoFacts& f) {
    const char* key = "Exif.Olympus.FocusDistance";
    const Exiv2::Exifdatum* d = Find(fields, key);
    if (!d)
        return false;
    const std::optional<double> mm = Rational(*d);
    if (!mm || !(*mm > 0))
        return false;
    f.distance = SaneDistance(*mm / 1000, key, f);
    return true;
}

void ReadDistance(const Fields& fields, PhotoFacts& f) {
    if (const Exiv2::Exifdatum* d = Find(fields, kSubjectDistance); d && ReadExifDistance(*d, f))
        return;
    if (!fields.makerNote || ReadCanonRange(fields, f) || ReadNikonSteps(fields, f))
        return;
    // Whatever else exiv2 finds in a maker note, as it prints it.
    const auto it = Exiv2::subjectDistance(fields.exif);
    if (it == fields.exif.end() || it->key() == kSubjectDistance)
        return;
    if (it->key() == "Exif.Olympus.FocusDistance" && ReadOlympusMillimetres(fields, f))
        return;
    // exiv2 prints an unsigned fraction with halves past 2^31 as a signed one.
    if (it->typeId() == Exiv2::unsignedRational) {
        const auto [numerator, denominator] = Parts(*it);
        if (numerator >= 2147483648.0 || denominator >= 2147483648.0) {
            f.nonsense.push_back({TR_NOOP("Photo", "The photo records its focus distance as "
                                                   "%1 (%2), which is not used."),
                                  {Trimmed(it->toString()), it->key()}});
            return;
        }
    }
    if (const std::optional<double> m = PrintedMetres(it->print(&fields.exif))) {
        if (std::isinf(*m)) { // focused at infinity, as Exif's own all-ones
            f.distanceInfinite = true;
            f.infiniteSource = it->key();
        } else {
            f.distance = SaneDistance(*m, it->key(), f);
        }
    }
}

// Whether `p` is a sequential JPEG of at most 8192 pixels a side, as every
// camera's preview is: a progressive one, or one that declares tens of
// thousands of pixels, costs its viewer far more to decode than a
// thumbnail is worth, and is what a hostile file would hand over instead.
bool IsPlainJpeg(const unsigned char* p, std::size_t n) {
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    std::size_t i = 2;
    while (i + 4 <= n) {
        if (p[i] != 0xFF)
            return false;
        const unsigned marker = p[i + 1];
        if (marker == 0xFF) { // a fill byte
            ++i;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // the end, or a scan before any frame
            return false;
        const std::size_t length = static_cast<std::size_t>(p[i + 2] << 8 | p[i + 3]);
        if (length < 2 || i + 2 + length > n)
            return false;
        if (marker == 0xC0 || marker == 0xC1) { // baseline or extended sequential
            if (length < 8)
                return false;
            const unsigned height = p[i + 5] << 8 | p[i + 6], width = p[i + 7] << 8 | p[i + 8];
            return width > 0 && height > 0 && width <= 8192 && height <= 8192;
        }
        if (marker >= 0xC2 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) // progressive, lossless or arithmetic frames
            return false;
        i += 2 + length;
    }
    return false;
}

// The smallest embedded preview at least a thumbnail wide, as stored; none
// beyond a few megabytes (never a raw decoded), none but a plain JPEG.
void ReadPreview(Exiv2::Image& image, PhotoFacts& f) {
    constexpr std::uint32_t kWidest = 4u << 20;
    Exiv2::PreviewManager previews(image);
    const Exiv2::PreviewPropertiesList list = previews.getPreviewProperties(); // smallest first
    const Exiv2::PreviewProperties* chosen = nullptr;
    for (const Exiv2::PreviewProperties& p : list) {
        if (p.size_ > kWidest)
            break;
        chosen = &p;
        if (p.width_ >= 160 || p.height_ >= 160)
            break;
    }
    if (!chosen)
        return;
    const Exiv2::PreviewImage preview = previews.getPreviewImage(*chosen);
    if (preview.size() > 0 && preview.size() <= kWidest &&
        IsPlainJpeg(preview.pData(), preview.size()))
        f.preview.assign(reinterpret_cast<const char*>(preview.pData()), preview.size());
}

void ReadSize(const Exiv2::Image& image, const Fields& fields, PhotoFacts& f) {
    long width = 0, height = 0;
    const Exiv2::Exifdatum* w = Find(fields, "Exif.Photo.PixelXDimension");
    const Exiv2::Exifdatum* h = Find(fields, "Exif.Photo.PixelYDimension");
    if (w && h) {
        width = w->toLong(0);
        height = h->toLong(0);
        f.sizeSource = "Exif.Photo.PixelXDimension, Exif.Photo.PixelYDimension";
    } else {
        width = image.pixelWidth();
        height = image.pixelHeight();
        f.sizeSource.clear(); // the image's own
    }
    if (width == 0 && height == 0) {
        f.sizeSource.clear();
        return;
    }
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) {
        const bool own = f.sizeSource.empty();
        f.nonsense.push_back({TR_NOOP("Photo", "The photo records an image size of %1 x %2 pixels "
                                               "(%3), which is not used."),
                              {std::to_string(width), std::to_string(height),
                               own ? TR_NOOP("Photo", "the image") : f.sizeSource},
                              own ? 4u : 0u});
        f.sizeSource.clear();
        return;
    }
    f.width = static_cast<int>(width);
    f.height = static_cast<int>(height);
}

void ReadFacts(Exiv2::Image& image, PhotoFacts& f, bool preview) {
    image.readMetadata();
    const Fields fields(image.exifData());
    ReadText(fields, {"Exif.Image.Make"}, f.make, f.makeSource);
    ReadText(fields, {"Exif.Image.Model"}, f.model, f.modelSource);
    ReadText(fields, {"Exif.Photo.LensModel", "Exif.Image.LensModel"}, f.lens, f.lensSource);
    std::string where;
    ReadText(fields, {"Exif.Photo.LensMake"}, f.lensMake, where);
    ReadText(fields, {"Exif.Photo.LensSpecification"}, f.lensSpecification, where);
    if (f.lens.empty() && fields.makerNote)
        if (const auto it = Exiv2::lensName(fields.exif); it != fields.exif.end()) {
            std::string name = ShownText(Trimmed(it->print(&fields.exif)));
            // A maker note's lens number it has no name for ("0") names no lens.
            if (std::any_of(name.begin(), name.end(),
                            [](char c) { return std::isalpha(static_cast<unsigned char>(c)); })) {
                f.lens = std::move(name);
                f.lensSource = it->key();
            }
        }
    ReadFocalLengths(fields, f);
    ReadFNumber(fields, f);
    ReadDistance(fields, f);
    ReadSize(image, fields, f);
    ReadText(fields, {"Exif.Photo.DateTimeOriginal", "Exif.Image.DateTime"}, f.dateTaken,
             f.dateSource);
    if (preview) {
        try { // a preview that cannot be had costs the thumbnail, never the photo
            ReadPreview(image, f);
        } catch (const std::exception&) {
            f.preview.clear();
        }
    }
}

// What exiv2 reads of a photo held in memory; `name` stands for the file.
PhotoFacts ReadFromMemory(const unsigned char* data, std::size_t size, const std::string& name,
                          bool preview) {
    Silence();
    PhotoFacts f;
    f.file = name;
    const PhotoKind kind = KindOfPhoto(
        std::string_view(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 256)));
    if (kind == PhotoKind::Video) {
        f.refusal = {TR_NOOP("Photo", "%1 is a video, not a photo."), {name}};
        return f;
    }
    if (kind == PhotoKind::OtherImage) {
        f.refusal = {TR_NOOP("Photo", "%1 is a kind of image this program does not read, not a "
                                      "camera's photo."),
                     {name}};
        return f;
    }
    if (!IsReadPhotoKind(kind)) {
        f.refusal = {TR_NOOP("Photo", "%1 is not a photo."), {name}};
        return f;
    }
    // What exiv2 cannot open is no photo it knows; what it opens but cannot
    // read through is a damaged one.
    std::unique_ptr<Exiv2::Image> image; // exiv2 0.27 hands it over as an auto_ptr
    try {
        image.reset(Exiv2::ImageFactory::open(data, static_cast<long>(size)).release());
    } catch (const std::exception&) { // exiv2's errors are exceptions too
        image.reset();
    }
    if (!image.get()) {
        f.refusal = {TR_NOOP("Photo", "%1 is not a photo."), {name}};
        return f;
    }
    try {
        ReadFacts(*image, f, preview);
    } catch (const std::exception&) {
        f = PhotoFacts{};
        f.file = name;
        f.refusal = {TR_NOOP("Photo", "%1 is damaged: its metadata cannot be read."), {name}};
    }
    return f;
}
} // namespace

PhotoFacts ReadPhoto(const std::string& path, const std::string& shownAs,
                     const std::function<void()>& stillReading, bool preview) {
    const std::string name = ShownText(shownAs.empty() ? path : shownAs);
    PhotoFacts f;
    f.file = path;
    const auto refused = [&f, &name](const char* text) {
        f.refusal = {text, {name}};
        return f;
    };
    // One look before opening, so that nothing but a file is ever opened.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return refused(errno == ENOENT || errno == ENOTDIR
                           ? TR_NOOP("Photo", "%1 does not exist.")
                           : TR_NOOP("Photo", "%1 cannot be read."));
    if (S_ISDIR(st.st_mode))
        return refused(TR_NOOP("Photo", "%1 is a folder, not a photo."));
    if (!S_ISREG(st.st_mode))
        return refused(TR_NOOP("Photo", "%1 is not a photo."));
    const CHandle file(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!file || ::fstat(file.Get(), &opened) != 0)
        return refused(TR_NOOP("Photo", "%1 cannot be read."));
    if (!S_ISREG(opened.st_mode)) // swapped for something else since the look
        return refused(TR_NOOP("Photo", "%1 is not a photo."));
    if (opened.st_size == 0)
        return refused(TR_NOOP("Photo", "%1 is empty, not a photo."));
    if (static_cast<unsigned long long>(opened.st_size) > kLargestPhotoBytes)
        return refused(TR_NOOP("Photo", "%1 is too large to be a photo this program reads."));
    // Read into memory rather than mapped: a read that fails is an error
    // said, where a mapped page that cannot be read ends the process.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(opened.st_size) + 1);
    const int error = ReadAllOf(file.Get(), kLargestPhotoBytes, bytes, stillReading);
    if (error == EFBIG)
        return refused(TR_NOOP("Photo", "%1 is too large to be a photo this program reads."));
    if (error != 0)
        return refused(TR_NOOP("Photo", "%1 cannot be read."));
    if (bytes.empty())
        return refused(TR_NOOP("Photo", "%1 is empty, not a photo."));
    PhotoFacts read = ReadFromMemory(reinterpret_cast<const unsigned char*>(bytes.data()),
                                     bytes.size(), name, preview);
    read.file = path;
    return read;
}

PhotoFacts ReadPhotoData(const unsigned char* data, std::size_t size, const std::string& given,
                         bool preview) {
    const std::string name = ShownText(given);
    if (size == 0) {
        PhotoFacts f;
        f.file = name;
        f.refusal = {TR_NOOP("Photo", "%1 is empty, not a photo."), {name}};
        return f;
    }
    return ReadFromMemory(data, size, name, preview);
}
