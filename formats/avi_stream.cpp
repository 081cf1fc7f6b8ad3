#include "formats/avi_stream.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <numeric>

#include "formats/riff_builder.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/errors.h"
#include "image/file_io.h"
#include "image/packed_dib.h"

namespace pixmo {

namespace {

constexpr TSourceText kMsgAviNotCreated = PIXMO_MSG("pixmo::Core", "File %1 non può essere creato.");
constexpr const char* kMsgAviWrite = PIXMO_TRANSLATE_NOOP("pixmo::Core", "AviStreamWrite error");
constexpr uint32_t kAvifHasIndex = 0x10;
constexpr uint32_t kAviifKeyFrame = 0x10;
// The stream's name: the word for "video" in half-width katakana.
constexpr char kStreamName[] = "\xEF\xBE\x8B\xEF\xBE\x9E\xEF\xBE\x83\xEF\xBE\x9E\xEF\xBD\xB5";
constexpr size_t kStreamNameBytes = 64;
// RIFF sizes are 32-bit; players stop trusting files beyond 2 GB.
constexpr uint64_t kMaxFileBytes = uint64_t{INT32_MAX};

uint32_t ClampToPositive(uint64_t v) { return static_cast<uint32_t>(std::clamp<uint64_t>(v, 1, INT32_MAX)); }

int TableCount(int bitCount) { return bitCount <= 8 ? 1 << bitCount : 0; }

// The frame as a DIB of 1, 4 or 8 bits with a full colour table, or 24 bits without one.
TBitmapInfoHeader FrameHeader(const TDib& frame) {
    TBitmapInfoHeader h;
    h.Width = frame.Width();
    h.Height = frame.Height();
    h.BitCount = frame.PixelBytes() == 3 ? 24 : frame.BitCount();
    h.SizeImage = static_cast<uint32_t>(frame.ImageSize());
    h.ClrUsed = static_cast<uint32_t>(TableCount(h.BitCount));
    return h;
}

// Everything before the first frame chunk: the same length whatever the counts, so it is
// written once as a placeholder and again with the final values.
std::vector<uint8_t> BuildHeaders(const TDib& frame, uint32_t scale, uint32_t rate, uint32_t frames,
                                  uint32_t frameBytes, uint32_t moviBytes, uint32_t fileBytes) {
    const TBitmapInfoHeader info = FrameHeader(frame);
    const int colours = TableCount(info.BitCount);
    const uint32_t formatBytes = 40 + 4 * static_cast<uint32_t>(colours);
    TLEBuilder b;
    b.FourCC("RIFF");
    b.U32(fileBytes - 8);
    b.FourCC("AVI ");
    b.FourCC("LIST");
    const size_t hdrlSize = b.Size();
    b.U32(0);
    b.FourCC("hdrl");

    b.FourCC("avih");
    b.U32(56);
    b.U32(static_cast<uint32_t>(std::min<uint64_t>(uint64_t{1000000} * scale / rate, UINT32_MAX)));
    b.U32(static_cast<uint32_t>(std::min<uint64_t>(uint64_t{frameBytes} * rate / scale, UINT32_MAX)));
    b.U32(0);  // padding granularity
    b.U32(kAvifHasIndex);
    b.U32(frames);
    b.U32(0);  // initial frames
    b.U32(1);  // streams
    b.U32(frameBytes);
    b.U32(static_cast<uint32_t>(info.Width));
    b.U32(static_cast<uint32_t>(info.Height));
    b.Zeros(16);

    b.FourCC("LIST");
    const size_t strlSize = b.Size();
    b.U32(0);
    b.FourCC("strl");
    b.FourCC("strh");
    b.U32(56);
    b.FourCC("vids");
    b.FourCC("DIB ");
    b.U32(0);  // flags
    b.U16(0);  // priority
    b.U16(0);  // language
    b.U32(0);  // initial frames
    b.U32(scale);
    b.U32(rate);
    b.U32(0);  // start
    b.U32(frames);
    b.U32(0);           // suggested buffer size
    b.U32(UINT32_MAX);  // quality: the default
    b.U32(0);           // sample size
    b.U16(0);
    b.U16(0);
    b.U16(static_cast<uint16_t>(info.Width));
    b.U16(static_cast<uint16_t>(info.Height));

    b.FourCC("strf");
    b.U32(formatBytes);
    uint8_t header[40];
    WriteInfoHeader(header, info);
    b.Bytes(header);
    for (int i = 0; i < colours; ++i) b.U32(frame.ColorTable()[static_cast<size_t>(i)] & 0xFFFFFF);

    b.FourCC("strn");
    b.U32(kStreamNameBytes);
    b.Bytes({reinterpret_cast<const uint8_t*>(kStreamName), sizeof kStreamName - 1});
    b.Zeros(kStreamNameBytes - (sizeof kStreamName - 1));
    b.PatchU32(strlSize, static_cast<uint32_t>(b.Size() - strlSize - 4));
    b.PatchU32(hdrlSize, static_cast<uint32_t>(b.Size() - hdrlSize - 4));

    b.FourCC("LIST");
    b.U32(moviBytes + 4);
    b.FourCC("movi");
    return b.Data();
}

// Later frames land on the first frame's copy at (0, 0); on the same colour table the
// indices are copied as they are, so no entry is swapped for an equal colour.
void DrawOnto(TDib& target, const TDib& frame) {
    if (target.PixelBytes() == frame.PixelBytes() && target.ColorTable() == frame.ColorTable()) {
        const int w = std::min(target.Width(), frame.Width());
        const int h = std::min(target.Height(), frame.Height());
        const size_t bytes = static_cast<size_t>(w) * static_cast<size_t>(target.PixelBytes());
        for (int y = 0; y < h; ++y) std::memcpy(target.ScanLine(y), frame.ScanLine(y), bytes);
        return;
    }
    target.Canvas().CopyMode = TCopyMode::SrcCopy;
    target.Canvas().Draw(0, 0, frame);
}

}  // namespace

TAVIStream::TAVIStream(std::string fileName) : FFileName(std::move(fileName)) {}

TAVIStream::~TAVIStream() = default;

void TAVIStream::SetRate(int a, int b) {
    if (a <= 0 || b <= 0)
        throw EAvi(
            Msg(PIXMO_MSG("pixmo::Core", "TAVIStream.SetRate Il valore trasmesso non è valido: (%1, %2)"), a, b));
    FScale = static_cast<uint32_t>(b);
    FRate = ClampToPositive(uint64_t(a) * 1000);
}

void TAVIStream::Open() {
    try {
        FFile = std::make_unique<TAtomicFile>(FFileName);
    } catch (const EPixmoError&) {
        throw EAvi(Msg(kMsgAviNotCreated, FFileName));
    }
    FFrameBytes = static_cast<uint32_t>(FFrame->ImageSize());
    const std::vector<uint8_t> headers = BuildHeaders(*FFrame, FScale, FRate, 0, FFrameBytes, 0, 0);
    FHeaderBytes = headers.size();
    FFile->Write(headers);
}

void TAVIStream::WriteFrame(const TDib& frame) {
    if (!FFrame) {
        if (frame.Width() <= 0 || frame.Height() <= 0) throw EAvi(CoreMessage(kMsgAviWrite));
        FFrame = TDib::CreateClone(frame);
        Open();
    } else {
        DrawOnto(*FFrame, frame);
    }
    if (FFile->Size() + 8 + FFrameBytes + 16 * (FIndex.size() + 1) + 8 > kMaxFileBytes)
        throw EAvi(CoreMessage(kMsgAviWrite));
    // Index offsets count from the "movi" code.
    FIndex.push_back(static_cast<uint32_t>(FFile->Size() - (FHeaderBytes - 4)));
    std::vector<uint8_t> bits(FFrameBytes);
    PackPixels(*FFrame, bits.data());
    TLEBuilder chunk;
    chunk.FourCC("00db");
    chunk.U32(FFrameBytes);
    chunk.Bytes(bits);
    try {
        FFile->Write(chunk.Data());
    } catch (const EPixmoError& e) {
        throw EAvi(e.Message());
    }
}

void TAVIStream::Close() {
    if (!FFile) throw EAvi(Msg(kMsgAviNotCreated, FFileName));
    const uint32_t moviBytes = static_cast<uint32_t>(FFile->Size() - FHeaderBytes);
    TLEBuilder index;
    index.FourCC("idx1");
    index.U32(static_cast<uint32_t>(16 * FIndex.size()));
    for (uint32_t offset : FIndex) {
        index.FourCC("00db");
        index.U32(kAviifKeyFrame);
        index.U32(offset);
        index.U32(FFrameBytes);
    }
    try {
        FFile->Write(index.Data());
        const uint32_t frames = static_cast<uint32_t>(FIndex.size());
        FFile->WriteAt(0, BuildHeaders(*FFrame, FScale, FRate, frames, FFrameBytes + 8, moviBytes,
                                       static_cast<uint32_t>(FFile->Size())));
        FFile->Commit();
    } catch (const EPixmoError& e) {
        throw EAvi(e.Message());
    }
    FFile.reset();
}

void WriteAnimationAvi(const TDib& image, const std::vector<TRect>& frames, int intervalMs,
                       const std::string& fileName) {
    WriteAnimationAvi(image, FramesWithDelay(frames, intervalMs), fileName);
}

TAviTiming AviTiming(const TSheetFrames& frames) {
    TAviTiming timing;
    for (const TSheetFrame& f : frames) timing.TickMs = std::gcd(timing.TickMs, std::max(f.DelayMs, 1));
    int64_t written = 0;
    for (const TSheetFrame& f : frames) {
        timing.Repeats.push_back(std::max(f.DelayMs, 1) / timing.TickMs);
        written += timing.Repeats.back();
    }
    if (written <= kMaxAviFrames) return timing;
    std::map<int, int> counts;
    for (const TSheetFrame& f : frames) ++counts[f.DelayMs];
    timing.TickMs = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                        return a.second < b.second;
                    })->first;
    timing.Repeats.assign(frames.size(), 1);
    timing.OneDelay = true;
    return timing;
}

TMessage WriteAnimationAvi(const TDib& image, const TSheetFrames& frames, const std::string& fileName) {
    const TAviTiming timing = AviTiming(frames);
    TAVIStream stream(fileName);
    stream.SetRate(1, std::max(timing.TickMs, 1));
    // The frames keep the image's depth: a piece of an 8-bit image of few colours stays 8 bits.
    for (size_t n = 0; n < frames.size(); ++n) {
        const auto frame = TDib::CreateAtDepth(*TDib::CreateFromRect(image, frames[n].Rect), image.BitCount());
        for (int i = 0; i < timing.Repeats[n]; ++i) stream.WriteFrame(*frame);
    }
    stream.Close();
    return timing.OneDelay ? Msg(kMsgAviOneDelay, timing.TickMs) : TMessage{};
}

}  // namespace pixmo
