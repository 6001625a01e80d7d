#include "photo/photo_shot.h"
#include "framework/base/cstring.h"

#include "calc/feet_inches.h"
#include "calc/fine_lengths.h"
#include "calc/typed_distance.h"
#include "cameras/camera_table.h"
#include "finder/camera_catalog.h"
#include "finder/camera_search.h"
#include "framework/base/translate.h"
#include "lists/aperture_stops.h"
#include "lists/choice_lists.h"

#include <cmath>

namespace {
std::string NotRecorded() {
    return Tr("Photo", "not recorded");
}
// The same of what some languages name with a feminine word (the focal
// length, the aperture, the focus distance, the image's size, the date):
// French "non enregistrée".
std::string NotRecordedFeminine() {
    return Tr("Photo, feminine", "not recorded");
}

std::string Sourced(const std::string& text, const std::string& source) {
    return source.empty() ? text : text + " (" + source + ")";
}

std::string Number(double v, const NumberSettings& settings) {
    return FormatShortest(v, 6, settings);
}

// "SONY ILCE-7M4": the make, unless the model names it already ("NIKON D70"
// of "NIKON CORPORATION").
std::string MakeAndModel(const PhotoFacts& f) {
    if (f.model.empty())
        return f.make;
    const std::string brand = f.make.substr(0, f.make.find(' '));
    if (brand.empty() || f.model.rfind(brand, 0) == 0)
        return f.model;
    return f.make + " " + f.model;
}

std::string CameraLine(const PhotoFacts& f, const PhotoCamera& c, const NumberSettings& settings) {
    const std::string recorded = MakeAndModel(f);
    std::string line =
        recorded.empty()
            ? NotRecorded()
            : Sourced(recorded,
                      f.makeSource.empty()
                          ? f.modelSource
                          : f.makeSource + (f.modelSource.empty() ? "" : ", " + f.modelSource));
    if (!c.camera)
        return line;
    const std::string crop = Number(c.camera->cropFactor, settings);
    const std::string& name = c.camera->name;
    switch (c.from) {
    case PhotoCamera::From::Own:
        return Arg(Tr("Photo", "%1; %2, one of your cameras, crop factor %3"), {line, name, crop});
    case PhotoCamera::From::BuiltIn:
        return Arg(Tr("Photo", "%1; %2 of the camera list, crop factor %3"), {line, name, crop});
    case PhotoCamera::From::Lensfun:
        return Arg(Tr("Photo", "%1; %2 in lensfun's database, crop factor %3"), {line, name, crop});
    case PhotoCamera::From::FocalLengths:
        return Arg(Tr("Photo", "%1; crop factor %2 from its focal lengths (%3 mm \u00F7 %4 mm)"),
                   {line, crop, Number(f.focalLength35->value, settings),
                    Number(f.focalLength->value, settings)});
    case PhotoCamera::From::None:
        break;
    }
    return line;
}

// A list's value text ("0.0310") with its decimals, in the person's number
// settings.
std::string AsListed(const std::string& value, const NumberSettings& s) {
    const std::size_t point = value.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(value.size() - point - 1);
    return FormatLocaleNumber(value, decimals, s);
}

// The circle of confusion a press uses for this camera: the one chosen for
// 36 × 24 mm over the crop factor.
std::string CircleLine(const Lens& lens, const PhotoCamera& camera, const PhotoChoices& choices,
                       const NumberSettings& s) {
    if (!camera.camera)
        return Arg(Tr("Photo", "%1 mm for 36 \u00D7 24 mm; the camera is not known"),
                   {AsListed(choices.cofcValue, s)});
    return Arg(Tr("Photo", "%1 mm (%2 mm for 36 \u00D7 24 mm, your choice)"),
               {FixedIn(lens.Coc(), 6, s), AsListed(choices.cofcValue, s)});
}

// "the focal length, the f-number or the focus distance"
std::string Listed(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i == 0                  ? ""
                : i + 1 == items.size() ? Tr("Photo", " or ")
                                        : ", ") +
               Tr("Photo", items[i].c_str());
    return out;
}
} // namespace

