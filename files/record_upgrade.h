#pragma once
// Project files of the older versions and their upgrade to the current layout:
// "TALP 0.93" lacks the two basement values after the tag field, "TALP 0.92" also holds
// the pipe radius where the diameter belongs, and the first files have no tag field.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace talp {

enum class RecordVersion { Current, V093, V092, Untagged };

// The version of a file's content by the 9 characters at offsets 1..9 (the length byte
// at offset 0 is not looked at).
RecordVersion recordVersionOf(std::span<const std::uint8_t> content);
std::string_view versionName(RecordVersion version);

// The content in the current layout: an untagged file first receives a "TALP 0.92" tag
// field; a 0.92 file's pipe radius is doubled into the diameter; then the tag becomes
// "TALP 1.00" and the basement inside temperature 20.0 °C and wall U-value 0.8 W/(m²K)
// follow it. Current content comes back unchanged.
std::vector<std::uint8_t> upgradedContent(std::span<const std::uint8_t> content);

// Doubles a 10-byte extended value in place, exactly (the radius to the diameter).
void doubleExtendedInPlace(std::uint8_t* value);

}  // namespace talp
