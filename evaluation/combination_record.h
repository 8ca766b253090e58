#pragma once
// One evaluated combination as the optimisation files store it: a 68-byte little-endian
// record with 10-byte extended reals.

#include <array>
#include <cstdint>

#include "evaluation/optimisation_catalogue.h"

namespace talp {

inline constexpr std::size_t kCombinationRecordSize = 68;
// The leading bytes that identify a geometry: count, length, diameter, spacing, depth, fan.
inline constexpr std::size_t kCombinationKeySize = 45;

struct CombinationRecord {
    Combination geometry;
    long double energy = 0;       // HeatingEnergy + CoolingEnergy, kWh/a
    long double internalRate = 0; // %, -99 when none

    bool operator==(const CombinationRecord&) const = default;
};

using CombinationBytes = std::array<std::uint8_t, kCombinationRecordSize>;
using CombinationKey = std::array<std::uint8_t, kCombinationKeySize>;

CombinationBytes encodeRecord(const CombinationRecord& record);
CombinationRecord decodeRecord(const CombinationBytes& bytes);

// Two records describe the same geometry exactly when their keys are equal.
CombinationKey keyOf(const Combination& combination);

}  // namespace talp