PhotoCamera CameraOfPhoto(const PhotoFacts& f, const std::vector<FoundCamera>& own,
                          const std::function<const std::vector<FoundCamera>&()>& lensfun) {
    PhotoCamera c;
    if (!f.model.empty()) {
        if (const auto i = FindByExif(own, f.make, f.model)) {
            c.from = PhotoCamera::From::Own;
            c.camera = own[*i];
            c.ownIndex = static_cast<int>(*i);
            return c;
        }
        static const std::vector<FoundCamera> builtIn = BuiltInCameras(); // made once a run
        if (const auto i = FindByExif(builtIn, "", f.model)) {
            c.from = PhotoCamera::From::BuiltIn;
            c.camera = builtIn[*i];
            c.builtInIndex = static_cast<int>(*i);
            return c;
        }
        if (lensfun) {
            const std::vector<FoundCamera>& database = lensfun();
            if (const auto i = FindByExif(database, f.make, f.model)) {
                c.from = PhotoCamera::From::Lensfun;
                c.camera = database[*i];
                return c;
            }
        }
    }
    if (f.focalLength && f.focalLength35) {
        const std::string name = MakeAndModel(f);
        c.from = PhotoCamera::From::FocalLengths;
        c.camera = FoundCamera{};
        c.camera->name = name.empty() ? Tr("Photo", "The camera of this photo") : name;
        c.camera->maker = f.make;
        c.camera->model = f.model;
        c.camera->cropFactor = f.focalLength35->value / f.focalLength->value;
        const SensorSize sensor = SensorOfCropFactor(c.camera->cropFactor);
        c.camera->sensorWidth = sensor.width;
        c.camera->sensorHeight = sensor.height;
        c.camera->source = "own";
    }
    return c;
}

