#include "image/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

#include "image/errors.h"

namespace pixmo {
namespace {

// Symbolic links followed before a save gives up, as the kernel's own limit.
constexpr int kMaxLinkHops = 40;

}  // namespace

TMessage SystemReason(int err) {
    switch (err) {
        case ENOENT:
            return Msg(PIXMO_MSG("pixmo::Core", "No such file or directory"));
        case EACCES:
            return Msg(PIXMO_MSG("pixmo::Core", "Permission denied"));
        case EPERM:
            return Msg(PIXMO_MSG("pixmo::Core", "Operation not permitted"));
        case EROFS:
            return Msg(PIXMO_MSG("pixmo::Core", "Read-only file system"));
        case ENOSPC:
            return Msg(PIXMO_MSG("pixmo::Core", "No space left on device"));
        case EDQUOT:
            return Msg(PIXMO_MSG("pixmo::Core", "Disk quota exceeded"));
        case EISDIR:
            return Msg(PIXMO_MSG("pixmo::Core", "Is a directory"));
        case ENOTDIR:
            return Msg(PIXMO_MSG("pixmo::Core", "Not a directory"));
        case ENAMETOOLONG:
            return Msg(PIXMO_MSG("pixmo::Core", "File name too long"));
        case ELOOP:
            return Msg(PIXMO_MSG("pixmo::Core", "Too many levels of symbolic links"));
        case EIO:
            return Msg(PIXMO_MSG("pixmo::Core", "Input/output error"));
        case EBUSY:
            return Msg(PIXMO_MSG("pixmo::Core", "Device or resource busy"));
        case EMFILE:
        case ENFILE:
            return Msg(PIXMO_MSG("pixmo::Core", "Too many open files"));
        default:
            return TMessage{"", std::strerror(err), {}, {}};
    }
}

namespace {

enum TFileStep { kOpening, kReading, kCreating, kWriting };
constexpr TSourceText kFileStepTexts[] = {
    PIXMO_MSG("pixmo::Core", "Cannot open file \"%1\". %2"),
    PIXMO_MSG("pixmo::Core", "Cannot read file \"%1\". %2"),
    PIXMO_MSG("pixmo::Core", "Cannot create file \"%1\". %2"),
    PIXMO_MSG("pixmo::Core", "Cannot write file \"%1\". %2"),
};

[[noreturn]] void RaiseFileError(TFileStep step, const std::string& fileName, const TMessage& reason) {
    RaiseError(Msg(kFileStepTexts[step], fileName, reason));
}

[[noreturn]] void RaiseFileError(TFileStep step, const std::string& fileName, int err) {
    RaiseFileError(step, fileName, SystemReason(err));
}

// A folder says so; a FIFO, device or socket is "Not a regular file".
[[noreturn]] void RaiseNotRegular(TFileStep step, const std::string& fileName, mode_t mode) {
    if (S_ISDIR(mode)) RaiseFileError(step, fileName, EISDIR);
    RaiseFileError(step, fileName, Msg(PIXMO_MSG("pixmo::Core", "Not a regular file")));
}

class TFd {
public:
    explicit TFd(int fd) : FFd(fd) {}
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    ~TFd() {
        if (FFd >= 0) ::close(FFd);
    }
    int Get() const { return FFd; }
    int Release() {
        int fd = FFd;
        FFd = -1;
        return fd;
    }

private:
    int FFd;
};

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links to the file a save must replace, so that the link survives and
// its target gets the image; a dangling link gives the path it points to, as open would.
std::string ResolveLinks(const std::string& fileName) {
    std::string path = fileName;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        if (hops == kMaxLinkHops) RaiseFileError(kCreating, fileName, ELOOP);
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
        if (n < 0) RaiseFileError(kCreating, fileName, errno);
        if (n == static_cast<ssize_t>(sizeof buf)) RaiseFileError(kCreating, fileName, ENAMETOOLONG);
        const std::string link(buf, static_cast<size_t>(n));
        path = link.starts_with('/') ? link : FolderOf(path) + "/" + link;
    }
}

// Whether the caller may write the existing file. A normal user gets the answer a direct
// write would give. Root passes every permission check, yet a file nobody may write is what
// a user means by read-only: it is refused to root as well.
bool MayWrite(const std::string& path, const struct stat& st) {
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return false;
    if (::geteuid() == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        errno = EACCES;
        return false;
    }
    return true;
}

// Creates `prefix` plus eight random characters exclusively, as mkstemp does, but with the
// mode open gives a new file (0666 less the umask or the folder's default ACL) where mkstemp
// gives 0600. O_EXCL also refuses to follow a link at the name.
int CreateExclusive(const std::string& prefix, std::string& name) {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt) {
        uint64_t bits = (uint64_t{device()} << 32) | device();
        name = prefix;
        for (int i = 0; i < 8; ++i, bits /= 62) name += kChars[bits % 62];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;  // errno is EEXIST
}

[[noreturn]] void RaiseTooLarge(const std::string& fileName) {
    RaiseError(Msg(PIXMO_MSG("pixmo::Core", "File troppo grande: \"%1\""), fileName));
}

// Opens a regular file for reading and gives its size. The type is checked before the
// open, which would block on a FIFO and may act on a device; O_NONBLOCK and the second check
// cover a file swapped in between.
int OpenForReading(const std::string& fileName, uint64_t& size) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) RaiseFileError(kOpening, fileName, errno);
    if (!S_ISREG(st.st_mode)) RaiseNotRegular(kOpening, fileName, st.st_mode);
    TFd fd(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) RaiseFileError(kOpening, fileName, errno);
    if (::fstat(fd.Get(), &st) != 0) RaiseFileError(kReading, fileName, errno);
    if (!S_ISREG(st.st_mode)) RaiseNotRegular(kOpening, fileName, st.st_mode);
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
    if (st.st_size > kMaxReadFileSize) RaiseTooLarge(fileName);
    size = static_cast<uint64_t>(st.st_size);
    return fd.Release();
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& fileName, int64_t maxSize) {
    maxSize = std::min(maxSize, kMaxReadFileSize);
    uint64_t size = 0;
    TFd fd(OpenForReading(fileName, size));
    if (size > static_cast<uint64_t>(std::max<int64_t>(maxSize, 0))) RaiseTooLarge(fileName);
    std::vector<uint8_t> data;
    data.reserve(static_cast<size_t>(size));
    uint8_t buf[65536];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseFileError(kReading, fileName, errno);
        }
        if (n == 0) break;
        if (static_cast<int64_t>(data.size()) + n > maxSize) RaiseTooLarge(fileName);
        data.insert(data.end(), buf, buf + n);
    }
    return data;
}

