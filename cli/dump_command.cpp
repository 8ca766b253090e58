#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>

#include "cli/commands.h"
#include "files/project_file.h"
#include "files/record_upgrade.h"

namespace talp::cli {

namespace {

using nlohmann::ordered_json;

ordered_json couplingJson(const CouplingRecord& r)
{
    ordered_json columns = ordered_json::array();
    for (const ColumnDescriptor& c : r.columns)
        columns.push_back({{"skip", c.skip}, {"width", c.width}, {"decimals", c.decimals}, {"letter", std::string(1, c.letter)}});
    return {{"valid", r.valid},     {"fileName", r.fileName},       {"format", r.format},
            {"columns", columns},   {"columnCount", r.columnCount}, {"headerLines", r.headerLines}};
}

ordered_json fieldJson(const RecordReader& record, const RecordField& f)
{
    switch (f.type) {
    case FieldType::ShortString: return record.shortString(f.offset, f.size - 1).value_or(std::string());
    case FieldType::Real: return num(record.real(f.offset));
    case FieldType::Integer: return record.integer(f.offset);
    case FieldType::Boolean: return record.boolean(f.offset);
    case FieldType::SegmentReals: {
        ordered_json values = ordered_json::array();
        for (std::size_t i = 0; i < 100; ++i) values.push_back(num(record.real(f.offset + i * 10)));
        return values;
    }
    case FieldType::SegmentMarks: {
        ordered_json marks = ordered_json::array();
        for (std::size_t i = 0; i < 100; ++i) marks.push_back(record.bytes()[f.offset + i]);
        return marks;
    }
    case FieldType::Calendar: {
        // One row per month with its 31 day slots.
        ordered_json months = ordered_json::array();
        const OperatingCalendar calendar = record.calendar();
        for (int m = 1; m <= OperatingCalendar::kMonths; ++m) {
            ordered_json days = ordered_json::array();
            for (int d = 1; d <= OperatingCalendar::kSlots; ++d) days.push_back(calendar.isOn(m, d) ? 1 : 0);
            months.push_back(days);
        }
        return months;
    }
    case FieldType::Coupling: {
        const auto coupling = record.coupling(f.offset);
        return coupling ? couplingJson(*coupling) : ordered_json(nullptr);
    }
    }
    return nullptr;
}

// Prints every field of a project file's record by its input's name. An older file is
// shown as its upgrade would make it, without changing the file.
void dumpRecord(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open()) throw CommandFailure{std::string(kProjectFileUnreadable.de) + "\ncannot read " + path};
    const RecordVersion version = recordVersionOf(content);
    const std::vector<std::uint8_t> upgraded = upgradedContent(content);
    if (upgraded.size() < kRecordSize)
        throw CommandFailure{std::string(kProjectFileUnreadable.de) + "\n" + path + " is shorter than a project record"};
    RecordBytes bytes{};
    std::copy(upgraded.begin(), upgraded.begin() + kRecordSize, bytes.begin());
    if (const auto structural = recordStructureFault(bytes))
        throw CommandFailure{std::string(kProjectFileUnreadable.de) + "\n" + path + ": " + *structural};

    const RecordReader record(bytes);
    ordered_json out = {{"file", path}, {"fileVersion", std::string(versionName(version))}};
    for (const RecordField& f : recordFields()) out[std::string(f.name)] = fieldJson(record, f);
    std::cout << out.dump(2) << "\n";
}

}  // namespace

CommandAction dumpCommand(CLI::App& command)
{
    const auto path = std::make_shared<std::string>();
    command.add_option("PROJECT.tlp", *path, "the project file")->type_name("")->required();
    return [path] {
        dumpRecord(*path);
        return 0;
    };
}

}  // namespace talp::cli
