#pragma once
// Animations cut from one image, written in the form the file name asks for: "*.strip.png" a
// sprite strip (the frames side by side in one PNG), ".png" an APNG, ".gif" an animated GIF
// (giflib), ".avi" the AVI of avi_stream.h. Every frame is written at the size of the first,
// drawn over the one before at (0, 0), as the AVI writer draws them. Each file is written
// beside its target and put in place only when finished.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image/file_format.h"
#include "image/geometry.h"
#include "image/sheet_frames.h"
#include "image/errors.h"

namespace pixmo {

class TDib;

// The form a name asks for in the format table, or none.
std::optional<TAnimationFileForm> AnimationFormForName(const std::string& fileName);

// Writes `frames` of `image` in the form the name asks for, `intervalMs` (1..65535) each.
// `transparentIndex` is the colour entry that GIF and PNG forms leave transparent (-1: none).
// A name of no animation form raises kMsgNoAnimationForm.
void WriteAnimation(const TDib& image, const std::vector<TRect>& frames, int intervalMs,
                    const std::string& fileName, int transparentIndex = -1);

// The same with each frame's own delay (1..65535 ms). Returns what the user should be told
// about the file (an AVI that could not keep every delay), else empty.
TMessage WriteAnimationFrames(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                              int transparentIndex = -1);

void WriteAnimationGif(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                       int transparentIndex = -1);
void WriteAnimationApng(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                        int transparentIndex = -1);
// The strip also names its frames and delays in the frames chunk, so it opens as a sheet.
void WriteSpriteStrip(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                      int transparentIndex = -1);

inline constexpr TSourceText kMsgNoAnimationForm = PIXMO_MSG(
    "pixmo::Core", "Le animazioni si salvano in file \".avi\", \".gif\", \".png\" (APNG) o \".strip.png\": %1");

// --- shared by the writers ---

// Calls `take` with each frame in order at the first frame's size (see above), and its number.
// Raises when there is no frame or the first is empty.
void ForEachFrame(const TDib& image, const std::vector<TRect>& frames,
                  const std::function<void(const TDib& frame, size_t number)>& take);

// The image as a PNG file from our own writer; a palette image with a transparent entry gets
// a tRNS chunk that makes that entry alone transparent.
std::vector<uint8_t> PngFileBytes(const TDib& image, int transparentIndex);

}  // namespace pixmo
