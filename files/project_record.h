#pragma once
// The project record: one project in the fixed 3952-byte layout of the project files
// (".tlp", the presets and their backup). Little-endian; reals are 10-byte extended
// values, integers signed 32-bit, booleans one byte, short strings a length byte and
// Windows-1252 characters; padding is written as zeros.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/parameters.h"
#include "core/project.h"

namespace talp {

inline constexpr std::size_t kRecordSize = 3952;
inline constexpr std::size_t kCouplingRecordSize = 308;
inline constexpr std::string_view kCurrentVersionTag = "TALP 1.00";

using RecordBytes = std::array<std::uint8_t, kRecordSize>;

enum class FieldType {
    ShortString,   // capacity in `size` - 1
    Real,
    Integer,
    Boolean,
    SegmentReals,  // 100 reals
    SegmentMarks,  // 100 bytes
    Calendar,      // 12 x 31 bytes
    Coupling,      // a coupling record
};

// One field of the record: where it lies, what it holds and which input it stores.
struct RecordField {
    std::string_view name;   // the input's control name, or the global's name
    std::size_t offset;
    std::size_t size;
    FieldType type;
    std::optional<Param> param;  // the numeric input stored here
};

// Every field in file order; the bytes between them are padding.
std::span<const RecordField> recordFields();
const RecordField& recordField(std::string_view name);
const RecordField& recordField(Param id);

// Builds the record of a project: the tag "TALP 1.00", every input, the per-segment
// tables, the calendar and the three coupling records. Texts are cut to their fields
// (the soil type and the mode keys to 30 characters, file name and format to 100).
RecordBytes encodeProject(const Project& project);

// Reading a record's fields.
class RecordReader {
public:
    explicit RecordReader(const RecordBytes& bytes) : bytes_(bytes) {}

    long double real(std::size_t offset) const;
    std::int32_t integer(std::size_t offset) const;
    bool boolean(std::size_t offset) const { return bytes_[offset] != 0; }
    // The short string at `offset` as UTF-8; none when its length byte exceeds `capacity`.
    std::optional<std::string> shortString(std::size_t offset, std::size_t capacity) const;
    std::optional<CouplingRecord> coupling(std::size_t offset) const;
    SegmentTable segmentTable(const RecordField& values, const RecordField& marks, const RecordField& flag) const;
    OperatingCalendar calendar() const;

    // The value of a numeric input's field, whatever its type.
    long double value(Param id) const;
    // The version tag: the 9 characters after the length byte, which is not looked at.
    std::string versionTag() const;

    const RecordBytes& bytes() const { return bytes_; }

private:
    const RecordBytes& bytes_;
};

// The record's structural faults: a length byte beyond its field. None when every short
// string fits.
std::optional<std::string> recordStructureFault(const RecordBytes& bytes);

}  // namespace talp