namespace {
// Each value as the main form takes it when the person uses these settings,
// so that a press there gives the very same numbers.

// The focal length's text for the form, and its line. Only the 35 mm
// equivalent recorded: the focal length it stands for on this camera, to
// the hundredth of a millimetre it is known to.
std::string FocalLengthOf(const PhotoFacts& f, const PhotoCamera& camera,
                          const NumberSettings& settings, PhotoShot& shot,
                          std::vector<std::string>& missing) {
    if (f.focalLength) {
        shot.focalLengthText = FormatShortest(f.focalLength->value, 6, PlainNumberSettings());
        return Sourced(Number(f.focalLength->value, settings) + " mm", f.focalLength->source);
    }
    if (f.focalLength35 && camera.camera) {
        const double focal = f.focalLength35->value / camera.camera->cropFactor;
        shot.focalLengthText = FormatShortest(focal, 2, PlainNumberSettings());
        return Arg(Tr("Photo", "%1 mm (%2 \u00F7 crop factor %3)"),
                   {FormatShortest(focal, 2, settings), f.focalLength35->source,
                    Number(camera.camera->cropFactor, settings)});
    }
    missing.push_back(TR_NOOP("Photo", "the focal length"));
    return NotRecordedFeminine();
}

// The aperture's name. An APEX aperture value names a stop (Av 5 is f/5.6);
// an f-number is written as a lens shows it, to a tenth.
std::string ApertureOf(const PhotoFacts& f, PhotoShot& shot, std::vector<std::string>& missing) {
    if (!f.fNumber) {
        missing.push_back(TR_NOOP("Photo", "the f-number"));
        return "";
    }
    const std::optional<NamedAperture> apex =
        f.fNumber->source == "Exif.Photo.ApertureValue"
            ? StopOfApertureValue(2 * std::log2(f.fNumber->value))
            : std::nullopt;
    const std::string text =
        apex ? apex->text : "f/" + FormatShortest(f.fNumber->value, 1, PlainNumberSettings());
    shot.apertureValue = text.substr(2);
    for (const ApertureValue& entry : apertureValueTable)
        if (text == entry.displayText)
            shot.apertureValue = entry.valueText; // the list's own f/5.6 is 2^2.5
    return text;
}

// The focus distance as typed in the unit: by the units' true lengths, as
// "1.2 m" typed with centimetres chosen is 120.
std::string DistanceOf(const PhotoFacts& f, const DistanceUnit& unit,
                       const NumberSettings& settings, std::vector<std::string>& missing) {
    if (!f.distance || !(unit.factor > 0)) {
        missing.push_back(TR_NOOP("Photo", "the focus distance"));
        return "";
    }
    NumberSettings typed = settings; // as a person types it: no thousands separators
    typed.grouping = 0;
    typed.thousandsSeparator.clear();
    const double inUnit = MetresInUnit(f.distance->value, unit);
    return unit.code == kFeetAndInchesCode ? FeetAndInches(inUnit, TapeStep(inUnit))
                                           : FormatShortest(inUnit, 6, typed);
}

// Lengths in metres as the unit writes them, at a glance.
std::function<std::string(double)> InUnit(const DistanceUnit& unit, const NumberSettings& s) {
    return [&unit, s](double metres) {
        return LengthWriting(unit, s).WithUnit(MetresInUnit(metres, unit));
    };
}

// The date taken as the person writes dates; a text Exif does not define,
// as it stands.
std::string DateOf(const PhotoFacts& f, const PhotoChoices& choices) {
    const std::optional<CalendarTime> when = ReadExifDate(f.dateTaken);
    if (!when)
        return f.dateTaken;
    return choices.dateText ? choices.dateText(*when) : IsoText(*when);
}

// The form's lines above the results, each with its label.
std::vector<std::pair<std::string, std::string>>
ShotLines(const PhotoFacts& f, const PhotoCamera& camera, const PhotoChoices& choices,
          const Lens& lens, const std::string& focalLine, const NumberSettings& s) {
    const DistanceUnit& unit = lens.Unit();
    return {
        {"File", ShownText(f.file)},
        {"Camera", CameraLine(f, camera, s)},
        {"Lens", (f.lens.empty() ? NotRecorded() : Sourced(f.lens, f.lensSource)) +
                     (camera.lens.empty() ? std::string()
                                          : "; " + Arg(Tr("Photo", "found: %1"), {camera.lens}))},
        {"Focal length", focalLine},
        {"35 mm equivalent", f.focalLength35 ? Sourced(Number(f.focalLength35->value, s) + " mm",
                                                       f.focalLength35->source)
                                             : NotRecorded()},
        {"Aperture",
         f.fNumber ? Sourced(lens.apertureText, f.fNumber->source) : NotRecordedFeminine()},
        {"Focus distance",
         !lens.distanceText.empty()
             ? Sourced(lens.distanceText + (unit.code == kFeetAndInchesCode ? "" : unit.suffix),
                       f.distance->source) +
                   (f.distanceNote.empty() ? "" : " " + Said(f.distanceNote, InUnit(unit, s)))
         : f.distanceInfinite ? Sourced(Tr("Photo", "infinity"), f.infiniteSource)
                              : NotRecordedFeminine()},
        {"Image size", f.width
                           ? Sourced(Arg(Tr("Photo", "%1 x %2 pixels"),
                                         {std::to_string(f.width), std::to_string(f.height)}),
                                     f.sizeSource.empty() ? Tr("Photo", "the image") : f.sizeSource)
                           : NotRecordedFeminine()},
        {"Date taken",
         f.dateTaken.empty() ? NotRecordedFeminine() : Sourced(DateOf(f, choices), f.dateSource)},
        {"Circle of confusion", CircleLine(lens, camera, choices, s)},
    };
}

// Without a focus distance, what does not depend on it: the hyperfocal
// distance and the circle of confusion. Focused at infinity (Exif's
// all-ones distance), the limits too.
void AnswerWithoutDistance(const PhotoFacts& f, const NumberSettings& settings, PhotoShot& shot) {
    CalculationResult r = AtInfinity(shot.lens, settings);
    if (r.status != CalculationStatus::Ok)
        return;
    if (f.distanceInfinite) {
        shot.calculated = true;
        shot.missing.clear();
        shot.unrecorded.clear();
    }
    shot.result = r;
    shot.hyperfocalKnown = true;
}

// A distance known only between two ends: what was sharp focused at either,
// said when the ends lie further apart than the depth of field.
void AnswerForSpan(const PhotoFacts& f, const NumberSettings& settings, PhotoShot& shot) {
    if (!f.distanceRange || !shot.calculated)
        return;
    shot.span = SpanOfRange(shot.lens, *f.distanceRange, shot.result.depth, settings);
    if (!shot.span || !shot.span->widerThanDepth)
        return;
    const DistanceUnit& unit = shot.lens.Unit();
    const LengthWriting writing(unit, settings);
    const auto metres = InUnit(unit, settings);
    shot.notes.push_back(
        Arg(Tr("Photo", "The camera knew the focus distance only to between %1 and %2, a wider "
                        "span than the depth of field: focused anywhere in it, what was sharp "
                        "lies between %3 and %4."),
            {metres(f.distanceRange->first), metres(f.distanceRange->second),
             writing.WithUnit(shot.span->nearest),
             shot.span->farthestInfinite ? Tr("Calculate", kInfinityText)
                                         : writing.WithUnit(shot.span->farthest)}));
}

// The results' lines, a dash for what could not be worked out.
void AddResultLines(PhotoShot& shot) {
    const CalculationResult& r = shot.result;
    const bool ok = shot.calculated;
    shot.lines.push_back({kResultLabels[0], ok ? r.nearText : "\u2014"});
    shot.lines.push_back({kResultLabels[1], ok ? r.farText : "\u2014"});
    shot.lines.push_back({kResultLabels[2], ok ? r.totalText : "\u2014"});
    shot.lines.push_back(
        {kResultLabels[3], ok || shot.hyperfocalKnown ? r.hyperfocalText : "\u2014"});
}

// What the photo does not record, in a sentence.
std::string MissingSentence(const PhotoFacts& f, const std::vector<std::string>& missing) {
    if (missing.size() == 1 && missing[0] == "the focus distance")
        return f.distanceInfinite
                   ? Tr("Photo", "This photo records the focus distance only as infinity; type it "
                                 "on the main form and press Calculate.")
                   : Tr("Photo", "This photo does not record the focus distance: its depth of "
                                 "field is given focused at the distances a lens's scale is set "
                                 "to.");
    return missing.size() == 1
               ? Arg(Tr("Photo", "This photo does not record %1; choose or type it on the main "
                                 "form and press Calculate."),
                     {Listed(missing)})
               : Arg(Tr("Photo", "This photo does not record %1; choose or type them on the main "
                                 "form and press Calculate."),
                     {Listed(missing)});
}
} // namespace

