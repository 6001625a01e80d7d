#pragma once
// Reaching a file without being led elsewhere: folders are held open while
// they are used, and a symbolic link is followed only where its owner may be
// trusted, so that no one else's link can send a read or a write to a file
// the running user never meant.

#include <string>
#include <sys/stat.h>

// An open file descriptor, closed with its owner.
class CHandle {
  public:
    CHandle() = default;
    explicit CHandle(int fd) : m_fd(fd) {}
    CHandle(CHandle&& other) noexcept : m_fd(other.Release()) {}
    CHandle& operator=(CHandle&& other) noexcept;
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle();

    int Get() const { return m_fd; }
    int Release();
    explicit operator bool() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

// Whether only the owner of what `st` describes may write it: others may not,
// and its group only when that is the owner's private group (named as the
// owner, with no other members).
bool OnlyOwnerMayWrite(const struct stat& st);

// Whether what `path` names (links followed; "/proc/self/fd/N" for one held
// open) carries an access control list beyond its mode's bits: one may let
// another user write what the bits say only its owner may, so what must be
// trusted may have none.
bool HasAccessList(const std::string& path);

// Whether a folder is one whose files only the running user or the
// administrator can change: it belongs to one of them, and only its owner
// may write in it.
bool IsTrustedFolder(const struct stat& st);

// A name in a folder held open. The name is a single part: no slashes.
struct CFilePlace {
    CHandle folder;
    std::string name;
};

// Opens the folder at `path` (links in it followed as the system follows
// them), for use as the starting point of ResolvePlace; -1 and errno on
// failure.
CHandle OpenFolderPath(const std::string& path);

// The place that `name` in the folder `from` leads to once symbolic links are
// followed. A link is followed only when the running user made it, or when it
// belongs to the owner of the folder it stands in and that folder is trusted
// (an administrator's link in the administrator's folder; see
// IsTrustedFolder): another user's link is never followed. The same holds
// for every link met on the way. Each step is taken from a folder
// held open, so a link swapped in after a check is never followed. The place
// found need not exist yet. False with `osError` EACCES for a link not to be
// trusted, ELOOP for links without end, or what the system reported.
bool ResolvePlace(int from, const std::string& name, CFilePlace& place, int& osError);

// Opens the folder that `place` names, without following a link in its
// place; -1 and errno on failure.
CHandle OpenFolderAt(const CFilePlace& place);

// The place a whole path leads to, walked part by part from the root (or,
// for a relative path, from the current folder) as ResolvePlace walks: no
// link of another user's is followed on the way, in the folders above the
// file as at the file itself.
bool ResolvePath(const std::string& path, CFilePlace& place, int& osError);
