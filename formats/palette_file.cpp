#include "formats/palette_file.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "image/byte_order.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "image/file_io.h"

namespace pixmo {

namespace {

constexpr TSourceText kMsgNotPaletteName =
    PIXMO_MSG("pixmo::Core", "Non è un nome di file di palette (.gpl, .pal, .hex, .act): %1");
constexpr size_t kMaxColors = 256;
// Generous for 256 named colours with comments; a larger file is no palette.
constexpr uint64_t kMaxPaletteFileBytes = uint64_t{1} << 20;
constexpr size_t kActColorBytes = 768;
constexpr uint16_t kRiffPaletteVersion = 0x0300;

// Parsing stops at the first fault; the message names the file and what is wrong.
class TPaletteParser {
public:
    explicit TPaletteParser(const std::string& fileName) : FFileName(fileName) {}

    [[noreturn]] void Fail(TSourceText reason) const { Fail(Msg(reason)); }
    [[noreturn]] void Fail(const TMessage& reason) const {
        if (FFileName.empty()) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "File di palette non valido: %1"), reason));
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "File di palette non valido: %1: %2"), FFileName, reason));
    }
    [[noreturn]] void FailLine(int line, TSourceText reason) const {
        Fail(Msg(PIXMO_MSG("pixmo::Core", "riga %1: %2"), line, Msg(reason)));
    }

    void Add(TPaletteFile& palette, int r, int g, int b) const {
        if (palette.Colors.size() == kMaxColors) Fail(PIXMO_MSG("pixmo::Core", "più di 256 colori"));
        palette.Colors.push_back((static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
                                 static_cast<uint32_t>(b));
    }
    void RequireColors(const TPaletteFile& palette) const {
        if (palette.Colors.empty()) Fail(PIXMO_MSG("pixmo::Core", "nessun colore"));
    }

private:
    std::string FFileName;
};

// Lines without their end ("\n" or "\r\n"), a UTF-8 byte-order mark dropped.
std::vector<std::string_view> SplitLines(std::span<const uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A decimal number 0..max at the start of `s` (after blanks), followed by a blank or the end;
// consumed from `s`.
bool TakeNumber(std::string_view& s, int max, int& value) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, value);
    if (ec != std::errc{} || ptr == s.data() || value < 0 || value > max) return false;
    if (ptr != end && !IsBlank(*ptr)) return false;
    s.remove_prefix(static_cast<size_t>(ptr - s.data()));
    return true;
}

bool TakeRgb(std::string_view& s, int rgb[3]) {
    return TakeNumber(s, 255, rgb[0]) && TakeNumber(s, 255, rgb[1]) && TakeNumber(s, 255, rgb[2]);
}

// GIMP: "GIMP Palette", then "Name:" and "Columns:" lines, "#" comments and "R G B name"
// lines, separated by spaces or tabs.
TPaletteFile ParseGpl(std::span<const uint8_t> bytes, const TPaletteParser& p) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.empty() || Trim(lines[0]) != "GIMP Palette")
        p.Fail(PIXMO_MSG("pixmo::Core", "manca l'intestazione \"GIMP Palette\""));
    TPaletteFile palette;
    for (size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        std::string_view line = Trim(lines[i]);
        if (line.empty() || line.starts_with('#') || line.starts_with("Name:")) continue;
        if (line.starts_with("Columns:")) {
            line.remove_prefix(8);
            int columns = 0;
            if (!TakeNumber(line, 256, columns) || !Trim(line).empty())
                p.FailLine(lineNo, PIXMO_MSG("pixmo::Core", "numero di colonne non valido"));
            continue;
        }
        int rgb[3];
        if (!TakeRgb(line, rgb)) p.FailLine(lineNo, PIXMO_MSG("pixmo::Core", "colore non valido"));
        p.Add(palette, rgb[0], rgb[1], rgb[2]);
    }
    p.RequireColors(palette);
    return palette;
}

