#include "cli/convert_tool.h"

#include <exception>
#include <ostream>

#include "image/dib.h"
#include "image/errors.h"

namespace pixmo {
namespace {

constexpr const char* kUsage =
    "Uso: pixmo3-convert IN OUT\n"
    "       pixmo3-convert --info IN\n"
    "       pixmo3-convert --help\n"
    "\n"
    "Legge IN e lo scrive in OUT; il formato segue l'estensione (\".png\" PNG, ogni altra BMP).\n"
    "--info stampa LARGHEZZAxALTEZZA BIT COLORI (COLORI 0 per 24 bit).\n";

// Some of the image model's refusals carry an empty message; say at least which file.
void ReportFailure(std::ostream& err, const std::string& fileName, const std::string& message) {
    if (message.empty())
        err << "pixmo3-convert: " << fileName << ": errore\n";
    else
        err << message << '\n';
}

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    const bool info = args.size() == 2 && args[0] == "--info";
    const bool convert = args.size() == 2 && !info && !args[0].starts_with("-") && !args[1].starts_with("-");
    if (!info && !convert) {
        err << kUsage;
        return 2;
    }
    const std::string& in = args[info ? 1 : 0];
    std::string current = in;
    try {
        auto image = TDib::CreateFromFile(in);
        if (info) {
            out << image->Width() << 'x' << image->Height() << ' ' << int{image->BitCount()} << ' '
                << image->Colors() << '\n';
            return 0;
        }
        current = args[1];
        image->SaveToFile(args[1]);
        return 0;
    } catch (const EAbort&) {
        ReportFailure(err, current, "");
    } catch (const std::exception& e) {
        ReportFailure(err, current, e.what());
    }
    return 1;
}

}  // namespace pixmo
