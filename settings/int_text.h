#pragma once
// Integers as the settings file writes them: decimal, an optional sign, 32 bits.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pixmo {

// Nothing for empty text, other characters, or a value outside 32 bits.
std::optional<int32_t> ParseInt32(std::string_view text);

// Scans an integer array: every character that is neither a digit nor "-" separates, each
// run of digits and "-" is one number (0 when it does not parse), and the values that the
// text lacks at the end become 0. Numbers beyond the count are ignored.
void ScanIntArray(std::string_view text, std::span<int32_t> values);

}  // namespace pixmo
