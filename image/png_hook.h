#pragma once
// The PNG codec lives above the image model; it installs itself here so that the file
// constructors and SaveToFile can hand ".png" names to it without the image model
// depending on it. Until installed, ".png" names are refused with a clear message.
#include <memory>
#include <string>

namespace pixmo {

class TDib;

struct TPngHooks {
    // Loads a PNG file into a new image (bits 1, 4, 8 or 24).
    std::unique_ptr<TDib> (*Load)(const std::string& fileName) = nullptr;
    // Saves the image as PNG with compression mode 1.
    void (*Save)(const TDib& image, const std::string& fileName) = nullptr;
};

void InstallPngHooks(const TPngHooks& hooks);
const TPngHooks& PngHooks();

}  // namespace pixmo
