#pragma once
// A set of variants on disk ("*.tlv"): the variants a planner keeps for comparison, each
// with its name and its project record, so that a set opens again with the inputs exactly
// as they were kept. JSON, so that a set can be read and written by scripts:
//
//   {"format": "TALP variants", "version": 1,
//    "variants": [{"name": "3 Rohre", "record": "<base64 of the 3952-byte project record>"}, ...]}
//
// The project files themselves are not touched by this: a variant's record is the record a
// project file of it holds.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "files/file_fault.h"
#include "files/project_record.h"

namespace talp {

// More would not fit the comparison's columns.
inline constexpr std::size_t kMostVariants = 8;

struct StoredVariant {
    std::string name;
    RecordBytes record;
};

std::string variantSetText(const std::vector<StoredVariant>& variants);

// The variants of a set's text; why it is no sound set (not JSON, another format, more
// than kMostVariants, a name that is no text, a record that is no 1.00 project record).
std::variant<std::vector<StoredVariant>, std::string> parseVariantSet(std::string_view text);

// Written through a temporary file beside it, as project files are.
std::optional<FileFault> writeVariantSet(const std::filesystem::path& file, const std::vector<StoredVariant>& variants);

// The variants of a file, or why it cannot be read or is no sound set.
std::variant<std::vector<StoredVariant>, FileFault> readVariantSet(const std::filesystem::path& file);

}  // namespace talp
