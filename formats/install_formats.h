#pragma once
// Hooks the PNG codec into the image model's file constructors and SaveToFile, so that
// ".png" names load and save through TKPNGLE. Call once at program start.

namespace pixmo {

void InstallFormats();

}  // namespace pixmo
