// Writes the reference projects of tests/reference: the hourly files two of them couple,
// one project file per case and, calculated from each project file as the program opens
// it, its annual figures and economics at full precision (and for a few cases the outlet
// temperature of every hour). Regenerating overwrites the references every later build is
// checked against, so it is done only when a change of the results is intended.
//
//     talp-make-references <data folder> <reference folder>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "climate/climate_model.h"
#include "core/hvac.h"
#include "core/numeric.h"
#include "files/coupling_acceptance.h"
#include "files/project_file.h"
#include "tools/reference/reference_run.h"

namespace fs = std::filesystem;
using namespace talp;

namespace {

constexpr const char* kClimateFile = "reference_climate.txt";
constexpr const char* kClimateFormat = "XXXXXXXXXAAAA.A";
constexpr const char* kBuildingFile = "reference_building.txt";
constexpr const char* kBuildingFormat = "VVVVV.VSSS.SPPPP";      // flow, set point, fan power
constexpr const char* kBuildingFormatNoPower = "VVVVV.VSSS.S";  // the same file, the fan power computed

// A repeatable scatter in -1..1 for the weather of an hour (a 64-bit mix of the hour).
double scatter(std::uint64_t hour)
{
    std::uint64_t z = hour * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / static_cast<double>(1ULL << 52) - 1.0;
}

// A year of outdoor temperatures in tenths of a kelvin: a mild annual wave peaking in late
// July, a daily swing peaking in the afternoon and the weather's scatter.
std::string climateFileText()
{
    std::string text = "Referenzklima fuer die Referenzprojekte\nStunde  Temperatur\n\n\n";
    for (int h = 1; h <= kHoursPerYear; ++h) {
        const double annual = 9.5 + 9.0 * std::cos(2 * M_PI * (h - 4900) / 8760.0);
        const double daily = 4.0 * std::cos(2 * M_PI * ((h - 1) % 24 + 1 - 15) / 24.0);
        const double t = std::round((annual + daily + 3.0 * scatter(static_cast<std::uint64_t>(h))) * 10.0) / 10.0;
        text += "hour " + formatIntWidth(h, 4) + formatFixedWidth(t, 6, 1) + "\n";
    }
    return text;
}

// A building's year of ventilation: office hours on weekdays with a flow that varies, no
// flow at night and at the weekend, a set point that follows the season, and the fan's
// electric power.
std::string buildingFileText()
{
    std::string text = "Referenzgebaeude: Luftstrom m3/h, Solltemperatur C, Ventilatorleistung W\n";
    for (int h = 1; h <= kHoursPerYear; ++h) {
        const int day = (h - 1) / 24, hour = (h - 1) % 24 + 1;
        const bool working = day % 7 < 5 && hour >= 7 && hour <= 19;
        const double flow = working ? std::round(1200.0 + 300.0 * scatter(static_cast<std::uint64_t>(h) + 99991)) : 0.0;
        const double setPoint = std::round((21.0 - 2.5 * std::cos(2 * M_PI * (day - 200) / 365.0)) * 10.0) / 10.0;
        const double power = working ? std::round(35.0 + flow / 100.0) : 0.0;
        text += formatFixedWidth(flow, 7, 1) + formatFixedWidth(setPoint, 5, 1) + formatIntWidth(static_cast<long long>(power), 4) + "\n";
    }
    return text;
}

struct Case {
    const char* name;
    const char* description;
    bool keepHourly;
    std::function<void(Project&, ClimateContext&, const fs::path& referenceDir)> make;
};

void fail(const std::string& what)
{
    std::cerr << "talp-make-references: " << what << "\n";
    std::exit(1);
}

void setFlow(Project& p, long double flow)
{
    p.set(Param::luftstrom, flow);
    applyAirFlowChange(p);
}

void region(Project& p, ClimateContext& climate, int number)
{
    p.set(Param::klimaregion, number - 1);
    selectRegionModel(p, climate);
}

void station(Project& p, ClimateContext& climate, int index)
{
    p.set(Param::AuswKlimastation, index);
    if (const auto message = selectStationModel(p, climate)) fail(std::string(message->text.de));
}

// Couples one of the reference folder's hourly files. The project names it relative to its
// own folder ("./reference_climate.txt"), so that the references open wherever the sources lie.
void couple(Project& p, ClimateContext& climate, const fs::path& referenceDir, CouplingKind kind, const char* file,
            const char* format, int header)
{
    const std::string path = fs::absolute(referenceDir / file).string();
    const CouplingAcceptance accepted = acceptCoupling(p, kind, {path, format, header}, &climate.installation);
    if (!accepted.accepted()) fail(std::string("coupling refused: ") + path + " " + accepted.check.text(Language::German));
    const std::string name = std::string("./") + file;
    if (kind == CouplingKind::Climate) {
        p.climateCoupling.fileName = p.lastClimateCoupling.fileName = name;
        selectFileModel(p, climate, true);
    } else {
        p.buildingCoupling.fileName = name;
        p.HlkModus = "sim";
    }
}

void segmentTable(SegmentTable& table, const std::function<long double(int segment)>& value)
{
    for (int s = 1; s <= kSegments; ++s) {
        table.values[static_cast<std::size_t>(s - 1)] = value(s);
        table.entered[static_cast<std::size_t>(s - 1)] = true;
    }
    table.variable = true;
}

void pipes(Project& p, int count, long double length, long double diameter, long double depth, long double spacing,
           bool fanBefore)
{
    p.set(Param::rohranzahl, count);
    p.set(Param::rohrlnge, length);
    p.set(Param::rohrdurchmesser, diameter);
    p.set(Param::verlegungstiefe, depth);
    p.set(Param::AbstandzwRohren, spacing);
    p.set(Param::VentilatorVor, fanBefore ? 1 : 0);
}

const std::vector<Case>& cases()
{
    static const std::vector<Case> list{
        {"defaults", "every input at its default, the sine climate", true, [](Project&, ClimateContext&, const fs::path&) {}},
        {"presets_region4", "every input at its default on the climate of region 4 (the earlier presets of a new project)", false,
         [](Project& p, ClimateContext& c, const fs::path&) { region(p, c, 4); }},
        {"one_pipe_fan_after", "one pipe, the fan after it", false,
         [](Project& p, ClimateContext&, const fs::path&) { pipes(p, 1, 30, 200, 1.5L, 2.5L, false); }},
        {"ten_pipes_close", "ten pipes close together: their influence overlaps", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             pipes(p, 10, 100, 300, 3, 0.5L, true);
             setFlow(p, 4000);
         }},
        {"ten_pipes_apart", "ten pipes far apart: each counts fully", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             pipes(p, 10, 20, 150, 1, 10, false);
             setFlow(p, 2500);
         }},
        {"offset_control", "control by temperature range with an offset of 2 K", false,
         [](Project& p, ClimateContext&, const fs::path&) {
             p.set(Param::EWT_offset, 2);
             p.set(Param::solltemp, 21);
         }},
        {"period_calendar", "control by period: off in spring and autumn", true,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             p.set(Param::EWT_Reg_offset, 0);
             for (int month : {4, 5, 9, 10})
                 for (int day = 1; day <= 31; ++day) p.calendar.set(month, day, false);
             p.calendar.set(6, 15, false);
         }},
        {"limits_warm_climate", "a warm climate with narrow limit temperatures: cooling", false,
         [](Project& p, ClimateContext&, const fs::path&) {
             p.set(Param::jahresmittel, 12);
             p.set(Param::max_monatsmittel, 24);
             p.set(Param::heizgrenztemp, 14);
             p.set(Param::kuehlgrenztemp, 21);
             p.set(Param::solltemp, 19);
         }},
        {"segment_depth_table", "the laying depth per segment, rising towards the building", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             segmentTable(p.SegmentDepth, [](int s) { return 1.2L + 0.018L * s; });
         }},
        {"segment_distance_table", "the building distance per segment, the pipe running away from the basement",
         false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             segmentTable(p.SegmentBuildingDistance, [](int s) { return 0.5L + 0.3L * s; });
         }},
        {"both_segment_tables", "both tables, four pipes, the fan after them", true,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 6);
             pipes(p, 4, 60, 250, 2, 1.5L, false);
             segmentTable(p.SegmentDepth, [](int s) { return s <= 50 ? 1.5L + 0.02L * s : 2.5L; });
             segmentTable(p.SegmentBuildingDistance, [](int s) { return 20.0L - 0.19L * s; });
         }},
        {"basement_near", "the pipe close to a warm basement with a poorly insulated wall", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             p.set(Param::AbsGebaeude, 0.5L);
             p.set(Param::kellerkwert, 3);
             p.set(Param::kellerinnentemp, 25);
             p.set(Param::verlegungstiefe, 2.5L);
         }},
        {"groundwater_shallow", "groundwater just below the pipe's bottom", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             p.set(Param::Grundwassertiefe, 2.3L);
         }},
        {"soil_dry_sand", "a light, poorly conducting soil", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             p.set(Param::dichte, 1500);
             p.set(Param::wrmekapazitt, 0.8L);
             p.set(Param::wrmeleitfhigkeit, 0.4L);
         }},
        {"region7", "climate region 7", false, [](Project& p, ClimateContext& c, const fs::path&) { region(p, c, 7); }},
        {"region12_three_pipes", "climate region 12, three pipes, the fan after them", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 12);
             pipes(p, 3, 40, 200, 1.5L, 1, false);
         }},
        {"station5", "a European climate station", false, [](Project& p, ClimateContext& c, const fs::path&) { station(p, c, 5); }},
        {"station40_one_pipe", "another station, one long pipe", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             station(p, c, 40);
             pipes(p, 1, 150, 400, 2.5L, 2.5L, true);
             setFlow(p, 600);
         }},
        {"climate_file", "an hourly climate file", true,
         [](Project& p, ClimateContext& c, const fs::path& dir) { couple(p, c, dir, CouplingKind::Climate, kClimateFile, kClimateFormat, 4); }},
        {"hvac_file", "a building simulation's flow, set point and fan power", true,
         [](Project& p, ClimateContext& c, const fs::path& dir) {
             region(p, c, 4);
             couple(p, c, dir, CouplingKind::Building, kBuildingFile, kBuildingFormat, 1);
         }},
        {"hvac_file_and_climate_file", "flow and set point from the building file, the fan's power computed, "
                                       "the climate from a file",
         false,
         [](Project& p, ClimateContext& c, const fs::path& dir) {
             couple(p, c, dir, CouplingKind::Climate, kClimateFile, kClimateFormat, 4);
             couple(p, c, dir, CouplingKind::Building, kBuildingFile, kBuildingFormatNoPower, 1);
             pipes(p, 3, 50, 300, 2, 1, false);
         }},
        {"big_deep", "ten wide, long, deep pipes", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             pipes(p, 10, 200, 2000, 10, 2, true);
             setFlow(p, 20000);
         }},
        {"short_thin_shallow", "one short, thin pipe just below the surface with a small flow", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             pipes(p, 1, 1, 25, 0.5L, 2.5L, true);
             setFlow(p, 20);
         }},
        {"economics_equal_rates", "interest, inflation and energy-price inflation equal, a long lifetime", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             p.set(Param::zinssatz, 4);
             p.set(Param::inflation, 4);
             p.set(Param::einflation, 4);
             p.set(Param::lebensdauer, 40);
             p.set(Param::heizpreis, 12);
             p.set(Param::strompreis, 30);
         }},
        {"no_flow", "no ventilation flow: the exchanger never runs", false,
         [](Project& p, ClimateContext& c, const fs::path&) {
             region(p, c, 4);
             setFlow(p, 0);
         }},
    };
    return list;
}

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) fail("cannot write " + path.string());
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: talp-make-references <data folder> <reference folder>\n";
        return 2;
    }
    const fs::path referenceDir = argv[2];
    const Installation installation = reference::referenceInstallation(argv[1]);
    writeText(referenceDir / kClimateFile, climateFileText());
    writeText(referenceDir / kBuildingFile, buildingFileText());

    for (const Case& c : cases()) {
        ClimateContext climate;
        climate.installation = installation;
        Project project;
        c.make(project, climate, referenceDir);
        const fs::path projectFile = referenceDir / (std::string(c.name) + ".tlp");
        if (const auto fault = saveProjectFile(projectFile, project)) fail(fault->technical());

        const reference::OpenedReference opened = reference::openReference(projectFile, installation);
        if (!opened.ok) fail(std::string(c.name) + ": " + opened.fault);
        const reference::ReferenceResults results = reference::calculateReference(opened.project, installation);
        if (!results.ok) fail(std::string(c.name) + ": " + results.fault);
        nlohmann::ordered_json json;
        json["project"] = projectFile.filename().string();
        json["description"] = c.description;
        for (const auto& [name, value] : results.figures) json["figures"][name] = reference::realText(value);
        if (c.keepHourly) {
            nlohmann::ordered_json hourly = nlohmann::ordered_json::array();
            for (long double t : results.hourlyOutletTemp) hourly.push_back(reference::realText(t));
            json["hourlyOutletTemp"] = hourly;
        }
        writeText(referenceDir / (std::string(c.name) + ".json"), json.dump(1) + "\n");
        std::cout << c.name << "\n";
    }
    return 0;
}
