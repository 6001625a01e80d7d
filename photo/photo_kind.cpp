#include "photo/photo_kind.h"

#include <initializer_list>

namespace {
bool Starts(std::string_view head, std::string_view magic, std::size_t at = 0) {
    return head.size() >= at + magic.size() && head.substr(at, magic.size()) == magic;
}

bool StartsAny(std::string_view head, std::initializer_list<std::string_view> magics) {
    for (const std::string_view magic : magics)
        if (Starts(head, magic))
            return true;
    return false;
}

using namespace std::string_view_literals;

// ISO's media file format ("ftyp" box first): photos by their brand, the
// rest films.
PhotoKind KindOfMediaFile(std::string_view head) {
    const std::string_view brand = head.substr(8, 4);
    for (const std::string_view photo : {"heic"sv, "heix"sv, "hevc"sv, "hevx"sv, "heim"sv, "heis"sv,
                                         "mif1"sv, "msf1"sv, "avif"sv, "avis"sv, "crx "sv})
        if (brand == photo)
            return PhotoKind::Heif;
    for (const std::string_view image : {"jp2 "sv, "jpx "sv, "jpm "sv, "jxl "sv})
        if (brand == image)
            return PhotoKind::OtherImage;
    return PhotoKind::Video;
}
} // namespace

PhotoKind KindOfPhoto(std::string_view head) {
    if (Starts(head, "\xFF\xD8\xFF"sv))
        return PhotoKind::Jpeg;
    if (Starts(head, "\x89PNG\r\n\x1A\n"sv))
        return PhotoKind::Png;
    if (StartsAny(head, {"II*\0"sv, "MM\0*"sv, "II+\0"sv, "MM\0+"sv}))
        return PhotoKind::Tiff;
    if (StartsAny(head,
                  {"IIRO"sv, "MMOR"sv, "IIRS"sv, "IIU\0"sv, "FUJIFILMCCD-RAW"sv, "\0MRM"sv}) ||
        (Starts(head, "II\x1A\0\0\0"sv) && Starts(head, "HEAPCCDR"sv, 6)))
        return PhotoKind::OtherRaw;
    if (head.size() >= 12 && Starts(head, "ftyp"sv, 4))
        return KindOfMediaFile(head);
    // Films and sound: Matroska and WebM, ASF (WMV, WMA), AVI and WAVE,
    // QuickTime without a type box, MPEG program and transport streams,
    // Flash video, Ogg, MP3.
    if (StartsAny(head, {"\x1A\x45\xDF\xA3"sv, "\x30\x26\xB2\x75\x8E\x66\xCF\x11"sv, "FLV"sv,
                         "OggS"sv, "ID3"sv, "\0\0\x01\xBA"sv, "\0\0\x01\xB3"sv}) ||
        (Starts(head, "RIFF"sv) && (Starts(head, "AVI "sv, 8) || Starts(head, "WAVE"sv, 8))) ||
        (head.size() >= 8 && (Starts(head, "moov"sv, 4) || Starts(head, "mdat"sv, 4) ||
                              Starts(head, "wide"sv, 4) || Starts(head, "free"sv, 4))) ||
        (head.size() >= 1 && head[0] == '\x47' && head.size() > 188 && head[188] == '\x47'))
        return PhotoKind::Video;
    if (StartsAny(head,
                  {"GIF87a"sv, "GIF89a"sv, "BM"sv, "8BPS"sv, "\0\0\0\x0CjP  "sv,
                   "\xFF\x4F\xFF\x51"sv, "\xFF\x0A"sv, "%!PS"sv, "\xC5\xD0\xD3\xC6"sv, "PGF"sv}) ||
        (Starts(head, "RIFF"sv) && Starts(head, "WEBP"sv, 8)))
        return PhotoKind::OtherImage;
    return PhotoKind::Unknown;
}
