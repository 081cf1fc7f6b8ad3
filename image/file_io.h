#pragma once
// Whole-file reads and crash-safe writes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pixmo {

// Files larger than this are refused before reading (no image the program holds needs more).
constexpr int64_t kMaxReadFileSize = int64_t{1} << 30;

// Reads the whole file; raises EPixmoError with the file system's reason on failure. Only a
// regular file is read: a folder, FIFO or device is refused without blocking.
std::vector<uint8_t> ReadWholeFile(const std::string& fileName);

// Writes a temporary file beside the target and renames it over the target, so that a
// failed write leaves the previous file as it was. A link is followed and its target
// replaced; a file the caller may not write, or anything but a regular file, is refused.
void WriteFileAtomically(const std::string& fileName, std::span<const uint8_t> bytes);

// The extension with its dot, lower-cased ASCII ("PICTURE.PNG" -> ".png"; none -> "").
std::string LowerExtension(const std::string& fileName);

}  // namespace pixmo
