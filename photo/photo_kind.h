#pragma once
// What a file is, told by its first bytes, never by its name: only the
// kinds of photo the program reads are handed to the metadata reader.

#include <string_view>

enum class PhotoKind {
    Jpeg,
    Png,
    Tiff,       // TIFF, and the raw files built on it (DNG, NEF, CR2, ARW, PEF, SRW, …)
    OtherRaw,   // raw files of their own kind: ORF, RW2, RAF, MRW, CRW
    Heif,       // HEIF and AVIF photos, and Canon's CR3, in ISO's media file format
    Video,      // a film or a sound: no photo
    OtherImage, // a picture that is no camera's photo: GIF, BMP, WebP, JPEG 2000, PSD, …
    Unknown,
};

// The kind of the file whose first bytes are `head` (the first 64 bytes
// are enough; fewer when the file is shorter).
PhotoKind KindOfPhoto(std::string_view head);

// Whether photos of `kind` are read.
inline bool IsReadPhotoKind(PhotoKind kind) {
    return kind == PhotoKind::Jpeg || kind == PhotoKind::Png || kind == PhotoKind::Tiff ||
           kind == PhotoKind::OtherRaw || kind == PhotoKind::Heif;
}
