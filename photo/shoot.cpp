#include "photo/shoot.h"

#include "calc/fine_lengths.h"
#include "framework/base/cstring.h"
#include "framework/base/translate.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>

const char* const kShootColumnHeaders[kShootColumnCount] = {
    TR_NOOP("Open Photos", "File"),
    TR_NOOP("Open Photos", "Date"),
    TR_NOOP("Open Photos", "Camera"),
    TR_NOOP("Open Photos", "Lens"),
    TR_NOOP("Open Photos", "Focal length"),
    TR_NOOP("Open Photos", "Aperture"),
    TR_NOOP("Open Photos", "Focus distance"),
    TR_NOOP("Open Photos", "Near"),
    TR_NOOP("Open Photos", "Far"),
    TR_NOOP("Open Photos", "Hyperfocal"),
};

namespace {
std::string FileName(const PhotoFacts& facts) {
    return ShownText(std::filesystem::path(facts.file).filename().string());
}

// The value part of a Photo form line, without the field it came from.
std::string Unsourced(const std::string& line) {
    const std::size_t source = line.find(" (Exif.");
    return source == std::string::npos ? line : line.substr(0, source);
}

std::string LineOf(const PhotoShot& shot, const char* label) {
    for (const auto& [name, text] : shot.lines)
        if (name == label)
            return text;
    return {};
}

// The focus distance at a glance, in the unit ("3.28 ft"); as the Photo
// form says it when it is not a length.
std::string DistanceCell(const PhotoShot& shot, const NumberSettings& settings) {
    const std::optional<double> distance = shot.lens.TypedDistance();
    if (!distance)
        return Unsourced(LineOf(shot, "Focus distance"));
    return LengthWriting(shot.lens.Unit(), settings).WithUnit(*distance);
}
} // namespace

ShootRow RowOfPhoto(PhotoFacts facts, PhotoShot shot, const NumberSettings& settings) {
    ShootRow row;
    const CalculationResult& r = shot.result;
    const std::optional<CalendarTime> taken = ReadExifDate(facts.dateTaken);
    const std::string none = "\u2014";
    row.cells = {FileName(facts),
                 taken ? IsoText(*taken) : facts.dateTaken,
                 shot.lens.cameraName.empty() ? facts.model : shot.lens.cameraName,
                 shot.lensFound.empty() ? facts.lens : shot.lensFound,
                 shot.focalLengthText.empty() ? none : shot.focalLengthText + " mm",
                 shot.lens.apertureText.empty() ? none : shot.lens.apertureText,
                 DistanceCell(shot, settings),
                 shot.calculated ? r.nearText : none,
                 shot.calculated ? r.farText : none,
                 shot.calculated || shot.hyperfocalKnown ? r.hyperfocalText : none};
    if (!facts.preview.empty())
        row.preview = std::make_shared<const std::string>(std::move(facts.preview));
    facts.preview.clear();
    row.facts = std::move(facts);
    row.shot = std::move(shot);
    return row;
}

ShootRow RowOfRefusal(PhotoFacts facts) {
    ShootRow row;
    row.cells.assign(kShootColumnCount, std::string());
    row.cells[0] = FileName(facts);
    // The refusal names the file as its row does, by its name alone.
    PhotoSentence refusal = facts.refusal;
    if (!refusal.args.empty() && refusal.args[0] == ShownText(facts.file))
        refusal.args[0] = row.cells[0];
    row.cells[2] = Said(refusal);
    row.facts = std::move(facts);
    return row;
}

namespace {
// A column's number for a row, when it has one.
std::optional<double> NumberOf(const ShootRow& row, ShootColumn column) {
    const PhotoFacts& f = row.facts;
    const PhotoShot& s = row.shot;
    const DepthInUnit& d = s.result.depth;
    const double infinite = std::numeric_limits<double>::infinity();
    switch (column) {
    case ShootColumn::FocalLength:
        return s.lens.focalLength > 0 ? std::optional(s.lens.focalLength) : std::nullopt;
    case ShootColumn::Aperture:
        return s.lens.fNumber;
    case ShootColumn::Distance:
        if (f.distanceInfinite)
            return infinite;
        return f.distance ? std::optional(f.distance->value) : std::nullopt;
    case ShootColumn::Near:
        return s.calculated ? std::optional(d.nearLimit) : std::nullopt;
    case ShootColumn::Far:
        return s.calculated ? std::optional(d.farIsInfinite ? infinite : d.farLimit) : std::nullopt;
    case ShootColumn::Hyperfocal:
        return s.calculated || s.hyperfocalKnown ? std::optional(d.hyperfocal) : std::nullopt;
    default:
        return std::nullopt;
    }
}

bool IsNumberColumn(ShootColumn column) {
    return column >= ShootColumn::FocalLength;
}

// Letters compared without regard to case (ASCII), as names are sorted.
bool Before(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        return lower(x) < lower(y);
    });
}
} // namespace

void SortShoot(std::vector<const ShootRow*>& rows, ShootColumn column, bool descending) {
    const std::size_t at = static_cast<std::size_t>(column);
    if (IsNumberColumn(column)) {
        std::stable_sort(rows.begin(), rows.end(), [&](const ShootRow* a, const ShootRow* b) {
            const std::optional<double> x = NumberOf(*a, column), y = NumberOf(*b, column);
            if (!x || !y)
                return x.has_value() && !y.has_value(); // the unknown last
            return descending ? *y < *x : *x < *y;
        });
        return;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const ShootRow* a, const ShootRow* b) {
        const std::string& x = a->cells[at];
        const std::string& y = b->cells[at];
        if (x.empty() || y.empty())
            return !x.empty() && y.empty();
        return descending ? Before(y, x) : Before(x, y);
    });
}
