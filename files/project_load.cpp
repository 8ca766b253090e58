#include "files/project_load.h"

#include "core/soil.h"
#include "files/input_changes.h"

namespace talp {

namespace {

void setInOrder(Project& project, const RecordReader& record, std::initializer_list<Param> inputs)
{
    for (Param id : inputs) setAsTyped(project, id, record.value(id));
}

std::string text(const RecordReader& record, std::string_view field)
{
    const RecordField& f = recordField(field);
    return record.shortString(f.offset, f.size - 1).value_or(std::string());
}

// The region field holds the region's item index, or 20 + the station's for a station.
constexpr int kStationOffset = 20;
constexpr int kFallbackRegionIndex = 3;

}  // namespace

std::optional<std::string> recordFault(const RecordBytes& bytes) { return recordStructureFault(bytes); }

LoadFindings applyRecord(Project& p, const RecordBytes& bytes, const LoadContext& context)
{
    const RecordReader record(bytes);
    LoadFindings findings;

    // The coupling records are globals: they are in place before any input is set.
    p.climateCoupling = record.coupling(recordField("climateCoupling").offset).value_or(defaultClimateCoupling());
    p.buildingCoupling = record.coupling(recordField("buildingCoupling").offset).value_or(defaultBuildingCoupling());
    p.lastClimateCoupling = record.coupling(recordField("lastClimateCoupling").offset).value_or(defaultClimateCoupling());

    // Pipe window and basement.
    setInOrder(p, record, {Param::kellerinnentemp, Param::kellerkwert, Param::AbstandzwRohren, Param::rohranzahl,
                           Param::rohrlnge, Param::rohrdurchmesser, Param::verlegungstiefe, Param::AbsGebaeude,
                           Param::VentilatorVor});
    p.SegmentDepth = record.segmentTable(recordField("SegmentDepth"), recordField("SegmentDepthMarks"),
                                         recordField("VariableDepth"));
    p.SegmentBuildingDistance = record.segmentTable(recordField("SegmentBuildingDistance"),
                                                    recordField("SegmentBuildingDistanceMarks"),
                                                    recordField("VariableBuildingDistance"));

    // Soil: the values, then the soil type's text (which a typed value would have replaced).
    setInOrder(p, record, {Param::dichte, Param::wrmekapazitt, Param::wrmeleitfhigkeit, Param::Grundwassertiefe});
    p.erdreich = text(record, "erdreich");
    const SoilPreset& startSoil = soilPresets()[kDefaultSoilPreset];
    if (p.erdreich == startSoil.name.de && context.language == Language::English) p.erdreich = startSoil.name.en;

    // Climate: the key first, so that the rules know the model. A key of no known model selects
    // none and is kept, so that saving gives the file back as it came.
    p.klimaModell = text(record, "klimaModell");
    setInOrder(p, record, {Param::max_monatsmittel, Param::jahresmittel, Param::min_monatsmittel,
                           Param::monat_sinusspitze, Param::tag_sinusspitze});
    const std::int32_t region = static_cast<std::int32_t>(record.value(Param::klimaregion));
    setAsTyped(p, Param::klimaregion, region > 12 ? kFallbackRegionIndex : region);
    if (p.klimaModell == kStationModel) setAsTyped(p, Param::AuswKlimastation, region - kStationOffset);
    if (p.klimaModell == kFileModel) {
        findings.reacceptClimateFile = true;
        findings.chooseClimateFile = !p.lastClimateCoupling.valid;
    } else {
        ClimateContext scratch;
        findings.climateMessage = applyLoadedClimateModel(p, context.climate ? *context.climate : scratch);
    }

    // HVAC: every mode but "quasistat" takes the building file, as files of other versions and
    // installations may spell it.
    p.HlkModus = text(record, "HlkModus") == "quasistat" ? "quasistat" : "sim";
    setInOrder(p, record, {Param::solltemp, Param::kuehlgrenztemp, Param::heizgrenztemp, Param::EWT_offset,
                           Param::EWT_Reg_offset});
    p.calendar = record.calendar();
    setInOrder(p, record, {Param::geb_vol, Param::luftwechsel, Param::luftstrom, Param::druckabfallPa_fest,
                           Param::wirkungsgrad});
    if (p.HlkModus != "quasistat") {
        findings.reacceptBuildingFile = true;
        findings.chooseBuildingFile = !p.buildingCoupling.valid;
    }

    // Costs.
    setInOrder(p, record, {Param::rohrpreis, Param::grabungspreis, Param::fest_inv, Param::wartungskosten_pz,
                           Param::lebensdauer, Param::heizpreis, Param::khlpreis, Param::strompreis, Param::zinssatz,
                           Param::inflation, Param::einflation});

    p.RecalcNeeded = true;
    p.OptRecalcNeeded = true;
    p.modified = false;
    return findings;
}

}  // namespace talp
