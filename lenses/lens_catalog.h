#pragma once
// Lenses: lensfun's, read with its cameras the first time either is asked
// for (never at start), each with what a photographer chooses by: its
// focal range, its widest aperture at each end, its smallest aperture, its
// mount; found by the words a person types, in any order.

#include "framework/base/number_format.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct LensRecord {
    std::string name;                        // as lists show it: "Sony E 18-55mm f/3.5-5.6 OSS"
    std::string maker;                       // "Sony"
    std::string model;                       // as photos write it: "XF23mmF2 R WR"
    std::string englishModel;                // "XF 23mm f/2 R WR", where the database gives one
    std::string mount;                       // "Sony E"; empty when not known
    double focalMin = 0, focalMax = 0;       // mm; equal for a prime
    double widestAtMin = 0, widestAtMax = 0; // the smallest f-number at each end
    double smallest = 22;                    // the largest f-number
    double minFocus = 0;                     // m from the sensor plane; 0 when not known
    double pupil = 0;                        // pupil magnification; 0 when not known
    std::string source;                      // "lensfun" or "own"

    bool IsPrime() const { return focalMax <= focalMin; }
    // Whether focal length `f` (mm) is one of its own, to a millionth.
    bool Reaches(double f) const {
        return f >= focalMin * (1 - 1e-6) && f <= focalMax * (1 + 1e-6);
    }
};

// The widest aperture at focal length `f` between the ends: N₁·(N₂/N₁)^
// (ln(f/f₁)/ln(f₂/f₁)), even in stops against the logarithm of the focal
// length; the nearer end's outside the range.
double WidestAt(const LensRecord& lens, double f);

// The widest aperture at the long end a lens's name writes after the one at
// the short end ("f/3.5-5.6", "F4.5-6.3", "1:3.5-5.6"); `atShortEnd` when
// the name writes one alone.
double WidestAtLongEndOfName(std::string_view model, double atShortEnd);

// The lens's focal range and widest apertures as lists show them: "18–55
// mm", "23 mm"; "f/3.5–5.6", "f/2"; empty when its widest is not known.
std::string FocalRangeText(const LensRecord& lens, const NumberSettings& settings);
std::string WidestText(const LensRecord& lens, const NumberSettings& settings);

struct LensDatabase {
    std::vector<LensRecord> lenses; // in the database's order
    std::string problem;            // one sentence when it could not be read
};

// lensfun's lenses on this machine, read once with its cameras.
const LensDatabase& LensfunLenses();

// The positions in `lenses` of those `words` find, best first: every word,
// in any case and order, in the maker or the model, letters and digits
// apart or run together ("24-105 f4", "ef 100 macro", "xf 23", "z 24-200").
std::vector<std::size_t> FindLenses(const std::vector<LensRecord>& lenses, std::string_view words,
                                    std::size_t limit = std::numeric_limits<std::size_t>::max());

// The one lens `words` mean among those FindLenses finds: the one whose
// name or model they are whole (letters in any case, blanks aside), the
// only one found, or the only one in whose name every word stands whole
// ("e 18-55 oss": not the E 18-135mm f/3.5-5.6 OSS; "xf 23 f2": f and 2 run
// together). Otherwise none, with the best few found.
struct LensChoice {
    std::optional<std::size_t> chosen;
    std::vector<std::size_t> candidates;
};
LensChoice ChooseLens(const std::vector<LensRecord>& lenses, std::string_view words);

// The lens a photo records among `lenses` (the person's first): by its
// Exif LensModel as the lens writes it, with or without its maker in front
// ("RF24-105mm F4 L IS USM" is Canon's RF 24-105mm F4L IS USM), letters in
// any case, blanks and marks aside; else the one those words mean; else, by
// its LensSpecification ("24/1 105/1 4/1 4/1": focal lengths and widest
// apertures), the only lens of LensMake's with that range and those
// apertures. None when no lens or more than one answers.
std::optional<std::size_t> FindLensOfPhoto(const std::vector<LensRecord>& lenses,
                                           std::string_view make, std::string_view model,
                                           std::string_view ranges);
