#include "image/file_format.h"

#include <algorithm>

#include "image/translate_noop.h"

namespace pixmo {
namespace {

// The labels are source texts: the file dialog shows them through the catalogues.
constexpr char kAllFilesLabel[] = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Tutti i File (*.*)");
constexpr char kImageFiles[] = PIXMO_TRANSLATE_NOOP("pixmo::Core", "File Immagine");

// Whether the name ends in `extension` (lower-case), compared lower-cased ASCII; with
// `needsStem`, a name must stand before it.
bool NameHasExtension(const std::string& fileName, const std::string& extension, bool needsStem = false) {
    if (fileName.size() < extension.size()) return false;
    const size_t at = fileName.size() - extension.size();
    for (size_t i = 0; i < extension.size(); ++i) {
        char c = fileName[at + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != extension[i]) return false;
    }
    return !needsStem || (at > 0 && fileName[at - 1] != '/');
}

std::string AllFiles() { return std::string(kAllFilesLabel) + "|*.*"; }

TFileFormat Entry(const char* name, std::vector<std::string> extensions, unsigned caps, const char* label, int form = 0,
                  int side = 0) {
    TFileFormat format{name, std::move(extensions)};
    format.Caps = caps;
    format.Label = label;
    format.Form = form;
    format.Side = side;
    return format;
}

// BMP first: it takes every name no other entry claims. The other entries are named here so
// that their names are refused, not read as BMP, until their codecs are installed.
std::vector<TFileFormat>& Formats() {
    using P = TPaletteFileForm;
    using A = TAnimationFileForm;
    static std::vector<TFileFormat> formats = {
        BmpFileFormat(),
        Entry("PNG", {".png"}, kFormatStill, PIXMO_TRANSLATE_NOOP("pixmo::Core", "File PNG (*.png)")),
        Entry("ICO", {".ico"}, kFormatStill | kFormatOptions, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Icona (*.ico)"), 0,
              32),
        Entry("GPL", {".gpl"}, kFormatPalette, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette GIMP (*.gpl)"),
              int(P::Gpl)),
        Entry("PAL", {".pal"}, kFormatPalette, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette JASC (*.pal)"),
              int(P::Pal)),
        Entry("HEX", {".hex"}, kFormatPalette, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette Lospec (*.hex)"),
              int(P::Hex)),
        Entry("ACT", {".act"}, kFormatPalette, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette Adobe (*.act)"),
              int(P::Act)),
        Entry("AVI", {".avi"}, kFormatAnimation, PIXMO_TRANSLATE_NOOP("pixmo::Core", "File AVI"), int(A::Avi)),
        Entry("GIF", {".gif"}, kFormatAnimation | kFormatStill, PIXMO_TRANSLATE_NOOP("pixmo::Core", "GIF animata"),
              int(A::Gif)),
        Entry("APNG", {".png"}, kFormatAnimation, PIXMO_TRANSLATE_NOOP("pixmo::Core", "PNG animata (APNG)"),
              int(A::Apng)),
        Entry("Strip", {".strip.png"}, kFormatAnimation, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Striscia di fotogrammi"),
              int(A::Strip)),
    };
    return formats;
}

// Among the entries `take` accepts, the one whose extension the name ends in, the longest
// extension winning.
template <typename Take>
const TFileFormat* Match(const std::string& fileName, Take take, bool needsStem = false) {
    const TFileFormat* best = nullptr;
    size_t bestLength = 0;
    for (const TFileFormat& format : Formats()) {
        if (!take(format)) continue;
        for (const std::string& extension : format.Extensions)
            if (extension.size() > bestLength && NameHasExtension(fileName, extension, needsStem)) {
                best = &format;
                bestLength = extension.size();
            }
    }
    return best;
}

std::string Patterns(const TFileFormat& format) { return "*" + format.Extensions.front(); }

template <typename Take>
std::vector<const TFileFormat*> Select(Take take) {
    std::vector<const TFileFormat*> rows;
    for (const TFileFormat& format : Formats())
        if (take(format)) rows.push_back(&format);
    return rows;
}

auto With(unsigned caps, unsigned without = 0) {
    return [=](const TFileFormat& f) { return (f.Caps & caps) == caps && (f.Caps & without) == 0; };
}

// Each entry its own line.
std::string Lines(const std::vector<const TFileFormat*>& rows) {
    std::string filter;
    for (const TFileFormat* f : rows) filter += f->Label + "|" + Patterns(*f) + "|";
    return filter;
}

// All entries in one line; with `listed`, the label names the patterns.
std::string Together(const std::string& label, const std::vector<const TFileFormat*>& rows, bool listed) {
    std::string patterns;
    for (const TFileFormat* f : rows) patterns += (patterns.empty() ? "" : ";") + Patterns(*f);
    return (listed ? label + " (" + patterns + ")" : label) + "|" + patterns + "|";
}

}  // namespace

void RegisterFormat(const TFileFormat& format) {
    auto& formats = Formats();
    auto it = std::find_if(formats.begin(), formats.end(), [&](const TFileFormat& f) { return f.Name == format.Name; });
    if (it != formats.end())
        *it = format;
    else
        formats.push_back(format);
}

const TFileFormat* FindFormat(const std::string& name) {
    for (const TFileFormat& format : Formats())
        if (format.Name == name) return &format;
    return nullptr;
}

const TFileFormat& FormatForName(const std::string& fileName) {
    const TFileFormat* format =
        Match(fileName, [](const TFileFormat& f) { return (f.Caps & kFormatStill) || (f.Caps & kFormatAnimation) == 0; });
    return format ? *format : Formats().front();
}

TPaletteFileForm PaletteFormForName(const std::string& fileName) {
    const TFileFormat* format = Match(fileName, With(kFormatPalette), true);
    return format ? static_cast<TPaletteFileForm>(format->Form) : TPaletteFileForm::None;
}

const TFileFormat* AnimationFormatForName(const std::string& fileName) {
    return Match(fileName, With(kFormatAnimation));
}

std::string ImageFileFilter() {
    const auto rows = Select(With(kFormatStill));
    return Together(kImageFiles, rows, false) + Lines(rows) + AllFiles();
}

std::string SelectionFileFilter() {
    const auto rows = Select(With(kFormatStill, kFormatOptions));
    return Together(kImageFiles, rows, false) + Lines(rows) + AllFiles();
}

std::string PaletteFileFilter() { return Lines(Select(With(kFormatPalette))) + AllFiles(); }

std::string PaletteSourceFilter() {
    const auto bitmaps = Select([](const TFileFormat& f) { return f.Name == "BMP"; });
    return Together(PIXMO_TRANSLATE_NOOP("pixmo::Core", "Bitmap"), bitmaps, true) +
           Together(PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette"), Select(With(kFormatPalette)), true) + AllFiles();
}

std::string AnimationFileFilter() { return Lines(Select(With(kFormatAnimation))) + AllFiles(); }

}  // namespace pixmo
