#include "photo/photo_wire.h"

#include "framework/base/packing.h"

namespace {
// Each piece of an answer, in the order it is packed: Put and Get alike.
void Put(CPacker& p, const RecordedNumber& n) {
    p.Put(n.value);
    p.Put(n.source);
}
bool Get(CUnpacker& u, RecordedNumber& n) {
    return u.Get(n.value) && u.Get(n.source);
}
void Put(CPacker& p, const std::optional<RecordedNumber>& n) {
    p.Put(n.has_value());
    if (n)
        Put(p, *n);
}
bool Get(CUnpacker& u, std::optional<RecordedNumber>& n) {
    bool present = false;
    if (!u.Get(present))
        return false;
    n.reset();
    return !present || Get(u, n.emplace());
}

void Put(CPacker& p, const PhotoSentence& s) {
    p.Put(s.text);
    p.Put(static_cast<std::uint64_t>(s.words) | static_cast<std::uint64_t>(s.lengths) << 32);
    p.Put(static_cast<std::uint64_t>(s.args.size()));
    for (const std::string& arg : s.args)
        p.Put(arg);
}
bool Get(CUnpacker& u, PhotoSentence& s) {
    std::uint64_t words = 0;
    std::size_t count = 0;
    if (!u.Get(s.text) || !u.Get(words) || !u.GetCount(count, 8))
        return false;
    s.words = static_cast<unsigned>(words & 0xFFFFFFFFu);
    s.lengths = static_cast<unsigned>(words >> 32);
    s.args.assign(count, {});
    for (std::string& arg : s.args)
        if (!u.Get(arg))
            return false;
    return true;
}
} // namespace

std::string PackPhotoRequest(const PhotoRequest& request) {
    CPacker p;
    p.Put(request.path);
    p.Put(request.shownAs);
    p.Put(request.preview);
    return p.Bytes();
}

std::optional<PhotoRequest> UnpackPhotoRequest(std::string_view bytes) {
    CUnpacker u(bytes);
    PhotoRequest request;
    if (!u.Get(request.path) || !u.Get(request.shownAs) || !u.Get(request.preview) || !u.Done())
        return std::nullopt;
    return request;
}

std::string PackPhotoFacts(const PhotoFacts& f) {
    CPacker p;
    for (const std::string* text : {&f.file, &f.make, &f.model, &f.makeSource, &f.modelSource,
                                    &f.lens, &f.lensSource, &f.lensMake, &f.lensSpecification,
                                    &f.sizeSource, &f.dateTaken, &f.dateSource, &f.infiniteSource})
        p.Put(*text);
    for (const std::optional<RecordedNumber>* n :
         {&f.focalLength, &f.focalLength35, &f.fNumber, &f.distance})
        Put(p, *n);
    p.Put(f.distanceInfinite);
    Put(p, f.distanceNote);
    p.Put(f.distanceRange.has_value());
    p.Put(f.distanceRange ? f.distanceRange->first : 0.0);
    p.Put(f.distanceRange ? f.distanceRange->second : 0.0);
    p.Put(f.preview);
    p.Put(f.width);
    p.Put(f.height);
    p.Put(static_cast<std::uint64_t>(f.nonsense.size()));
    for (const PhotoSentence& s : f.nonsense)
        Put(p, s);
    Put(p, f.refusal);
    return p.Bytes();
}

std::optional<PhotoFacts> UnpackPhotoFacts(std::string_view bytes) {
    CUnpacker u(bytes);
    PhotoFacts f;
    for (std::string* text : {&f.file, &f.make, &f.model, &f.makeSource, &f.modelSource, &f.lens,
                              &f.lensSource, &f.lensMake, &f.lensSpecification, &f.sizeSource,
                              &f.dateTaken, &f.dateSource, &f.infiniteSource})
        if (!u.Get(*text))
            return std::nullopt;
    for (std::optional<RecordedNumber>* n :
         {&f.focalLength, &f.focalLength35, &f.fNumber, &f.distance})
        if (!Get(u, *n))
            return std::nullopt;
    std::size_t nonsense = 0;
    bool ranged = false;
    double nearest = 0, farthest = 0;
    if (!u.Get(f.distanceInfinite) || !Get(u, f.distanceNote) || !u.Get(ranged) ||
        !u.Get(nearest) || !u.Get(farthest) || !u.Get(f.preview) || !u.Get(f.width) ||
        !u.Get(f.height) || !u.GetCount(nonsense, 24))
        return std::nullopt;
    if (ranged)
        f.distanceRange = std::pair(nearest, farthest);
    f.nonsense.assign(nonsense, {});
    for (PhotoSentence& s : f.nonsense)
        if (!Get(u, s))
            return std::nullopt;
    if (!Get(u, f.refusal) || !u.Done())
        return std::nullopt;
    return f;
}