PhotoShot ShotOfPhoto(const PhotoFacts& f, const PhotoCamera& camera, const PhotoChoices& choices,
                      const NumberSettings& settings) {
    PhotoShot shot;
    const DistanceUnit& unit = DistanceUnitFor(ParseInteger(choices.unitValue));
    std::vector<std::string> missing;
    if (!camera.camera)
        missing.push_back(TR_NOOP("Photo", "its camera"));
    const std::string focalLine = FocalLengthOf(f, camera, settings, shot, missing);
    const std::string apertureText = ApertureOf(f, shot, missing);
    const std::string distanceText = DistanceOf(f, unit, settings, missing);
    // Read once into numbers, as a press reads those texts.
    Lens& lens = shot.lens;
    lens = ReadLens({shot.focalLengthText, shot.apertureValue, choices.unitValue, choices.cofcValue,
                     camera.camera ? camera.camera->cropFactor : 1.0, distanceText, ""},
                    settings);
    lens.apertureText = apertureText;
    lens.unitName = choices.unitName;
    if (camera.camera) {
        lens.cameraName = camera.camera->name;
        lens.sensor = {camera.camera->sensorWidth, camera.camera->sensorHeight};
    }
    shot.lines = ShotLines(f, camera, choices, lens, focalLine, settings);
    shot.lensFound = camera.lens;
    for (const PhotoSentence& sentence : f.nonsense)
        shot.notes.push_back(Said(sentence, InUnit(unit, settings)));
    if (!missing.empty()) {
        shot.missing = MissingSentence(f, missing);
        std::string items;
        for (const std::string& item : missing)
            items += (items.empty() ? "" : ", ") + Tr("Photo", item.c_str());
        const bool onlyDistance = missing.size() == 1 && missing.front() == "the focus distance";
        shot.unrecorded = onlyDistance ? Tr("Photo", "no focus distance recorded")
                                       : Arg(Tr("Photo", "not recorded: %1"), {items});
        if (onlyDistance)
            AnswerWithoutDistance(f, settings, shot);
    } else {
        shot.result = Calculate(lens, settings);
        WriteReadably(shot.result, unit, settings);
        shot.calculated = shot.result.status == CalculationStatus::Ok;
        if (!shot.calculated) {
            shot.missing = RefusalText(shot.result.status);
            AnswerWithoutDistance(f, settings, shot); // what does not depend on it
        }
        AnswerForSpan(f, settings, shot);
    }
    AddResultLines(shot);
    return shot;
}

std::vector<ZoneRow> ZonesOfShot(const PhotoShot& shot, const NumberSettings& settings) {
    if (shot.lens.cameraName.empty()) // the circle of confusion is the camera's
        return {};
    return ZonesOf(shot.lens, settings);
}

std::optional<CalendarTime> ReadExifDate(std::string_view text) {
    // "YYYY:MM:DD HH:MM:SS", the colons and the blank where they stand.
    if (text.size() < 19)
        return std::nullopt;
    int parts[6] = {};
    const int starts[] = {0, 5, 8, 11, 14, 17}, widths[] = {4, 2, 2, 2, 2, 2};
    for (int k = 0; k < 6; ++k) {
        for (int i = 0; i < widths[k]; ++i) {
            const char c = text[static_cast<std::size_t>(starts[k] + i)];
            if (c < '0' || c > '9')
                return std::nullopt;
            parts[k] = parts[k] * 10 + (c - '0');
        }
        if (k > 0 && text[static_cast<std::size_t>(starts[k] - 1)] != (k == 3 ? ' ' : ':'))
            return std::nullopt;
    }
    const CalendarTime t{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 60)
        return std::nullopt;
    return t;
}

std::string LensOfPhoto(const PhotoFacts& facts,
                        const std::function<const std::vector<LensRecord>&()>& lenses) {
    if (facts.lens.empty() && facts.lensSpecification.empty())
        return {};
    const std::vector<LensRecord>& known = lenses();
    const std::optional<std::size_t> found =
        FindLensOfPhoto(known, facts.lensMake, facts.lens, facts.lensSpecification);
    return found ? known[*found].name : std::string();
}
