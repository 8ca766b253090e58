#include "files/project_record.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "files/extended_real.h"
#include "files/windows1252.h"

namespace talp {

namespace {

using F = FieldType;
using P = Param;

constexpr std::size_t kRealSize = 10;

// clang-format off
constexpr RecordField kFields[] = {
    {"version",                       0,   24, F::ShortString, {}},
    {"kellerinnentemp",              24,   10, F::Real, P::kellerinnentemp},
    {"kellerkwert",                  34,   10, F::Real, P::kellerkwert},
    {"rohranzahl",                   44,    4, F::Integer, P::rohranzahl},
    {"rohrlnge",                     48,   10, F::Real, P::rohrlnge},
    {"rohrdurchmesser",              58,   10, F::Real, P::rohrdurchmesser},
    {"AbstandzwRohren",              68,   10, F::Real, P::AbstandzwRohren},
    {"verlegungstiefe",              78,   10, F::Real, P::verlegungstiefe},
    {"AbsGebaeude",                  88,   10, F::Real, P::AbsGebaeude},
    {"VentilatorVor",                98,    1, F::Boolean, P::VentilatorVor},
    {"VariableDepth",                99,    1, F::Boolean, {}},
    {"VariableBuildingDistance",    100,    1, F::Boolean, {}},
    {"SegmentDepth",                102, 1000, F::SegmentReals, {}},
    {"SegmentBuildingDistance",    1102, 1000, F::SegmentReals, {}},
    {"SegmentDepthMarks",          2102,  100, F::SegmentMarks, {}},
    {"SegmentBuildingDistanceMarks", 2202, 100, F::SegmentMarks, {}},
    {"erdreich",                   2304,   31, F::ShortString, {}},
    {"dichte",                     2336,   10, F::Real, P::dichte},
    {"wrmekapazitt",               2346,   10, F::Real, P::wrmekapazitt},
    {"wrmeleitfhigkeit",           2356,   10, F::Real, P::wrmeleitfhigkeit},
    {"Grundwassertiefe",           2366,   10, F::Real, P::Grundwassertiefe},
    {"klimaModell",                2376,   31, F::ShortString, {}},
    {"max_monatsmittel",           2408,   10, F::Real, P::max_monatsmittel},
    {"jahresmittel",               2418,   10, F::Real, P::jahresmittel},
    {"min_monatsmittel",           2428,   10, F::Real, P::min_monatsmittel},
    {"monat_sinusspitze",          2440,    4, F::Integer, P::monat_sinusspitze},
    {"tag_sinusspitze",            2444,    4, F::Integer, P::tag_sinusspitze},
    {"klimaregion",                2448,    4, F::Integer, P::klimaregion},
    {"HlkModus",                   2452,   31, F::ShortString, {}},
    {"solltemp",                   2484,   10, F::Real, P::solltemp},
    {"kuehlgrenztemp",             2494,   10, F::Real, P::kuehlgrenztemp},
    {"heizgrenztemp",              2504,   10, F::Real, P::heizgrenztemp},
    {"EWT_offset",                 2514,   10, F::Real, P::EWT_offset},
    {"geb_vol",                    2524,   10, F::Real, P::geb_vol},
    {"luftwechsel",                2534,   10, F::Real, P::luftwechsel},
    {"luftstrom",                  2544,   10, F::Real, P::luftstrom},
    {"druckabfallPa_fest",         2554,   10, F::Real, P::druckabfallPa_fest},
    {"wirkungsgrad",               2564,   10, F::Real, P::wirkungsgrad},
    {"EWT_Reg_offset",             2574,    1, F::Boolean, P::EWT_Reg_offset},
    {"calendar",                   2575,  372, F::Calendar, {}},
    {"rohrpreis",                  2948,   10, F::Real, P::rohrpreis},
    {"grabungspreis",              2960,    4, F::Integer, P::grabungspreis},
    {"fest_inv",                   2964,    4, F::Integer, P::fest_inv},
    {"lebensdauer",                2968,    4, F::Integer, P::lebensdauer},
    {"wartungskosten_pz",          2972,   10, F::Real, P::wartungskosten_pz},
    {"heizpreis",                  2984,    4, F::Integer, P::heizpreis},
    {"khlpreis",                   2988,    4, F::Integer, P::khlpreis},
    {"strompreis",                 2992,    4, F::Integer, P::strompreis},
    {"zinssatz",                   2996,   10, F::Real, P::zinssatz},
    {"inflation",                  3006,   10, F::Real, P::inflation},
    {"einflation",                 3016,   10, F::Real, P::einflation},
    {"climateCoupling",            3028,  308, F::Coupling, {}},
    {"buildingCoupling",           3336,  308, F::Coupling, {}},
    {"lastClimateCoupling",        3644,  308, F::Coupling, {}},
};
// clang-format on

constexpr bool fieldsAreInFileOrder()
{
    const std::size_t count = std::size(kFields);
    for (std::size_t i = 1; i < count; ++i)
        if (kFields[i - 1].offset + kFields[i - 1].size > kFields[i].offset) return false;
    return kFields[count - 1].offset + kFields[count - 1].size == kRecordSize;
}
static_assert(fieldsAreInFileOrder(), "record fields overlap or do not fill the record");

// Layout of a coupling record within its 308 bytes.
constexpr std::size_t kCouplingValid = 0, kCouplingFile = 1, kCouplingFormat = 102, kCouplingColumns = 204;
constexpr std::size_t kCouplingCount = 300, kCouplingHeader = 304;
constexpr std::size_t kColumnSize = 16;
constexpr std::size_t kCouplingTextCapacity = 100;

// Writing fields into a record that starts as zeros (the padding).
class RecordWriter {
public:
    explicit RecordWriter(RecordBytes& bytes) : bytes_(bytes) {}

