#include "files/record_upgrade.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "files/extended_real.h"

namespace talp {

namespace {

constexpr std::size_t kTagFieldSize = 24;
// The pipe-diameter field of the 0.92 layout: tag field, pipe count (4), pipe length (10).
constexpr std::size_t kRadiusOffset = kTagFieldSize + 14;

bool tagIs(std::span<const std::uint8_t> content, std::string_view tag)
{
    return content.size() >= 1 + tag.size() && std::equal(tag.begin(), tag.end(), content.begin() + 1);
}

void putTag(std::vector<std::uint8_t>& field, std::string_view tag)
{
    field[0] = static_cast<std::uint8_t>(tag.size());
    std::copy(tag.begin(), tag.end(), field.begin() + 1);
}

}  // namespace

RecordVersion recordVersionOf(std::span<const std::uint8_t> content)
{
    if (tagIs(content, "TALP 1.00")) return RecordVersion::Current;
    if (tagIs(content, "TALP 0.93")) return RecordVersion::V093;
    if (tagIs(content, "TALP 0.92")) return RecordVersion::V092;
    return RecordVersion::Untagged;
}

std::string_view versionName(RecordVersion version)
{
    switch (version) {
    case RecordVersion::Current: return "TALP 1.00";
    case RecordVersion::V093: return "TALP 0.93";
    case RecordVersion::V092: return "TALP 0.92";
    case RecordVersion::Untagged: return "";
    }
    return "";
}

void doubleExtendedInPlace(std::uint8_t* v)
{
    const unsigned top = static_cast<unsigned>(v[8]) | (static_cast<unsigned>(v[9]) << 8);
    const unsigned sign = top & 0x8000u;
    unsigned exponent = top & 0x7FFFu;
    if (exponent == 0x7FFF) return;  // infinity and NaN stay as they are
    if (exponent == 0) {
        // Zero or denormal: the mantissa moves up one place; a carry into the integer bit
        // makes it the smallest normal exponent.
        std::uint64_t mantissa = 0;
        for (int i = 0; i < 8; ++i) mantissa |= static_cast<std::uint64_t>(v[i]) << (8 * i);
        if (mantissa & 0x8000000000000000ULL) {
            exponent = 2;  // a pseudo-denormal is scaled like exponent 1
        } else {
            mantissa <<= 1;
            if (mantissa & 0x8000000000000000ULL) exponent = 1;
        }
        for (int i = 0; i < 8; ++i) v[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    } else if (exponent == 0x7FFE) {
        writeExtended(v, sign ? -HUGE_VALL : HUGE_VALL);
        return;
    } else {
        ++exponent;
    }
    const unsigned result = sign | exponent;
    v[8] = static_cast<std::uint8_t>(result & 0xFF);
    v[9] = static_cast<std::uint8_t>(result >> 8);
}

std::vector<std::uint8_t> upgradedContent(std::span<const std::uint8_t> content)
{
    RecordVersion version = recordVersionOf(content);
    std::vector<std::uint8_t> old(content.begin(), content.end());
    if (version == RecordVersion::Current) return old;

    if (version == RecordVersion::Untagged) {
        std::vector<std::uint8_t> tagged(kTagFieldSize, 0);
        putTag(tagged, "TALP 0.92");
        tagged.insert(tagged.end(), old.begin(), old.end());
        old = std::move(tagged);
        version = RecordVersion::V092;
    }
    if (version == RecordVersion::V092 && old.size() >= kRadiusOffset + 10) doubleExtendedInPlace(&old[kRadiusOffset]);

    const std::size_t tagBytes = std::min(old.size(), kTagFieldSize);
    std::vector<std::uint8_t> upgraded(kTagFieldSize, 0);
    std::copy(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(tagBytes), upgraded.begin());
    putTag(upgraded, "TALP 1.00");
    upgraded.resize(kTagFieldSize + 20);
    writeExtended(&upgraded[kTagFieldSize], 20.0L);
    writeExtended(&upgraded[kTagFieldSize + 10], 0.8L);
    upgraded.insert(upgraded.end(), old.begin() + static_cast<std::ptrdiff_t>(tagBytes), old.end());
    return upgraded;
}

}  // namespace talp
