// GIF files through giflib, record by record (so that no frame is allocated before its size
// is checked): each frame is drawn on the logical screen and the screen taken after it, the
// frame's disposal method then applied — 2 clears its rectangle (to transparent when the
// frame has a transparent entry, else to the background colour), 3 restores what was
// under it. Before the first frame the screen is transparent when that frame has a
// transparent entry, else entry 0 of its table.
#include "formats/gif_read.h"

#include <gif_lib.h>

#include <algorithm>
#include <exception>

#include "formats/animation_sheet.h"
#include "formats/frames_chunk.h"
#include "image/bitmap_header.h"
#include "image/dib.h"
#include "image/errors.h"

namespace pixmo {

namespace {

struct TGifInput {
    TByteSource* Source = nullptr;
    uint64_t At = 0;
    std::exception_ptr Failure;  // giflib is C: our exceptions must not cross it
};

int ReadFromSource(GifFileType* gif, GifByteType* bytes, int count) {
    auto* in = static_cast<TGifInput*>(gif->UserData);
    if (in->Failure || count <= 0) return 0;
    try {
        const uint64_t left = in->Source->Size() > in->At ? in->Source->Size() - in->At : 0;
        const size_t n = static_cast<size_t>(std::min<uint64_t>(left, static_cast<uint64_t>(count)));
        if (n && !in->Source->ReadAt(in->At, bytes, n)) return 0;
        in->At += n;
        return static_cast<int>(n);
    } catch (...) {
        in->Failure = std::current_exception();
        return 0;
    }
}

struct TGifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

uint32_t Opaque(const ColorMapObject* map, int index) {
    if (!map || index < 0 || index >= map->ColorCount) return 0xFF000000u;
    const GifColorType& c = map->Colors[index];
    return 0xFF000000u | uint32_t{c.Red} << 16 | uint32_t{c.Green} << 8 | c.Blue;
}

// giflib keeps a copy of every frame's descriptor; only the decoded rows are ours.
struct TGifReader {
    GifFileType* Gif;
    TGifInput& Input;

    void Check(int rc) const {
        if (Input.Failure) std::rethrow_exception(Input.Failure);
        if (rc == GIF_ERROR) {
            const char* reason = GifErrorString(Gif->Error);
            RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Lettura GIF fallita: %1"), reason ? reason : "?"));
        }
    }
};

}  // namespace

std::unique_ptr<TDib> ReadGif(TByteSource& source) {
    TGifInput input{&source, 0, nullptr};
    int error = 0;
    std::unique_ptr<GifFileType, TGifCloser> gif(DGifOpen(&input, &ReadFromSource, &error));
    if (!gif) {
        if (input.Failure) std::rethrow_exception(input.Failure);
        const char* reason = GifErrorString(error);
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Lettura GIF fallita: %1"), reason ? reason : "?"));
    }
    const TGifReader reader{gif.get(), input};
    const int width = gif->SWidth, height = gif->SHeight;
    if (width < 1 || height < 1 || width > kMaxDibSide || height > kMaxDibSide)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "GIF di %1 x %2 pixel: i lati vanno da 1 a 8000"), width, height));
    // No more frames than the frames chunk of a saved sheet can give back.
    const size_t maxFrames = std::min(MaxSheetFrames(width, height), kMaxSheetFrames);
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);

    std::vector<TCanvasFrame> frames;
    std::vector<uint32_t> screen;
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    std::vector<GifPixelType> line;
    for (GifRecordType record = UNDEFINED_RECORD_TYPE; record != TERMINATE_RECORD_TYPE;) {
        reader.Check(DGifGetRecordType(gif.get(), &record));
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            reader.Check(DGifGetExtension(gif.get(), &code, &block));
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
                DGifExtensionToGCB(block[0], block + 1, &control);
            while (block) reader.Check(DGifGetExtensionNext(gif.get(), &block));
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE) continue;
        reader.Check(DGifGetImageDesc(gif.get()));
        const GifImageDesc& desc = gif->Image;
        if (desc.Left < 0 || desc.Top < 0 || desc.Width < 1 || desc.Height < 1 || desc.Left + desc.Width > width ||
            desc.Top + desc.Height > height)
            RaiseError(Msg(PIXMO_MSG("pixmo::Core", "GIF non valida: un fotogramma esce dallo schermo")));
        if (frames.size() >= maxFrames) RaiseError(CoreMessage(kMsgTooManyFrames));
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        const int clear = control.TransparentColor;
        if (frames.empty()) screen.assign(pixels, clear >= 0 ? 0u : Opaque(map, 0));
        const std::vector<uint32_t> under = control.DisposalMode == DISPOSE_PREVIOUS ? screen : std::vector<uint32_t>{};

        line.resize(static_cast<size_t>(desc.Width));
        auto drawRow = [&](int y) {
            reader.Check(DGifGetLine(gif.get(), line.data(), desc.Width));
            uint32_t* row = screen.data() + static_cast<size_t>(desc.Top + y) * static_cast<size_t>(width) + desc.Left;
            for (int x = 0; x < desc.Width; ++x)
                if (line[static_cast<size_t>(x)] != clear) row[x] = Opaque(map, line[static_cast<size_t>(x)]);
        };
        if (desc.Interlace) {
            static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = kStart[pass]; y < desc.Height; y += kStep[pass]) drawRow(y);
        } else {
            for (int y = 0; y < desc.Height; ++y) drawRow(y);
        }
        // Players take a delay of 0 as their own default, 100 ms.
        frames.push_back(TCanvasFrame{screen, control.DelayTime > 0 ? control.DelayTime * 10 : 100});

        if (control.DisposalMode == DISPOSE_BACKGROUND || control.DisposalMode == DISPOSE_PREVIOUS) {
            const uint32_t background = clear >= 0 ? 0u : Opaque(gif->SColorMap, gif->SBackGroundColor);
            for (int y = desc.Top; y < desc.Top + desc.Height; ++y) {
                const size_t at = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(desc.Left);
                if (control.DisposalMode == DISPOSE_PREVIOUS)
                    std::copy_n(under.begin() + static_cast<ptrdiff_t>(at), desc.Width, screen.begin() + static_cast<ptrdiff_t>(at));
                else
                    std::fill_n(screen.begin() + static_cast<ptrdiff_t>(at), desc.Width, background);
            }
        }
        control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    }
    if (frames.empty()) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "GIF senza immagini")));
    return BuildAnimationSheet(width, height, frames);
}

bool IsGifHead(std::span<const uint8_t> head) {
    return head.size() >= 6 && head[0] == 'G' && head[1] == 'I' && head[2] == 'F' && head[3] == '8' &&
           (head[4] == '7' || head[4] == '9') && head[5] == 'a';
}

}  // namespace pixmo