    void real(std::size_t offset, long double v) { writeExtended(&bytes_[offset], v); }
    void integer(std::size_t offset, std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (std::size_t i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    void boolean(std::size_t offset, bool v) { bytes_[offset] = v ? 1 : 0; }
    void shortString(std::size_t offset, std::size_t capacity, std::string_view utf8)
    {
        std::string text = windows1252FromUtf8(utf8);
        if (text.size() > capacity) text.resize(capacity);
        bytes_[offset] = static_cast<std::uint8_t>(text.size());
        std::memcpy(&bytes_[offset + 1], text.data(), text.size());
    }
    void coupling(std::size_t offset, const CouplingRecord& r)
    {
        boolean(offset + kCouplingValid, r.valid);
        shortString(offset + kCouplingFile, kCouplingTextCapacity, r.fileName);
        shortString(offset + kCouplingFormat, kCouplingTextCapacity, r.format);
        for (std::size_t i = 0; i < r.columns.size(); ++i) {
            const std::size_t at = offset + kCouplingColumns + i * kColumnSize;
            integer(at, r.columns[i].skip);
            integer(at + 4, r.columns[i].width);
            integer(at + 8, r.columns[i].decimals);
            bytes_[at + 12] = static_cast<std::uint8_t>(r.columns[i].letter);
        }
        integer(offset + kCouplingCount, r.columnCount);
        integer(offset + kCouplingHeader, r.headerLines);
    }
    void segmentTable(const SegmentTable& t, const RecordField& values, const RecordField& marks, const RecordField& flag)
    {
        for (std::size_t i = 0; i < t.values.size(); ++i) {
            real(values.offset + i * kRealSize, t.values[i]);
            boolean(marks.offset + i, t.entered[i]);
        }
        boolean(flag.offset, t.variable);
    }

private:
    RecordBytes& bytes_;
};

std::int32_t wholeNumber(long double v) { return static_cast<std::int32_t>(v); }

}  // namespace

std::span<const RecordField> recordFields() { return kFields; }

const RecordField& recordField(std::string_view name)
{
    for (const RecordField& f : kFields)
        if (f.name == name) return f;
    throw std::out_of_range("no record field " + std::string(name));
}

const RecordField& recordField(Param id)
{
    for (const RecordField& f : kFields)
        if (f.param == id) return f;
    throw std::out_of_range("no record field for " + std::string(paramSpec(id).name));
}

RecordBytes encodeProject(const Project& project)
{
    RecordBytes bytes{};
    RecordWriter w(bytes);
    w.shortString(0, 23, kCurrentVersionTag);
    for (const RecordField& f : kFields) {
        if (!f.param) continue;
        const long double v = project.get(*f.param);
        switch (f.type) {
        case F::Real: w.real(f.offset, v); break;
        case F::Integer: w.integer(f.offset, wholeNumber(v)); break;
        case F::Boolean: w.boolean(f.offset, v != 0); break;
        default: break;
        }
    }
    // The region field of a station climate holds 20 + the station's item index.
    if (project.klimaModell == "euro")
        w.integer(recordField(P::klimaregion).offset, 20 + project.getInt(P::AuswKlimastation));

    w.segmentTable(project.SegmentDepth, recordField("SegmentDepth"), recordField("SegmentDepthMarks"),
                   recordField("VariableDepth"));
    w.segmentTable(project.SegmentBuildingDistance, recordField("SegmentBuildingDistance"),
                   recordField("SegmentBuildingDistanceMarks"), recordField("VariableBuildingDistance"));
    w.shortString(recordField("erdreich").offset, 30, project.erdreich);
    w.shortString(recordField("klimaModell").offset, 30, project.klimaModell);
    w.shortString(recordField("HlkModus").offset, 30, project.HlkModus);
    const auto& calendar = project.calendar.bytes();
    std::copy(calendar.begin(), calendar.end(), bytes.begin() + static_cast<std::ptrdiff_t>(recordField("calendar").offset));
    w.coupling(recordField("climateCoupling").offset, project.climateCoupling);
    w.coupling(recordField("buildingCoupling").offset, project.buildingCoupling);
    w.coupling(recordField("lastClimateCoupling").offset, project.lastClimateCoupling);
    return bytes;
}

long double RecordReader::real(std::size_t offset) const { return readExtended(&bytes_[offset]); }

std::int32_t RecordReader::integer(std::size_t offset) const
{
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(bytes_[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

std::optional<std::string> RecordReader::shortString(std::size_t offset, std::size_t capacity) const
{
    const std::size_t length = bytes_[offset];
    if (length > capacity) return std::nullopt;
    return utf8FromWindows1252(std::string_view(reinterpret_cast<const char*>(&bytes_[offset + 1]), length));
}

std::optional<CouplingRecord> RecordReader::coupling(std::size_t offset) const
{
    CouplingRecord r;
    const auto file = shortString(offset + kCouplingFile, kCouplingTextCapacity);
    const auto format = shortString(offset + kCouplingFormat, kCouplingTextCapacity);
    if (!file || !format) return std::nullopt;
    r.valid = boolean(offset + kCouplingValid);
    r.fileName = *file;
    r.format = *format;
    for (std::size_t i = 0; i < r.columns.size(); ++i) {
        const std::size_t at = offset + kCouplingColumns + i * kColumnSize;
        r.columns[i] = {integer(at), integer(at + 4), integer(at + 8), static_cast<char>(bytes_[at + 12])};
    }
    r.columnCount = integer(offset + kCouplingCount);
    r.headerLines = integer(offset + kCouplingHeader);
    return r;
}

SegmentTable RecordReader::segmentTable(const RecordField& values, const RecordField& marks, const RecordField& flag) const
{
    SegmentTable t;
    for (std::size_t i = 0; i < t.values.size(); ++i) {
        t.values[i] = real(values.offset + i * kRealSize);
        t.entered[i] = boolean(marks.offset + i);
    }
    t.variable = boolean(flag.offset);
    return t;
}

OperatingCalendar RecordReader::calendar() const
{
    std::array<std::uint8_t, OperatingCalendar::kMonths * OperatingCalendar::kSlots> slots{};
    const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(recordField("calendar").offset);
    std::copy(first, first + static_cast<std::ptrdiff_t>(slots.size()), slots.begin());
    OperatingCalendar c;
    c.setBytes(slots);
    return c;
}

long double RecordReader::value(Param id) const
{
    const RecordField& f = recordField(id);
    switch (f.type) {
    case F::Real: return real(f.offset);
    case F::Integer: return integer(f.offset);
    case F::Boolean: return boolean(f.offset) ? 1.0L : 0.0L;
    default: return 0;
    }
}

std::string RecordReader::versionTag() const { return std::string(reinterpret_cast<const char*>(&bytes_[1]), 9); }

std::optional<std::string> recordStructureFault(const RecordBytes& bytes)
{
    const RecordReader r(bytes);
    for (const RecordField& f : kFields) {
        // The version tag is read by its characters alone; its length byte does not count.
        if (f.name == "version") continue;
        if (f.type == F::ShortString && !r.shortString(f.offset, f.size - 1))
            return "the length of '" + std::string(f.name) + "' exceeds its field";
        if (f.type == F::Coupling && !r.coupling(f.offset))
            return "a text of '" + std::string(f.name) + "' exceeds its field";
    }
    return std::nullopt;
}

}  // namespace talp
