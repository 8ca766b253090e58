#pragma once
// Base64 (RFC 4648, with padding): binary records inside text files such as the variant
// sets, which keep each variant's project record as text in JSON.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talp {

std::string base64Encode(std::span<const std::uint8_t> bytes);

// The bytes of a padded base64 text; none for any character outside the alphabet, a length
// that is no multiple of four, or padding anywhere but at the end.
std::optional<std::vector<std::uint8_t>> base64Decode(std::string_view text);

}  // namespace talp
