#pragma once
// File reads and crash-safe writes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/byte_source.h"
#include "image/errors.h"

namespace pixmo {

// The system's reason for a failure (an errno value) in words of our own, so that the
// catalogues can translate it; an unusual one stays the system's.
TMessage SystemReason(int err);

// Files larger than this are refused before reading (no image the program holds needs more).
constexpr int64_t kMaxReadFileSize = int64_t{1} << 30;

// Reads the whole file; raises EPixmoError with the file system's reason on failure. Only a
// regular file is read: a folder, FIFO or device is refused without blocking. A file over
// maxSize bytes is refused as too large.
std::vector<uint8_t> ReadWholeFile(const std::string& fileName, int64_t maxSize = kMaxReadFileSize);

// A file open for reads at offsets, with the checks and messages of ReadWholeFile; the size
// is the one the file had when opened.
class TFileSource : public TByteSource {
public:
    explicit TFileSource(const std::string& fileName);
    TFileSource(const TFileSource&) = delete;
    TFileSource& operator=(const TFileSource&) = delete;
    ~TFileSource() override;
    uint64_t Size() const override { return FSize; }
    bool ReadAt(uint64_t offset, void* destination, size_t count) override;

private:
    std::string FFileName;
    int FFd = -1;
    uint64_t FSize = 0;
};

// A file written beside its target under a temporary name and renamed over the target by
// Commit(); dropped when destroyed uncommitted. The checks are those of WriteFileAtomically,
// made when it is created.
class TAtomicFile {
public:
    explicit TAtomicFile(const std::string& fileName);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    void Write(std::span<const uint8_t> bytes) { WriteAt(FSize, bytes); }
    // Writes at an offset, over bytes already written (headers known only at the end).
    void WriteAt(uint64_t offset, std::span<const uint8_t> bytes);
    uint64_t Size() const { return FSize; }
    void Commit();

private:
    std::string FFileName;
    std::string FTarget;
    std::string FTempName;
    int FFd = -1;
    uint64_t FSize = 0;
    bool FReplacing = false;
    bool FCommitted = false;
    uint32_t FOldMode = 0, FOldUid = 0, FOldGid = 0;
};

// Writes a temporary file beside the target and renames it over the target, so that a
// failed write leaves the previous file as it was. A link is followed and its target
// replaced; a file the caller may not write, or anything but a regular file, is refused.
void WriteFileAtomically(const std::string& fileName, std::span<const uint8_t> bytes);

}  // namespace pixmo
