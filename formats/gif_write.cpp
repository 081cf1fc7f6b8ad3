// Animated GIF through giflib: the image's own colour table (padded with black to a power of
// two), a NETSCAPE2.0 block that loops forever, and a graphics control block per frame with
// the delay and the transparent entry. Written into a file put in place only when finished.
#include <gif_lib.h>

#include <algorithm>
#include <exception>

#include "formats/animation_file.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_io.h"

namespace pixmo {

namespace {

struct TGifOutput {
    TAtomicFile* File = nullptr;
    std::exception_ptr Failure;  // giflib is C: our exceptions must not cross it
};

int WriteToFile(GifFileType* gif, const GifByteType* bytes, int count) {
    auto* out = static_cast<TGifOutput*>(gif->UserData);
    if (out->Failure) return 0;
    try {
        out->File->Write({bytes, static_cast<size_t>(count)});
        return count;
    } catch (...) {
        out->Failure = std::current_exception();
        return 0;
    }
}

struct TGifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};
struct TMapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// Delays are in hundredths of a second; the nearest one, and never 0, which players replace
// with a default of their own.
int Centiseconds(int intervalMs) { return std::clamp((intervalMs + 5) / 10, 1, 65535); }

}  // namespace

void WriteAnimationGif(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                       int transparentIndex) {
    if (image.IsTrueColor()) RaiseError(DepthRefused(image.BitCount()));
    TAtomicFile file(fileName);
    TGifOutput output{&file, nullptr};
    auto check = [&](int rc, int error) {
        if (output.Failure) std::rethrow_exception(output.Failure);
        if (rc == GIF_ERROR) {
            const char* reason = GifErrorString(error);
            RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Scrittura GIF fallita: %1"), reason ? reason : "?"));
        }
    };

    int colors = 2;
    while (colors < image.Colors()) colors *= 2;
    GifColorType table[256] = {};
    for (int i = 0; i < image.Colors(); ++i) {
        const uint32_t word = image.ColorTable()[static_cast<size_t>(i)];
        table[i] = GifColorType{static_cast<GifByteType>(word >> 16), static_cast<GifByteType>(word >> 8),
                                static_cast<GifByteType>(word)};
    }
    const std::unique_ptr<ColorMapObject, TMapFreer> map(GifMakeMapObject(colors, table));
    if (!map) throw std::bad_alloc();

    int error = 0;
    std::unique_ptr<GifFileType, TGifCloser> gif(EGifOpen(&output, &WriteToFile, &error));
    check(gif ? GIF_OK : GIF_ERROR, error);
    EGifSetGifVersion(gif.get(), true);

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;  // a transparent pixel shows no earlier frame
    control.UserInputFlag = false;
    control.TransparentColor = transparentIndex >= 0 && transparentIndex < image.Colors() ? transparentIndex
                                                                                         : NO_TRANSPARENT_COLOR;

    std::vector<GifPixelType> line;
    ForEachFrame(image, FrameRects(frames), [&](const TDib& frame, size_t n) {
        if (n == 0) {
            check(EGifPutScreenDesc(gif.get(), frame.Width(), frame.Height(), 8, 0, map.get()), gif->Error);
            static const GifByteType kLoopName[] = "NETSCAPE2.0";
            static const GifByteType kLoopForever[] = {1, 0, 0};
            check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), gif->Error);
            check(EGifPutExtensionBlock(gif.get(), 11, kLoopName), gif->Error);
            check(EGifPutExtensionBlock(gif.get(), 3, kLoopForever), gif->Error);
            check(EGifPutExtensionTrailer(gif.get()), gif->Error);
            line.resize(static_cast<size_t>(frame.Width()));
        }
        control.DelayTime = Centiseconds(frames[n].DelayMs);
        GifByteType controlBytes[4];
        EGifGCBToExtension(&control, controlBytes);
        check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, controlBytes), gif->Error);
        check(EGifPutImageDesc(gif.get(), 0, 0, frame.Width(), frame.Height(), false, nullptr), gif->Error);
        for (int y = 0; y < frame.Height(); ++y) {
            // giflib masks the line in place, so it gets a copy.
            std::copy_n(frame.ScanLine(y), line.size(), line.begin());
            check(EGifPutLine(gif.get(), line.data(), static_cast<int>(line.size())), gif->Error);
        }
    });
    check(EGifCloseFile(gif.release(), &error), error);
    file.Commit();
}

}  // namespace pixmo