// JASC: "JASC-PAL", "0100", the count, then exactly that many "R G B" lines.
TPaletteFile ParseJasc(std::span<const uint8_t> bytes, const TPaletteParser& p) {
    std::vector<std::string_view> lines = SplitLines(bytes);
    while (!lines.empty() && Trim(lines.back()).empty()) lines.pop_back();
    if (lines.empty() || Trim(lines[0]) != "JASC-PAL")
        p.Fail(PIXMO_MSG("pixmo::Core", "manca l'intestazione \"JASC-PAL\""));
    if (lines.size() < 3) p.Fail(PIXMO_MSG("pixmo::Core", "file troncato"));
    if (Trim(lines[1]) != "0100") p.Fail(PIXMO_MSG("pixmo::Core", "versione non supportata"));
    std::string_view countText = lines[2];
    int count = 0;
    if (!TakeNumber(countText, 1 << 16, count) || !Trim(countText).empty())
        p.FailLine(3, PIXMO_MSG("pixmo::Core", "numero di colori non valido"));
    if (count > static_cast<int>(kMaxColors)) p.Fail(PIXMO_MSG("pixmo::Core", "più di 256 colori"));
    if (count == 0) p.Fail(PIXMO_MSG("pixmo::Core", "nessun colore"));
    if (lines.size() - 3 < static_cast<size_t>(count)) p.Fail(PIXMO_MSG("pixmo::Core", "file troncato"));
    if (lines.size() - 3 > static_cast<size_t>(count))
        p.Fail(PIXMO_MSG("pixmo::Core", "più colori di quanti dichiarati"));
    TPaletteFile palette;
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines[3 + static_cast<size_t>(i)];
        int rgb[3];
        if (!TakeRgb(line, rgb) || !Trim(line).empty())
            p.FailLine(4 + i, PIXMO_MSG("pixmo::Core", "colore non valido"));
        p.Add(palette, rgb[0], rgb[1], rgb[2]);
    }
    return palette;
}

// RIFF "PAL ": chunks after the form type, the "data" chunk holding version 0x0300, the
// count and that many red, green, blue, flags entries.
TPaletteFile ParseRiff(std::span<const uint8_t> bytes, const TPaletteParser& p) {
    if (bytes.size() < 12 || std::string_view(reinterpret_cast<const char*>(bytes.data()) + 8, 4) != "PAL ")
        p.Fail(PIXMO_MSG("pixmo::Core", "non è una palette RIFF"));
    const uint64_t riffEnd = uint64_t{ReadLE32(bytes.data() + 4)} + 8;
    if (riffEnd > bytes.size()) p.Fail(PIXMO_MSG("pixmo::Core", "file troncato"));
    uint64_t at = 12;
    while (at + 8 <= riffEnd) {
        const uint8_t* head = bytes.data() + at;
        const uint64_t size = ReadLE32(head + 4);
        if (at + 8 + size > riffEnd) p.Fail(PIXMO_MSG("pixmo::Core", "file troncato"));
        if (std::string_view(reinterpret_cast<const char*>(head), 4) == "data") {
            if (size < 4) p.Fail(PIXMO_MSG("pixmo::Core", "file troncato"));
            if (ReadLE16(head + 8) != kRiffPaletteVersion) p.Fail(PIXMO_MSG("pixmo::Core", "versione non supportata"));
            const size_t count = ReadLE16(head + 10);
            if (count > kMaxColors) p.Fail(PIXMO_MSG("pixmo::Core", "più di 256 colori"));
            if (count == 0) p.Fail(PIXMO_MSG("pixmo::Core", "nessun colore"));
            if (4 + 4 * count > size) p.Fail(PIXMO_MSG("pixmo::Core", "file troncato"));
            TPaletteFile palette;
            for (size_t i = 0; i < count; ++i) {
                const uint8_t* e = head + 12 + 4 * i;
                p.Add(palette, e[0], e[1], e[2]);
            }
            return palette;
        }
        at += 8 + size + (size & 1);
    }
    p.Fail(PIXMO_MSG("pixmo::Core", "manca il blocco \"data\""));
}

// Lospec: one RRGGBB a line, "#" before it allowed.
TPaletteFile ParseHex(std::span<const uint8_t> bytes, const TPaletteParser& p) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    TPaletteFile palette;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = Trim(lines[i]);
        if (line.empty()) continue;
        if (line.starts_with('#')) line.remove_prefix(1);
        uint32_t word = 0;
        const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), word, 16);
        if (line.size() != 6 || ec != std::errc{} || ptr != line.data() + line.size())
            p.FailLine(static_cast<int>(i) + 1, PIXMO_MSG("pixmo::Core", "colore non valido (RRGGBB)"));
        p.Add(palette, static_cast<int>(word >> 16), static_cast<int>((word >> 8) & 0xFF), static_cast<int>(word & 0xFF));
    }
    p.RequireColors(palette);
    return palette;
}

