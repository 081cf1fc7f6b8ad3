#include "image/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "image/errors.h"

namespace pixmo {
namespace {

constexpr const char* kNotRegular = "Not a regular file";

[[noreturn]] void RaiseFileError(const char* what, const std::string& fileName, const char* reason) {
    RaiseError(Format("%s \"%s\". %s", what, fileName.c_str(), reason));
}

[[noreturn]] void RaiseFileError(const char* what, const std::string& fileName, int err) {
    RaiseFileError(what, fileName, std::strerror(err));
}

// A folder says so; a FIFO, device or socket is "Not a regular file".
[[noreturn]] void RaiseNotRegular(const char* what, const std::string& fileName, mode_t mode) {
    RaiseFileError(what, fileName, S_ISDIR(mode) ? std::strerror(EISDIR) : kNotRegular);
}

class TFd {
public:
    explicit TFd(int fd) : FFd(fd) {}
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

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& fileName) {
    // The type is checked before the open, which would block on a FIFO and may act on a
    // device; O_NONBLOCK and the second check cover a file swapped in between.
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) RaiseFileError("Cannot open file", fileName, errno);
    if (!S_ISREG(st.st_mode)) RaiseNotRegular("Cannot open file", fileName, st.st_mode);
    TFd fd(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) RaiseFileError("Cannot open file", fileName, errno);
    if (::fstat(fd.Get(), &st) != 0) RaiseFileError("Cannot read file", fileName, errno);
    if (!S_ISREG(st.st_mode)) RaiseNotRegular("Cannot open file", fileName, st.st_mode);
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
    if (st.st_size > kMaxReadFileSize) RaiseError(Format("File troppo grande: \"%s\"", fileName.c_str()));
    std::vector<uint8_t> data;
    data.reserve(static_cast<size_t>(st.st_size));
    uint8_t buf[65536];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseFileError("Cannot read file", fileName, errno);
        }
        if (n == 0) break;
        if (static_cast<int64_t>(data.size()) + n > kMaxReadFileSize)
            RaiseError(Format("File troppo grande: \"%s\"", fileName.c_str()));
        data.insert(data.end(), buf, buf + n);
    }
    return data;
}

void WriteFileAtomically(const std::string& fileName, std::span<const uint8_t> bytes) {
    std::string temp = fileName + ".~tmp" + std::to_string(::getpid());
    {
        TFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        if (fd.Get() < 0) RaiseFileError("Cannot create file", fileName, errno);
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                int err = errno;
                ::unlink(temp.c_str());
                RaiseFileError("Cannot write file", fileName, err);
            }
            done += static_cast<size_t>(n);
        }
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(fileName.c_str(), &st) == 0) ::fchmod(fd.Get(), st.st_mode & 07777);
        if (::fsync(fd.Get()) != 0 || ::close(fd.Release()) != 0) {
            int err = errno;
            ::unlink(temp.c_str());
            RaiseFileError("Cannot write file", fileName, err);
        }
    }
    if (::rename(temp.c_str(), fileName.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        RaiseFileError("Cannot create file", fileName, err);
    }
}

std::string LowerExtension(const std::string& fileName) {
    size_t slash = fileName.find_last_of('/');
    size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string ext = fileName.substr(dot);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

}  // namespace pixmo