TFileSource::TFileSource(const std::string& fileName) : FFileName(fileName) { FFd = OpenForReading(fileName, FSize); }

TFileSource::~TFileSource() { ::close(FFd); }

bool TFileSource::ReadAt(uint64_t offset, void* destination, size_t count) {
    auto* out = static_cast<uint8_t*>(destination);
    while (count > 0) {
        const ssize_t n = ::pread(FFd, out, count, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseFileError(kReading, FFileName, errno);
        }
        if (n == 0) return false;
        out += n;
        offset += static_cast<uint64_t>(n);
        count -= static_cast<size_t>(n);
    }
    return true;
}

TAtomicFile::TAtomicFile(const std::string& fileName) : FFileName(fileName), FTarget(ResolveLinks(fileName)) {
    struct stat old {};
    FReplacing = ::lstat(FTarget.c_str(), &old) == 0;
    if (!FReplacing && errno != ENOENT) RaiseFileError(kCreating, fileName, errno);
    if (FReplacing) {
        if (!S_ISREG(old.st_mode)) RaiseNotRegular(kCreating, fileName, old.st_mode);
        if (!MayWrite(FTarget, old)) RaiseFileError(kCreating, fileName, errno);
        FOldMode = old.st_mode;
        FOldUid = old.st_uid;
        FOldGid = old.st_gid;
    }
    // Created exclusively under a name nobody can foresee, so no planted link or file at
    // that name can receive the image. A base name too long for the suffix is left out.
    const size_t slash = FTarget.find_last_of('/');
    const std::string base = slash == std::string::npos ? FTarget : FTarget.substr(slash + 1);
    FFd = CreateExclusive(FolderOf(FTarget) + "/" + (base.size() <= 200 ? base : std::string()) + ".~tmp", FTempName);
    if (FFd < 0) RaiseFileError(kCreating, fileName, errno);
}

TAtomicFile::~TAtomicFile() {
    if (FFd >= 0) ::close(FFd);
    if (!FCommitted) ::unlink(FTempName.c_str());
}

void TAtomicFile::WriteAt(uint64_t offset, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(FFd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseFileError(kWriting, FFileName, errno);
        }
        done += static_cast<size_t>(n);
    }
    FSize = std::max<uint64_t>(FSize, offset + bytes.size());
}

void TAtomicFile::Commit() {
    // A replaced file's owner and mode stay. Without the right to give the file away it
    // becomes the saver's, as a new file would.
    if (FReplacing) {
        [[maybe_unused]] const int owned = ::fchown(FFd, FOldUid, FOldGid);
        if (::fchmod(FFd, FOldMode & 07777) != 0) RaiseFileError(kWriting, FFileName, errno);
    }
    const int fd = FFd;
    FFd = -1;
    if (::fsync(fd) != 0) {
        ::close(fd);
        RaiseFileError(kWriting, FFileName, errno);
    }
    if (::close(fd) != 0) RaiseFileError(kWriting, FFileName, errno);
    if (::rename(FTempName.c_str(), FTarget.c_str()) != 0) RaiseFileError(kCreating, FFileName, errno);
    FCommitted = true;
}

void WriteFileAtomically(const std::string& fileName, std::span<const uint8_t> bytes) {
    TAtomicFile file(fileName);
    file.Write(bytes);
    file.Commit();
}

}  // namespace pixmo
