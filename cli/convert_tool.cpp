#include "cli/convert_tool.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <functional>
#include <optional>
#include <ostream>

#include <QCoreApplication>

#include "edit/pixel_ops.h"
#include "edit/transform.h"
#include "formats/animation_file.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "image/errors.h"
#include "translations/core_text.h"

namespace pixmo {
namespace {

constexpr const char* kContext = "pixmo::Convert";

// The usage: the forms of the command, then what each does, one catalogue entry apiece.
constexpr const char* kUsage[] = {
    QT_TRANSLATE_NOOP("pixmo::Convert",
                      "Uso: pixmo3-convert IN OUT\n"
                      "       pixmo3-convert --png fast|normal|max ... IN OUT\n"
                      "       pixmo3-convert --stretch W H [--smooth] IN OUT\n"
                      "       pixmo3-convert --rotate DEG [--smooth] IN OUT\n"
                      "       pixmo3-convert --palette PAL IN OUT\n"
                      "       pixmo3-convert --cells W H [--delay MS] IN OUT\n"
                      "       pixmo3-convert --info IN\n"
                      "       pixmo3-convert --help"),
    QT_TRANSLATE_NOOP("pixmo::Convert",
                      "Legge IN e lo scrive in OUT; il formato segue l'estensione (\".png\" PNG, ogni altra BMP).\n"
                      "Una GIF o un PNG animati si leggono come un'immagine dei fotogrammi affiancati; un PNG\n"
                      "scritto conserva fotogrammi e ritardi dell'immagine."),
    QT_TRANSLATE_NOOP("pixmo::Convert",
                      "--stretch porta l'immagine a W x H; --rotate la ruota di DEG gradi (da -360 a 360),\n"
                      "gli angoli scoperti col colore 0. --smooth leviga i bordi. Solo immagini con tavolozza."),
    QT_TRANSLATE_NOOP("pixmo::Convert",
                      "OUT \".ico\" scrive un'icona 32 x 32 a 16 colori, trasparente il colore 1.\n"
                      "OUT \".gpl\", \".pal\", \".hex\" o \".act\" scrive la tavolozza dell'immagine."),
    QT_TRANSLATE_NOOP("pixmo::Convert",
                      "--cells taglia IN in celle W x H, da sinistra a destra e dall'alto in basso, e le scrive\n"
                      "come fotogrammi di un'animazione, MS millisecondi ciascuno (da 1 a 5000, 500 se omesso):\n"
                      "OUT \".avi\" un video AVI, \".gif\" una GIF animata, \".strip.png\" i fotogrammi affiancati\n"
                      "in un solo PNG che li nomina coi loro ritardi, ogni altro \".png\" un PNG animato (APNG)."),
    QT_TRANSLATE_NOOP("pixmo::Convert",
                      "--palette porta IN sui colori di PAL (\".gpl\", \".pal\", \".hex\", \".act\" o un'immagine):\n"
                      "i colori presenti restano, gli altri prendono il colore più vicino."),
    QT_TRANSLATE_NOOP("pixmo::Convert", "--info stampa LARGHEZZAxALTEZZA BIT COLORI (COLORI 0 per 24 bit)."),
    QT_TRANSLATE_NOOP("pixmo::Convert",
                      "--png sceglie la compressione dei PNG scritti: fast (veloce), normal (se omesso) o max\n"
                      "(il file più piccolo, più lenta); tavolozza e pixel restano gli stessi."),
};

constexpr const char* kMsgAngleRange =
    QT_TRANSLATE_NOOP("pixmo::Convert", "pixmo3-convert: l'angolo deve essere tra -360 e 360");
constexpr const char* kMsgDelayRange =
    QT_TRANSLATE_NOOP("pixmo::Convert", "pixmo3-convert: il ritardo deve essere tra 1 e 5000 ms");
constexpr const char* kMsgNoCell =
    QT_TRANSLATE_NOOP("pixmo::Convert", "pixmo3-convert: l'immagine non contiene nessuna cella intera");
constexpr const char* kMsgAnimationType = QT_TRANSLATE_NOOP(
    "pixmo::Convert", "pixmo3-convert: le animazioni si scrivono in file \".avi\", \".gif\", \".png\" o \".strip.png\"");
constexpr const char* kMsgFailed = QT_TRANSLATE_NOOP("pixmo::Convert", "pixmo3-convert: %1: errore");
constexpr int kDefaultDelay = 500;

// A text of the converter in the reader's language, as the streams take it.
std::string Tr(const char* text) { return QCoreApplication::translate(kContext, text).toStdString(); }

std::string Usage() {
    std::string usage = Tr(kUsage[0]) + "\n\n";
    for (size_t i = 1; i < std::size(kUsage); ++i) usage += Tr(kUsage[i]) + '\n';
    return usage;
}

bool StartsWithDash(const std::string& arg) { return arg.starts_with("-"); }

// Takes "--png LEVEL" out of the arguments; false for a level it does not know.
bool TakePngLevel(std::vector<std::string>& args, TSaveOptions& options) {
    const auto at = std::find(args.begin(), args.end(), "--png");
    if (at == args.end()) return true;
    if (at + 1 == args.end()) return false;
    const std::string& level = *(at + 1);
    if (level == "fast") options.Png = TPngLevel::Fast;
    else if (level == "normal") options.Png = TPngLevel::Normal;
    else if (level == "max") options.Png = TPngLevel::Max;
    else return false;
    args.erase(at, at + 2);
    return true;
}

// A whole decimal integer, nothing else.
std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end || text.empty()) return std::nullopt;
    return value;
}

