#pragma once
// Enters the formats of this layer in the format table, so that ".png" names load and save
// through TKPNGLE. Call once at program start.

namespace pixmo {

void InstallFormats();

}  // namespace pixmo
