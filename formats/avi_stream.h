#pragma once
// TAVIStream: an uncompressed AVI video written by our own RIFF writer: one "vids" stream of
// "DIB " frames ("00db" chunks), each a key frame in the "idx1" index. The file is written
// beside the target and renamed over it when Close() succeeds, so a failed export leaves
// the previous file as it was and no half file under the target's name.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "image/errors.h"
#include "image/geometry.h"
#include "image/sheet_frames.h"

namespace pixmo {

class TAtomicFile;
class TDib;

// The AVI writer's failures, with the message the user sees.
class EAvi : public EPixmoError {
public:
    using EPixmoError::EPixmoError;
};

class TAVIStream {
public:
    explicit TAVIStream(std::string fileName);
    // Without Close() the file is dropped.
    ~TAVIStream();
    TAVIStream(const TAVIStream&) = delete;
    TAVIStream& operator=(const TAVIStream&) = delete;

    // Frames per second = a × 1000 / b; the animation passes (1, interval in ms).
    void SetRate(int a, int b);
    uint32_t Scale() const { return FScale; }
    uint32_t Rate() const { return FRate; }

    // The first frame fixes the size, depth and palette; later frames are drawn onto a copy
    // of it at (0, 0), so each is written at the first frame's size.
    void WriteFrame(const TDib& frame);
    int FramesWritten() const { return static_cast<int>(FIndex.size()); }
    // Finishes the headers and the index and puts the file in place.
    void Close();

private:
    void Open();
    std::string FFileName;
    uint32_t FScale = 1;
    uint32_t FRate = 15;
    std::unique_ptr<TDib> FFrame;
    std::unique_ptr<TAtomicFile> FFile;
    std::vector<uint32_t> FIndex;  // each frame chunk's offset from "movi"
    uint32_t FFrameBytes = 0;
    uint64_t FHeaderBytes = 0;
};

// Cuts `frames` from `image` and writes them as one AVI, `intervalMs` per frame.
void WriteAnimationAvi(const TDib& image, const std::vector<TRect>& frames, int intervalMs,
                       const std::string& fileName);

// An AVI has one rate: its tick is the greatest common divisor of the delays, and each frame
// is written delay / tick times. Past kMaxAviFrames frames written, the tick is the delay
// most frames have (the shortest among equals) and each frame is written once.
inline constexpr int kMaxAviFrames = 10000;
struct TAviTiming {
    int TickMs = 0;
    std::vector<int> Repeats;
    bool OneDelay = false;
};
TAviTiming AviTiming(const TSheetFrames& frames);

inline constexpr TSourceText kMsgAviOneDelay =
    PIXMO_MSG("pixmo::Core", "Con i loro ritardi i fotogrammi sarebbero più di 10000: nell'AVI ognuno dura %1 ms");

// Each frame for its own delay as AviTiming says; returns kMsgAviOneDelay when it fell back
// to one delay, else empty.
TMessage WriteAnimationAvi(const TDib& image, const TSheetFrames& frames, const std::string& fileName);

}  // namespace pixmo
