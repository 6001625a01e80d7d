#include "framework/base/file_place.h"

#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {
// Links met on the way to one file, at the most, as the system allows.
constexpr int kMostLinks = 40;

// Whether group `gid` is the private group of user `uid`: the user's own
// group, named as the user, with no member but the user.
bool IsPrivateGroup(gid_t gid, uid_t uid) {
    std::vector<char> buffer(16384);
    passwd pw{};
    passwd* user = nullptr;
    if (::getpwuid_r(uid, &pw, buffer.data(), buffer.size(), &user) != 0 || !user ||
        user->pw_gid != gid)
        return false;
    const std::string userName = user->pw_name;
    std::vector<char> groupBuffer(16384);
    group gr{};
    group* found = nullptr;
    if (::getgrgid_r(gid, &gr, groupBuffer.data(), groupBuffer.size(), &found) != 0 || !found ||
        userName != found->gr_name)
        return false;
    for (char** member = found->gr_mem; member && *member; ++member)
        if (userName != *member)
            return false;
    return true;
}

// The parts of a link's target, in order, without empty parts.
std::deque<std::string> PartsOf(const std::string& target) {
    std::deque<std::string> parts;
    std::size_t at = 0;
    while (at <= target.size()) {
        const std::size_t slash = target.find('/', at);
        const std::size_t end = slash == std::string::npos ? target.size() : slash;
        if (end > at)
            parts.push_back(target.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

int OpenStep(int from, const char* name) {
    int fd;
    do
        fd = ::openat(from, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Whether the link described by `link`, standing in the folder `folder`, may
// be followed: the running user's own, or the link of a trusted folder's
// owner (which, for a folder of the running user's, is the first case).
bool MayFollow(const struct stat& link, int folder) {
    if (link.st_uid == ::geteuid())
        return true;
    struct stat in {};
    return ::fstat(folder, &in) == 0 && link.st_uid == in.st_uid && IsTrustedFolder(in);
}

bool ReadLink(int folder, const std::string& name, const struct stat& link, std::string& target) {
    target.assign(static_cast<std::size_t>(link.st_size) + 256, '\0');
    const ssize_t n = ::readlinkat(folder, name.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
        return false;
    target.resize(static_cast<std::size_t>(n));
    return true;
}
} // namespace

CHandle& CHandle::operator=(CHandle&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.Release();
    }
    return *this;
}

CHandle::~CHandle() {
    if (m_fd >= 0)
        ::close(m_fd);
}

int CHandle::Release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

bool OnlyOwnerMayWrite(const struct stat& st) {
    if (st.st_mode & S_IWOTH)
        return false;
    return !(st.st_mode & S_IWGRP) || IsPrivateGroup(st.st_gid, st.st_uid);
}

bool HasAccessList(const std::string& path) {
    // A list of no more than the mode's bits is kept in the mode alone.
    const ssize_t size = ::getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0);
    return size > 0 || (size < 0 && errno != ENODATA && errno != ENOTSUP);
}

bool IsTrustedFolder(const struct stat& st) {
    return S_ISDIR(st.st_mode) && (st.st_uid == ::geteuid() || st.st_uid == 0) &&
           OnlyOwnerMayWrite(st);
}

CHandle OpenFolderPath(const std::string& path) {
    int fd;
    do
        fd = ::open(path.empty() ? "." : path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return CHandle(fd);
}

namespace {
// Replaces the link `part` of `folder` by the parts of its target, in front
// of those still to walk; an absolute target starts again from the root.
bool FollowLink(CHandle& folder, const std::string& part, const struct stat& link,
                std::deque<std::string>& parts, int& osError) {
    std::string target;
    if (!MayFollow(link, folder.Get())) {
        osError = EACCES;
        return false;
    }
    if (!ReadLink(folder.Get(), part, link, target)) {
        osError = ENOENT;
        return false;
    }
    if (target[0] == '/')
        folder = OpenFolderPath("/");
    std::deque<std::string> targetParts = PartsOf(target);
    parts.insert(parts.begin(), targetParts.begin(), targetParts.end());
    if (parts.empty()) // a link to the root itself
        parts.push_back(".");
    return true;
}
} // namespace

bool ResolvePlace(int from, const std::string& name, CFilePlace& place, int& osError) {
    CHandle folder(::fcntl(from, F_DUPFD_CLOEXEC, 0));
    std::deque<std::string> parts = PartsOf(name);
    osError = !folder ? errno : parts.empty() ? ENOENT : 0;
    for (int links = 0; osError == 0 && !parts.empty();) {
        const std::string part = std::move(parts.front());
        parts.pop_front();
        struct stat st {};
        if (::fstatat(folder.Get(), part.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && parts.empty()) { // the last part is yet to be made
                place = {std::move(folder), part};
                return true;
            }
            osError = errno;
        } else if (S_ISLNK(st.st_mode)) {
            if (++links > kMostLinks)
                osError = ELOOP;
            else
                FollowLink(folder, part, st, parts, osError);
        } else if (parts.empty()) {
            place = {std::move(folder), part};
            return true;
        } else {
            // A folder on the way: opened as it was checked, never through a link.
            CHandle next(OpenStep(folder.Get(), part.c_str()));
            osError = next ? 0 : errno;
            folder = std::move(next);
        }
    }
    if (osError == 0)
        osError = ENOENT;
    return false;
}

CHandle OpenFolderAt(const CFilePlace& place) {
    return CHandle(OpenStep(place.folder.Get(), place.name.c_str()));
}

bool ResolvePath(const std::string& path, CFilePlace& place, int& osError) {
    const CHandle start = OpenFolderPath(!path.empty() && path[0] == '/' ? "/" : ".");
    if (!start) {
        osError = errno;
        return false;
    }
    return ResolvePlace(start.Get(), path, place, osError);
}
