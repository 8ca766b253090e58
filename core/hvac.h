#pragma once
// Ventilation and HVAC operation: the fan's pressure drop and power, the consistency of
// building volume, air change and air flow, and which control rules apply.

#include <string>

#include "core/project.h"

namespace talp {

struct FanEnergy {
    long double specificEnergy = 0;    // e in Wh/m³ (= W per m³/h)
    long double pipePressureDrop = 0;  // Δp_R in Pa
};

// Specific fan energy for n pipes of radius r (mm) and length L (m) carrying the air
// flow V̇ (m³/h), with the fixed pressure drop and the fan efficiency of the HVAC inputs.
FanEnergy BerechneVentLstg(int pipeCount, long double radiusMm, long double lengthM, long double airFlow,
                           long double fixedPressureDrop, long double fanEfficiency);
FanEnergy BerechneVentLstg(const Project& project, int pipeCount, long double radiusMm, long double lengthM,
                           long double airFlow);

// The four read-only fields of the HVAC window, as shown (through KuerzeDezimalen).
struct FanDisplay {
    std::string ventilatorleistung;   // Wh/m³
    std::string ventilatorleistungW;  // W
    std::string druckabfallPam;       // Pa/m
    std::string druckabfallPa_Ges;    // Pa
};
FanDisplay VentLstgUpdate(const Project& project);

// Which HVAC inputs the window shows. A hidden input's rule does not apply: the
// simulation and the window both ask this one function.
struct HvacVisibility {
    bool flowInputs = true;        // geb_vol, luftwechsel, luftstrom
    bool setPoint = true;          // solltemp
    bool limits = true;            // heizgrenztemp, kuehlgrenztemp
    bool fanDisplays = true;       // the four derived fields
    bool fixedPressureDrop = true; // druckabfallPa_fest
    bool efficiency = true;        // wirkungsgrad
    bool offset = true;            // EWT_offset
    bool controlChoice = true;     // EWT_Reg_offset / EWT_Reg_Zeitraum
    bool periodButton = false;     // zeitraumdetails
};
HvacVisibility hvacVisibility(const Project& project);

// The rules of one run, derived from the visibility.
struct HvacRules {
    bool flowFromFile = false;      // "V" column
    bool setPointFromFile = false;  // "S" column
    bool fanPowerFromFile = false;  // "P" column
    bool controlByPeriod = false;   // EWT_Reg_Zeitraum visible and checked
    bool limitRule = false;         // heizgrenztemp < T_o < kuehlgrenztemp switches off
    long double offset = -100;      // EWT_offset, or -100 K when the offset rule is not in force
    int flowColumn = -1, setPointColumn = -1, fanPowerColumn = -1;
};
HvacRules hvacRules(const Project& project);

// Consistency of building volume, air change and air flow (the change handlers of the
// HVAC window). The volume's rule sets the flow and then runs the flow's rule; the rules
// of air change and flow do not run each other.
void applyBuildingVolumeChange(Project& project);  // geb_vol changed
void applyAirChangeChange(Project& project);       // luftwechsel changed
void applyAirFlowChange(Project& project);         // luftstrom changed

// The window's explanatory footnote to the offset.
inline constexpr Text kOffsetFootnote{
    "* Der EWT wird benutzt, wenn die Zuluft dadurch um mindestens den Temperaturoffset näher an der "
    "Solltemperatur ist, als bei Zufuhr von Außenluft",
    "* The earth heat exchanger will be used if, because of it, the temperature of the supply air is, by the "
    "offset, nearer to the set point temperature than the suply of outside air."};

}  // namespace talp
