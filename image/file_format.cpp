#include "image/file_format.h"

#include <algorithm>

namespace pixmo {
namespace {

// The extension with its dot, lower-cased ASCII ("PICTURE.PNG" -> ".png"; none -> "").
std::string LowerExtension(const std::string& fileName) {
    const size_t slash = fileName.find_last_of('/');
    const size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string ext = fileName.substr(dot);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

// BMP first: it takes every name no other entry claims. PNG is named here so that a ".png"
// name is refused, not read as BMP, until the codec installs its entry.
std::vector<TFileFormat>& Formats() {
    static std::vector<TFileFormat> formats = {BmpFileFormat(), TFileFormat{"PNG", {".png"}}};
    return formats;
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

const TFileFormat& FormatForName(const std::string& fileName) {
    const std::string extension = LowerExtension(fileName);
    for (const TFileFormat& format : Formats())
        if (std::find(format.Extensions.begin(), format.Extensions.end(), extension) != format.Extensions.end())
            return format;
    return Formats().front();
}

}  // namespace pixmo
