// libFuzzer target: any bytes as a variant set a planner hands us (*.tlv). A set that is
// accepted holds at most eight sound 1.00 records, and writing it again gives a text that
// reads back to the same variants.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/variant_set.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talp;
    const auto parsed = parseVariantSet(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto* variants = std::get_if<std::vector<StoredVariant>>(&parsed);
    if (!variants) return 0;
    if (variants->size() > kMostVariants) __builtin_trap();
    for (const StoredVariant& v : *variants)
        if (recordStructureFault(v.record)) __builtin_trap();
    const auto again = parseVariantSet(variantSetText(*variants));
    const auto* back = std::get_if<std::vector<StoredVariant>>(&again);
    if (!back || back->size() != variants->size()) __builtin_trap();
    for (std::size_t i = 0; i < back->size(); ++i)
        if ((*back)[i].name != (*variants)[i].name || (*back)[i].record != (*variants)[i].record) __builtin_trap();
    return 0;
}
