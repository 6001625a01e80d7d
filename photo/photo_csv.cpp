#include "photo/photo_csv.h"

#include "framework/base/calendar_time.h"
#include "framework/base/cstring.h"
#include "framework/base/csv.h"
#include "framework/base/number_format.h"

#include <cmath>

const char kPhotoCsvHeader[] =
    "file,date,camera,lens,lens_found,focal_length_mm,focal_length_35mm,f_number,distance_m,"
    "distance_source,near,far,near_min,far_max,total,hyperfocal,unit,coc_mm,problem\r\n";

namespace {
std::string Fixed(double v) {
    return std::isinf(v) ? "inf" : FormatFixed(v, 6);
}

std::string Number(const std::optional<RecordedNumber>& n) {
    return n ? FormatFixed(n->value, 6) : std::string();
}

// For whoever reads the file: what is not recorded, never what to do in a
// form, and what is recorded that cannot be used.
std::string Problem(const PhotoShot& shot) {
    std::string problem = shot.unrecorded.empty() ? shot.missing : shot.unrecorded;
    for (const std::string& note : shot.notes) {
        if (!problem.empty())
            problem += ' ';
        problem += note;
    }
    return problem;
}

// ISO 8601 as written: "2024-05-04T06:12:00", no time zone (a camera keeps none).
std::string Iso8601(const PhotoFacts& facts) {
    const std::optional<CalendarTime> taken = ReadExifDate(facts.dateTaken);
    if (!taken)
        return {};
    std::string text = IsoText(*taken);
    text[10] = 'T';
    return text;
}
} // namespace

std::string PhotoCsvLine(const PhotoFacts& facts, const PhotoShot& shot) {
    const Lens& lens = shot.lens;
    const DepthInUnit& d = shot.result.depth; // the very doubles the texts were written from
    std::string near, far, total, hyperfocal, coc, nearest, farthest;
    if (shot.calculated) {
        near = Fixed(d.nearLimit);
        far = d.farIsInfinite ? "inf" : Fixed(d.farLimit);
        total = d.farIsInfinite ? "inf" : Fixed(d.farLimit - d.nearLimit);
    }
    if (shot.span) {
        nearest = Fixed(shot.span->nearest);
        farthest = shot.span->farthestInfinite ? "inf" : Fixed(shot.span->farthest);
    }
    if (shot.calculated || shot.hyperfocalKnown) { // they do not depend on the distance
        hyperfocal = Fixed(d.hyperfocal);
        coc = Fixed(shot.result.coc);
    }
    std::string line = CsvField(ShownText(facts.file));
    for (const std::string& field :
         {Iso8601(facts), CsvField(lens.cameraName), CsvField(facts.lens), CsvField(shot.lensFound),
          Number(facts.focalLength), Number(facts.focalLength35), Number(facts.fNumber),
          facts.distanceInfinite ? "inf" : Number(facts.distance),
          CsvField(facts.distance           ? facts.distance->source
                   : facts.distanceInfinite ? facts.infiniteSource
                                            : ""),
          near, far, nearest, farthest, total, hyperfocal, CsvField(lens.unitName), coc,
          CsvField(Problem(shot))})
        line.append(",").append(field);
    return line.append("\r\n");
}
