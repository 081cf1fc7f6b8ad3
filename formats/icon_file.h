#pragma once
// Icons: TDIIcon is one icon image, a colour bitmap and a 1-bit mask whose white (1) marks
// a transparent pixel; TIcons a list of them that reads and writes the ICO layout. Only the
// first image of a file is read. MakeIcon turns any palette image into a small icon.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "image/byte_source.h"
#include "image/color.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "image/translate_noop.h"

namespace pixmo {

inline constexpr const char* kMsgBadIcon = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Icona non valida.");
inline constexpr const char* kMsgIconDitherScreen =
    PIXMO_TRANSLATE_NOOP("pixmo::Core", "Un'icona non può ----- se lo schermo non è meno di 8 bit.");
inline constexpr const char* kMsgIconDither256 =
    PIXMO_TRANSLATE_NOOP("pixmo::Core", "256 Colori non possono ---- un icona.");

struct TDIIcon {
    std::unique_ptr<TDib> Color;
    std::unique_ptr<TMaskDib> Mask;
};

class TIcons {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TDIIcon& Item(int index) { return FItems.at(static_cast<size_t>(index)); }
    void Add(TDIIcon icon) { FItems.push_back(std::move(icon)); }

    // Reads the first image; "Icona non valida." for anything malformed or a cursor file,
    // "NAME: Icona non valida." when the file's name is given.
    void LoadFromSource(TByteSource& source, const std::string& fileName = {});
    void LoadFromFile(const std::string& fileName);
    std::vector<uint8_t> SaveToBytes() const;
    void SaveToFile(const std::string& fileName) const;

private:
    std::vector<TDIIcon> FItems;
};

// The first image as the editor opens it: its transparent pixels (mask or alpha channel) take
// the image's transparent entry, as a PNG's do; refusals as LoadFromSource's with the name.
std::unique_ptr<TDib> OpenIconPicture(TByteSource& source, const std::string& fileName);

// The platform's standard 16 colours, as table words.
std::span<const uint32_t, 16> StandardColors16();

// Stretches `source` to width × height. The colour image has 256 colours (the source's
// palette) or the standard 16; every pixel of the transparent colour is white in the mask
// and black in the colour image. `dither` is refused: our screens have more than 8 bits.
TDIIcon MakeIcon(const TDib& source, TColorRef transparent, int width, int height, bool colors256, bool dither,
                 int screenBits = 24);

// The transparent colour the options choose for `source`.
TColorRef IconTransparentColor(const TDib& source, const TIconOptions& options);
// A 32 × 32 icon of `source` alone in a file.
void SaveIconFile(const TDib& source, const std::string& fileName, const TIconOptions& options);

}  // namespace pixmo