// --stretch W H [--smooth] IN OUT or --rotate DEG [--smooth] IN OUT.
struct TTransformArgs {
    bool Rotate = false, Smooth = false;
    int A = 0, B = 0;  // width and height, or the angle
    std::string In, Out;
};

std::optional<TTransformArgs> ParseTransform(const std::vector<std::string>& args) {
    if (args.empty() || (args[0] != "--stretch" && args[0] != "--rotate")) return std::nullopt;
    TTransformArgs t;
    t.Rotate = args[0] == "--rotate";
    const size_t numbers = t.Rotate ? 1 : 2;
    size_t next = 1 + numbers;
    if (args.size() > next && args[next] == "--smooth") {
        t.Smooth = true;
        ++next;
    }
    if (args.size() != next + 2 || args[next].starts_with("-") || args[next + 1].starts_with("-")) return std::nullopt;
    const auto a = ParseInt(args[1]);
    const auto b = t.Rotate ? std::optional<int>(0) : ParseInt(args[2]);
    if (!a || !b) return std::nullopt;
    t.A = *a;
    t.B = *b;
    t.In = args[next];
    t.Out = args[next + 1];
    return t;
}

void ReportFailure(std::ostream& err, const std::string& fileName, const std::string& message);

// Runs one conversion: 0 when done, 1 with the failure reported against `current`, the file
// being read or written when it failed.
int Reported(std::ostream& err, const std::string& current, const std::function<void()>& work) {
    try {
        work();
        return 0;
    } catch (const EAbort&) {
        ReportFailure(err, current, "");
    } catch (const std::exception& e) {
        ReportFailure(err, current, ErrorTextBytes(e));
    }
    return 1;
}

// --cells W H [--delay MS] IN OUT.
struct TCellArgs {
    int Width = 0, Height = 0, Delay = kDefaultDelay;
    std::string In, Out;
};

std::optional<TCellArgs> ParseCells(const std::vector<std::string>& args) {
    if (args.size() < 5 || args[0] != "--cells") return std::nullopt;
    TCellArgs c;
    size_t next = 3;
    if (args[next] == "--delay") {
        if (args.size() < next + 2) return std::nullopt;
        const auto delay = ParseInt(args[next + 1]);
        if (!delay) return std::nullopt;
        c.Delay = *delay;
        next += 2;
    }
    const auto w = ParseInt(args[1]);
    const auto h = ParseInt(args[2]);
    if (!w || !h || *w < 1 || *h < 1 || args.size() != next + 2) return std::nullopt;
    if (args[next].starts_with("-") || args[next + 1].starts_with("-")) return std::nullopt;
    c.Width = *w;
    c.Height = *h;
    c.In = args[next];
    c.Out = args[next + 1];
    return c;
}

// Whole cells only, row by row.
std::vector<TRect> CutCells(const TDib& image, int width, int height) {
    std::vector<TRect> cells;
    for (int y = 0; y + height <= image.Height(); y += height)
        for (int x = 0; x + width <= image.Width(); x += width) cells.push_back(TRect{x, y, x + width, y + height});
    return cells;
}

