#include "files/variant_set.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "files/base64.h"
#include "files/safe_write.h"

namespace talp {

namespace {

constexpr std::string_view kFormat = "TALP variants";
constexpr int kVersion = 1;

using Json = nlohmann::ordered_json;

std::variant<StoredVariant, std::string> variantOf(const Json& entry, std::size_t index)
{
    const std::string where = "variant " + std::to_string(index + 1) + ": ";
    if (!entry.is_object()) return where + "no object";
    const auto name = entry.find("name");
    const auto record = entry.find("record");
    if (name == entry.end() || !name->is_string()) return where + "no name";
    if (record == entry.end() || !record->is_string()) return where + "no record";
    const std::optional<std::vector<std::uint8_t>> bytes = base64Decode(record->get<std::string>());
    if (!bytes) return where + "the record is no base64 text";
    if (bytes->size() != kRecordSize)
        return where + "the record has " + std::to_string(bytes->size()) + " bytes, not " + std::to_string(kRecordSize);
    StoredVariant variant{name->get<std::string>(), {}};
    std::copy(bytes->begin(), bytes->end(), variant.record.begin());
    // A record of another version would be read with the wrong layout.
    if (RecordReader(variant.record).versionTag() != kCurrentVersionTag) return where + "the record is no TALP 1.00 record";
    if (const std::optional<std::string> fault = recordStructureFault(variant.record)) return where + *fault;
    return variant;
}

}  // namespace

std::string variantSetText(const std::vector<StoredVariant>& variants)
{
    Json list = Json::array();
    for (const StoredVariant& v : variants) list.push_back({{"name", v.name}, {"record", base64Encode(v.record)}});
    return Json{{"format", kFormat}, {"version", kVersion}, {"variants", list}}.dump(2) + "\n";
}

std::variant<std::vector<StoredVariant>, std::string> parseVariantSet(std::string_view text)
{
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object()) return std::string("no JSON object");
    const auto format = json.find("format");
    if (format == json.end() || !format->is_string() || format->get<std::string>() != kFormat)
        return std::string("no \"format\": \"TALP variants\"");
    const auto version = json.find("version");
    if (version == json.end() || !version->is_number_integer() || *version != kVersion)
        return std::string("a version other than 1");
    const auto list = json.find("variants");
    if (list == json.end() || !list->is_array()) return std::string("no list of variants");
    if (list->size() > kMostVariants) return "more than " + std::to_string(kMostVariants) + " variants";
    std::vector<StoredVariant> variants;
    for (std::size_t i = 0; i < list->size(); ++i) {
        auto variant = variantOf((*list)[i], i);
        if (auto* fault = std::get_if<std::string>(&variant)) return std::move(*fault);
        variants.push_back(std::move(std::get<StoredVariant>(variant)));
    }
    return variants;
}

std::optional<FileFault> writeVariantSet(const std::filesystem::path& file, const std::vector<StoredVariant>& variants)
{
    const std::string text = variantSetText(variants);
    return replaceFileSafely(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::variant<std::vector<StoredVariant>, FileFault> readVariantSet(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return FileFault{FileFault::Kind::CannotRead, file, errno, {}};
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return FileFault{FileFault::Kind::CannotRead, file, errno, {}};
    auto parsed = parseVariantSet(text);
    if (auto* fault = std::get_if<std::string>(&parsed))
        return FileFault{FileFault::Kind::NoVariantSet, file, 0, std::move(*fault)};
    return std::move(std::get<std::vector<StoredVariant>>(parsed));
}

}  // namespace talp
