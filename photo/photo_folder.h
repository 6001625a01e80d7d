#pragma once
// The photos a person means by the files and folders they name: a folder's
// photos (told by their names, as a file manager shows them), not its
// subfolders unless asked, in the order of their names.

#include <string>
#include <vector>

// Whether a file's name is a photo's: JPEG, TIFF, PNG, HEIF and the raw
// formats the reader reads, in either case.
bool HasPhotoName(const std::string& name);

struct NamedPhotos {
    std::vector<std::string> files;
    std::vector<std::string> unreadFolders; // folders that could not be listed
    std::vector<std::string> emptyFolders;  // folders named that hold no photos
};

// Each named file as it stands (whatever its name: reading tells what it
// is); for each folder its photos, by name, and with `recursive` those of
// its subfolders too (never following a link to a folder, never a hidden
// file or folder).
NamedPhotos PhotosNamed(const std::vector<std::string>& named, bool recursive);