int RunCells(const TCellArgs& c, std::ostream& err) {
    if (c.Delay < 1 || c.Delay > 5000) {
        err << Tr(kMsgDelayRange) << '\n';
        return 1;
    }
    if (!AnimationFormForName(c.Out)) {
        err << Tr(kMsgAnimationType) << '\n';
        return 1;
    }
    std::string current = c.In;
    return Reported(err, current, [&] {
        const auto image = OpenImageFile(c.In);
        const std::vector<TRect> cells = CutCells(*image, c.Width, c.Height);
        if (cells.empty()) RaiseError(TMessage{kContext, kMsgNoCell, {}, {}});
        current = c.Out;
        WriteAnimation(*image, cells, c.Delay, c.Out, image->TransparentEntry());
    });
}

// --palette PAL IN OUT: IN drawn onto PAL's colour table, as the colour-count panel does.
int RunPalette(const std::vector<std::string>& args, const TSaveOptions& options, std::ostream& err) {
    const std::string& paletteName = args[1];
    const std::string& in = args[2];
    const std::string& outName = args[3];
    std::string current = paletteName;
    return Reported(err, current, [&] {
        const auto palette = TDib::CreateFromFile(paletteName);
        if (palette->Colors() == 0) RaiseError(DepthRefused(palette->BitCount()));
        current = in;
        const auto image = TDib::CreateFromFile(in);
        const auto result = TDib::CreateOnPalette(*image, *palette);
        current = outName;
        result->SaveToFile(outName, options);
    });
}

// The whole image as the piece, as the commands take it with nothing selected; the
// uncovered corners of a rotation take entry 0, a new document's secondary colour.
std::unique_ptr<TDib> Transform(const TDib& image, const TTransformArgs& t) {
    auto mask = TMaskDib::CreateSize(image.GetSize());
    FillAll(*mask, 1);
    TNoProgress progress;
    TTransformResult result = t.Rotate ? RotatePiece(image, *mask, t.A, t.Smooth, image.GetColor(0), progress)
                                       : StretchPiece(image, *mask, t.Smooth, TPoint{t.A, t.B}, progress);
    if (!result.Image) RaiseError("");  // a whole image always keeps its top-left pixel
    return std::move(result.Image);
}

// Some of the image model's refusals carry an empty message; say at least which file.
void ReportFailure(std::ostream& err, const std::string& fileName, const std::string& message) {
    if (message.empty())
        err << FillPlaceholders(Tr(kMsgFailed), {fileName});
    else
        err << message;
    err << '\n';
}

}  // namespace

int RunConvert(const std::vector<std::string>& given, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = given;
    TSaveOptions options;
    if (!TakePngLevel(args, options)) {
        err << Usage();
        return 2;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << Usage();
        return 0;
    }
    if (const auto cells = ParseCells(args)) return RunCells(*cells, err);
    if (args.size() == 4 && args[0] == "--palette" && std::none_of(args.begin() + 1, args.end(), StartsWithDash))
        return RunPalette(args, options, err);
    if (const auto transform = ParseTransform(args)) {
        if (transform->Rotate && (transform->A < -360 || transform->A > 360)) {
            err << Tr(kMsgAngleRange) << '\n';
            return 1;
        }
        std::string current = transform->In;
        return Reported(err, current, [&] {
            const auto image = OpenImageFile(transform->In);
            if (image->IsTrueColor()) RaiseError(DepthRefused(image->BitCount()));
            const auto result = Transform(*image, *transform);
            current = transform->Out;
            result->SaveToFile(transform->Out, options);
        });
    }
    const bool info = args.size() == 2 && args[0] == "--info";
    const bool convert = args.size() == 2 && !info && !args[0].starts_with("-") && !args[1].starts_with("-");
    if (!info && !convert) {
        err << Usage();
        return 2;
    }
    const std::string& in = args[info ? 1 : 0];
    std::string current = in;
    return Reported(err, current, [&] {
        // --info tells what the file holds; a conversion takes it as the editor opens it.
        auto image = info ? TDib::CreateFromFile(in) : OpenImageFile(in);
        if (info) {
            out << image->Width() << 'x' << image->Height() << ' ' << int{image->BitCount()} << ' '
                << image->Colors() << '\n';
            return;
        }
        current = args[1];
        image->SaveToFile(args[1], options);
    });
}

}  // namespace pixmo
