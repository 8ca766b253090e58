#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "files/base64.h"
#include "files/variant_set.h"
#include "temp_dir.h"

namespace talp {
namespace {

using testing::TempDir;

TEST(Base64, RoundTripsEveryRemainderAndRefusesMalformedText)
{
    std::vector<std::uint8_t> bytes;
    for (int n = 0; n < 260; ++n) {
        const std::string text = base64Encode(bytes);
        EXPECT_EQ(text.size() % 4, 0u);
        EXPECT_EQ(base64Decode(text), bytes) << n;
        bytes.push_back(static_cast<std::uint8_t>(n * 37));
    }
    EXPECT_EQ(base64Encode(std::vector<std::uint8_t>{'M', 'a'}), "TWE=");
    EXPECT_FALSE(base64Decode("TWE"));       // not a multiple of four
    EXPECT_FALSE(base64Decode("TW=E"));      // padding inside
    EXPECT_FALSE(base64Decode("TWE=TWE="));  // padding before the end
    EXPECT_FALSE(base64Decode("TW E"));      // outside the alphabet
    EXPECT_FALSE(base64Decode("T==="));
}

std::vector<StoredVariant> twoVariants()
{
    Project three;
    three.setExact(Param::rohranzahl, 3);
    Project long60;
    long60.setExact(Param::rohrlnge, 60);
    return {{"3 Rohre", encodeProject(three)}, {"60 m, \"lang\"", encodeProject(long60)}};
}

TEST(VariantSet, KeepsNamesAndRecordsBitForBitThroughItsFile)
{
    TempDir dir;
    const auto file = dir / "varianten.tlv";
    const std::vector<StoredVariant> variants = twoVariants();
    ASSERT_FALSE(writeVariantSet(file, variants));
    auto read = readVariantSet(file);
    ASSERT_TRUE(std::holds_alternative<std::vector<StoredVariant>>(read)) << std::get<FileFault>(read).technical();
    const auto& back = std::get<std::vector<StoredVariant>>(read);
    ASSERT_EQ(back.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back[i].name, variants[i].name);
        EXPECT_EQ(back[i].record, variants[i].record);
    }
    // The file is JSON a script can read: the record is base64 of the 3952 bytes.
    std::ifstream in(file);
    const auto json = nlohmann::json::parse(in);
    EXPECT_EQ(json["format"], "TALP variants");
    EXPECT_EQ(base64Decode(json["variants"][1]["record"].get<std::string>())->size(), kRecordSize);
    // Writing again replaces the set and leaves no temporary file beside it.
    ASSERT_FALSE(writeVariantSet(file, {}));
    EXPECT_TRUE(std::get<std::vector<StoredVariant>>(readVariantSet(file)).empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(VariantSet, RefusesBrokenAndForeignFilesWithTheReason)
{
    const std::string record = base64Encode(twoVariants()[0].record);
    RecordBytes old = twoVariants()[0].record;
    old[8] = '9';  // "TALP 1.90"
    RecordBytes overlong = twoVariants()[0].record;
    overlong[recordField("erdreich").offset] = 200;  // a soil type longer than its field
    const auto set = [](const std::string& variants) {
        return R"({"format": "TALP variants", "version": 1, "variants": [)" + variants + "]}";
    };
    const auto entry = [](const std::string& name, const std::string& base64) {
        return R"({"name": )" + name + R"(, "record": ")" + base64 + "\"}";
    };
    std::string nine;
    for (int i = 0; i < 9; ++i) nine += (i ? "," : "") + entry("\"v\"", record);
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "no JSON object"},
        {"TALP 1.00 project record", "no JSON object"},
        {R"({"format": "other", "version": 1, "variants": []})", "format"},
        {R"({"format": 17, "version": 1, "variants": []})", "format"},
        {R"({"format": "TALP variants", "version": 2, "variants": []})", "version"},
        {R"({"format": "TALP variants", "version": 1})", "no list"},
        {set(entry("17", record)), "variant 1: no name"},
        {set(entry("\"a\"", record) + "," + entry("\"b\"", record.substr(4))), "variant 2: the record has 3949 bytes"},
        {set(entry("\"a\"", record.substr(0, 100) + "!" + record.substr(101))), "no base64"},
        {set(entry("\"a\"", base64Encode(old))), "no TALP 1.00 record"},
        {set(entry("\"a\"", base64Encode(overlong))), "variant 1: the length of 'erdreich' exceeds its field"},
        {set(nine), "more than 8"},
    };
    for (const auto& [text, reason] : cases) {
        const auto parsed = parseVariantSet(text);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << text.substr(0, 80);
        EXPECT_NE(std::get<std::string>(parsed).find(reason), std::string::npos) << std::get<std::string>(parsed);
    }

    TempDir dir;
    const auto file = dir.write("fremd.tlv", "{\"variants\": []}");
    const FileFault fault = std::get<FileFault>(readVariantSet(file));
    EXPECT_EQ(fault.kind, FileFault::Kind::NoVariantSet);
    EXPECT_EQ(fault.message(Language::German),
              "Die Datei ist keine TALP-Variantendatei oder sie ist beschädigt:\n" + file.string());
    EXPECT_EQ(fault.message(Language::English), "The file is no TALP variant file, or it is damaged:\n" + file.string());
    EXPECT_EQ(std::get<FileFault>(readVariantSet(dir / "fehlt.tlv")).kind, FileFault::Kind::CannotRead);
}

}  // namespace
}  // namespace talp