// Adobe: 256 red, green, blue triples; 772 bytes carry a big-endian count and transparent
// index (0xFFFF for none) after them.
TPaletteFile ParseAct(std::span<const uint8_t> bytes, const TPaletteParser& p) {
    if (bytes.size() != kActColorBytes && bytes.size() != kActColorBytes + 4)
        p.Fail(Msg(PIXMO_MSG("pixmo::Core", "%1 byte invece di 768 o 772"), bytes.size()));
    size_t count = kMaxColors;
    int transparent = -1;
    if (bytes.size() == kActColorBytes + 4) {
        const uint8_t* tail = bytes.data() + kActColorBytes;
        count = static_cast<size_t>(tail[0] << 8 | tail[1]);
        const int index = tail[2] << 8 | tail[3];
        if (count == 0) p.Fail(PIXMO_MSG("pixmo::Core", "nessun colore"));
        if (count > kMaxColors) p.Fail(PIXMO_MSG("pixmo::Core", "più di 256 colori"));
        if (index != 0xFFFF) {
            if (index >= static_cast<int>(count)) p.Fail(PIXMO_MSG("pixmo::Core", "indice trasparente oltre i colori"));
            transparent = index;
        }
    }
    TPaletteFile palette;
    for (size_t i = 0; i < count; ++i) p.Add(palette, bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]);
    palette.TransparentIndex = transparent;
    return palette;
}

bool StartsWith(std::span<const uint8_t> bytes, std::string_view text) {
    return bytes.size() >= text.size() && std::equal(text.begin(), text.end(), bytes.begin());
}

void RequirePaletteName(TPaletteFileForm form, const std::string& fileName) {
    if (form == TPaletteFileForm::None) RaiseError(Msg(kMsgNotPaletteName, fileName));
}

uint8_t Red(uint32_t word) { return static_cast<uint8_t>(word >> 16); }
uint8_t Green(uint32_t word) { return static_cast<uint8_t>(word >> 8); }
uint8_t Blue(uint32_t word) { return static_cast<uint8_t>(word); }

