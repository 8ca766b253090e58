#include "evaluation/combination_record.h"

#include <algorithm>

#include "files/extended_real.h"

namespace talp {

namespace {

// Offsets of the fields; the bytes 45 and 66..67 are padding, written as zeros.
constexpr std::size_t kLength = 4, kDiameter = 14, kSpacing = 24, kDepth = 34, kFan = 44, kEnergy = 46, kRate = 56;

void writeGeometry(std::uint8_t* out, const Combination& c)
{
    const auto count = static_cast<std::uint32_t>(c.pipeCount);
    for (int b = 0; b < 4; ++b) out[b] = static_cast<std::uint8_t>(count >> (8 * b));
    writeExtended(out + kLength, c.length);
    writeExtended(out + kDiameter, c.diameter);
    writeExtended(out + kSpacing, c.spacing);
    writeExtended(out + kDepth, c.depth);
    out[kFan] = c.fanBefore ? 1 : 0;
}

}  // namespace

CombinationBytes encodeRecord(const CombinationRecord& record)
{
    CombinationBytes bytes{};
    writeGeometry(bytes.data(), record.geometry);
    writeExtended(bytes.data() + kEnergy, record.energy);
    writeExtended(bytes.data() + kRate, record.internalRate);
    return bytes;
}

CombinationRecord decodeRecord(const CombinationBytes& bytes)
{
    CombinationRecord r;
    std::uint32_t count = 0;
    for (int b = 0; b < 4; ++b) count |= static_cast<std::uint32_t>(bytes[static_cast<std::size_t>(b)]) << (8 * b);
    r.geometry.pipeCount = static_cast<std::int32_t>(count);
    r.geometry.length = readExtended(bytes.data() + kLength);
    r.geometry.diameter = readExtended(bytes.data() + kDiameter);
    r.geometry.spacing = readExtended(bytes.data() + kSpacing);
    r.geometry.depth = readExtended(bytes.data() + kDepth);
    r.geometry.fanBefore = bytes[kFan] != 0;
    r.energy = readExtended(bytes.data() + kEnergy);
    r.internalRate = readExtended(bytes.data() + kRate);
    return r;
}

CombinationKey keyOf(const Combination& combination)
{
    std::array<std::uint8_t, kCombinationRecordSize> bytes{};
    writeGeometry(bytes.data(), combination);
    CombinationKey key{};
    std::copy_n(bytes.begin(), kCombinationKeySize, key.begin());
    return key;
}

}  // namespace talp
