#pragma once
// The tests' own photos: small images written by Qt, their metadata written
// through exiv2, each recording what one case needs (every field, each
// "unknown", "infinity" and absurd value, a maker note's range, only the
// 35 mm equivalent focal length), and files of other kinds beside them.

#include <string>
#include <utility>
#include <vector>

// One photo: its file name and the Exif fields written into it ("key",
// "value" as exiv2's text form of that field takes it).
struct TestPhoto {
    std::string name;
    std::vector<std::pair<std::string, std::string>> exif;
    bool thumbnail = false; // an embedded preview too, as cameras write one
};

const std::vector<TestPhoto>& TestPhotos();

// Writes one photo at `path` (a JPEG, PNG, DNG or CR2 by its name); with
// `preview`, those bytes as its embedded JPEG preview, whatever they are.
bool WriteTestPhoto(const std::string& path, const TestPhoto& photo,
                    const std::string& preview = {});

// Writes every test photo, and the files of other kinds (a text, a
// truncated JPEG, an empty file, a folder), into `folder`; false when one
// could not be written.
bool MakeTestPhotos(const std::string& folder);

// The folder the test photos are made in, once a run: a fresh folder of
// the run's own, removed at its end.
const std::string& TestPhotosFolder();