std::vector<uint8_t> TextBytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string BaseName(const std::string& fileName) {
    const size_t slash = fileName.find_last_of('/');
    std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    const size_t dot = base.find_last_of('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

}  // namespace

bool IsPaletteFileName(const std::string& fileName) { return PaletteFormForName(fileName) != TPaletteFileForm::None; }

TPaletteFile ParsePaletteFile(std::span<const uint8_t> bytes, const std::string& fileName) {
    const TPaletteFileForm form = PaletteFormForName(fileName);
    RequirePaletteName(form, fileName);
    const TPaletteParser p(fileName);
    if (bytes.empty()) p.Fail(PIXMO_MSG("pixmo::Core", "file vuoto"));
    if (bytes.size() > kMaxPaletteFileBytes) p.Fail(PIXMO_MSG("pixmo::Core", "file troppo grande"));
    switch (form) {
        case TPaletteFileForm::Gpl:
            return ParseGpl(bytes, p);
        case TPaletteFileForm::Pal:
            if (StartsWith(bytes, "RIFF")) return ParseRiff(bytes, p);
            if (StartsWith(bytes, "JASC-PAL")) return ParseJasc(bytes, p);
            p.Fail(PIXMO_MSG("pixmo::Core", "né JASC-PAL né RIFF"));
        case TPaletteFileForm::Hex:
            return ParseHex(bytes, p);
        case TPaletteFileForm::Act:
            return ParseAct(bytes, p);
        case TPaletteFileForm::None:
            break;
    }
    p.Fail(PIXMO_MSG("pixmo::Core", "formato sconosciuto"));
}

TPaletteFile ReadPaletteSource(TByteSource& source, const std::string& fileName) {
    RequirePaletteName(PaletteFormForName(fileName), fileName);
    if (source.Size() > kMaxPaletteFileBytes)
        TPaletteParser(fileName).Fail(PIXMO_MSG("pixmo::Core", "file troppo grande"));
    std::vector<uint8_t> bytes(static_cast<size_t>(source.Size()));
    if (!source.ReadAt(0, bytes.data(), bytes.size()))
        TPaletteParser(fileName).Fail(PIXMO_MSG("pixmo::Core", "file troncato"));
    return ParsePaletteFile(bytes, fileName);
}

TPaletteFile ReadPaletteFile(const std::string& fileName) {
    RequirePaletteName(PaletteFormForName(fileName), fileName);
    TFileSource file(fileName);
    return ReadPaletteSource(file, fileName);
}

std::vector<uint8_t> BuildPaletteFile(std::span<const uint32_t> colors, const std::string& fileName,
                                      int transparentIndex) {
    const TPaletteFileForm form = PaletteFormForName(fileName);
    RequirePaletteName(form, fileName);
    if (colors.empty()) TPaletteParser(fileName).Fail(PIXMO_MSG("pixmo::Core", "nessun colore"));
    if (colors.size() > kMaxColors) TPaletteParser(fileName).Fail(PIXMO_MSG("pixmo::Core", "più di 256 colori"));
    std::string text;
    switch (form) {
        case TPaletteFileForm::Gpl:
            text = "GIMP Palette\nName: " + BaseName(fileName) + "\nColumns: 16\n#\n";
            for (size_t i = 0; i < colors.size(); ++i)
                text += Format("%3d %3d %3d\tColore %zu\n", Red(colors[i]), Green(colors[i]), Blue(colors[i]), i);
            return TextBytes(text);
        case TPaletteFileForm::Pal:
            text = Format("JASC-PAL\r\n0100\r\n%zu\r\n", colors.size());
            for (uint32_t c : colors) text += Format("%d %d %d\r\n", Red(c), Green(c), Blue(c));
            return TextBytes(text);
        case TPaletteFileForm::Hex:
            for (uint32_t c : colors) text += Format("%06x\n", c & 0xFFFFFF);
            return TextBytes(text);
        case TPaletteFileForm::Act: {
            std::vector<uint8_t> act(kActColorBytes + 4, 0);
            for (size_t i = 0; i < colors.size(); ++i) {
                act[3 * i] = Red(colors[i]);
                act[3 * i + 1] = Green(colors[i]);
                act[3 * i + 2] = Blue(colors[i]);
            }
            const uint16_t transparent =
                transparentIndex >= 0 && static_cast<size_t>(transparentIndex) < colors.size() ? static_cast<uint16_t>(transparentIndex) : 0xFFFF;
            act[kActColorBytes] = static_cast<uint8_t>(colors.size() >> 8);
            act[kActColorBytes + 1] = static_cast<uint8_t>(colors.size());
            act[kActColorBytes + 2] = static_cast<uint8_t>(transparent >> 8);
            act[kActColorBytes + 3] = static_cast<uint8_t>(transparent);
            return act;
        }
        case TPaletteFileForm::None:
            break;
    }
    return {};
}

void WritePaletteFile(std::span<const uint32_t> colors, const std::string& fileName, int transparentIndex) {
    WriteFileAtomically(fileName, BuildPaletteFile(colors, fileName, transparentIndex));
}

std::unique_ptr<TDib> CreatePaletteDib(const TPaletteFile& palette) {
    const int count = static_cast<int>(palette.Colors.size());
    TBitmapInfoHeader header;
    header.Width = count;
    header.Height = 1;
    header.BitCount = static_cast<uint16_t>(DepthForColors(count));
    header.ClrUsed = static_cast<uint32_t>(count);
    auto image = TDib::CreateFromInfo(header, palette.Colors, nullptr, 0);
    for (int x = 0; x < count; ++x) image->SetPixel(x, 0, static_cast<uint8_t>(x));
    if (palette.TransparentIndex >= 0 && palette.TransparentIndex < count) {
        std::vector<uint8_t> alphas(static_cast<size_t>(palette.TransparentIndex) + 1, 255);
        alphas.back() = 0;
        image->SetAlphas(alphas);
    }
    return image;
}

}  // namespace pixmo
