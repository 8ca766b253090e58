#include "core/hvac.h"

#include <cmath>

#include "core/numeric.h"

namespace talp {

FanEnergy BerechneVentLstg(int pipeCount, long double r, long double L, long double airFlow,
                           long double fixedPressureDrop, long double fanEfficiency)
{
    if (airFlow == 0.0L) return {};
    const long double n = pipeCount;
    // Kinematic viscosity of air fixed at 1.4e-5 m²/s; 1.8 joins the hour-to-second factor
    // and the millimetre radius.
    const long double reynolds = airFlow / (n * 1.8L * 3.14L * r * 1.4e-5L);
    const long double friction = 0.3164L / Potenz(reynolds, 0.25L);  // Blasius
    const long double velocityTerm = airFlow * 1e6L / (n * 3600.0L * 3.14L);
    // (λ L / d + 1) ρ/2 w²: one velocity head for inlet and outlet, air density 1.29 kg/m³.
    const long double pressureDrop =
        (friction * L + 0.002L * r) * 1.29L * 250.0L / Potenz(r, 5.0L) * (velocityTerm * velocityTerm);
    return {(fixedPressureDrop + pressureDrop) / (fanEfficiency * 3600.0L), pressureDrop};
}

FanEnergy BerechneVentLstg(const Project& p, int pipeCount, long double radiusMm, long double lengthM,
                           long double airFlow)
{
    return BerechneVentLstg(pipeCount, radiusMm, lengthM, airFlow, p.get(Param::druckabfallPa_fest),
                            p.get(Param::wirkungsgrad));
}

FanDisplay VentLstgUpdate(const Project& p)
{
    const long double flow = p.get(Param::luftstrom);
    const FanEnergy fan = BerechneVentLstg(p, p.getInt(Param::rohranzahl), p.get(Param::rohrdurchmesser) / 2.0L,
                                           p.get(Param::rohrlnge), flow);
    const auto shown = [](long double v) { return KuerzeDezimalen(formatGeneral(v)); };
    FanDisplay d;
    // Without air flow the fan stands still: no pressure to overcome, no power.
    if (flow == 0.0L) return {"0", "0", "0", "0"};
    d.ventilatorleistung = shown(fan.specificEnergy);
    d.ventilatorleistungW = shown(flow * fan.specificEnergy);
    d.druckabfallPam = shown(fan.pipePressureDrop / p.get(Param::rohrlnge));
    d.druckabfallPa_Ges = shown(p.get(Param::druckabfallPa_fest) + fan.pipePressureDrop);
    return d;
}

HvacVisibility hvacVisibility(const Project& p)
{
    HvacVisibility v;
    v.periodButton = !p.isChecked(Param::EWT_Reg_offset);
    if (!ventilationFileInUse(p)) return v;

    const CouplingRecord& file = p.buildingCoupling;
    if (file.columnOf('V') >= 0) {
        v.flowInputs = v.setPoint = v.limits = v.fanDisplays = false;
        v.efficiency = v.offset = v.controlChoice = v.periodButton = false;
    }
    if (file.columnOf('P') >= 0) v.fanDisplays = v.fixedPressureDrop = v.efficiency = false;
    if (file.columnOf('S') >= 0) v.setPoint = false;
    return v;
}

HvacRules hvacRules(const Project& p)
{
    const HvacVisibility v = hvacVisibility(p);
    HvacRules rules;
    if (ventilationFileInUse(p)) {
        rules.flowColumn = p.buildingCoupling.columnOf('V');
        rules.setPointColumn = p.buildingCoupling.columnOf('S');
        rules.fanPowerColumn = p.buildingCoupling.columnOf('P');
        rules.flowFromFile = rules.flowColumn >= 0;
        rules.setPointFromFile = rules.setPointColumn >= 0;
        rules.fanPowerFromFile = rules.fanPowerColumn >= 0;
    }
    const bool byRange = p.isChecked(Param::EWT_Reg_offset);
    rules.controlByPeriod = v.controlChoice && !byRange;
    rules.limitRule = !rules.controlByPeriod && v.limits;
    rules.offset = (byRange && v.controlChoice && v.offset) ? p.get(Param::EWT_offset) : -100.0L;
    return rules;
}

namespace {
long double flowFromAirChange(const Project& p)
{
    return std::nearbyint(p.get(Param::geb_vol) * p.get(Param::luftwechsel) * 10.0L) / 10.0L;
}
}  // namespace

void applyBuildingVolumeChange(Project& p)
{
    // The new flow runs the flow's own rule: the air change is derived again from the flow
    // as rounded to 0.1 m³/h (0.37 1/h in 1 m³ gives 0.4 m³/h, which is 0.40 1/h).
    p.set(Param::luftstrom, flowFromAirChange(p));
    applyAirFlowChange(p);
}

void applyAirChangeChange(Project& p) { p.set(Param::luftstrom, flowFromAirChange(p)); }

void applyAirFlowChange(Project& p)
{
    const long double volume = p.get(Param::geb_vol);
    const long double airChange = p.get(Param::luftstrom) / volume;
    const long double maxAirChange = paramSpec(Param::luftwechsel).maxValue;
    if (airChange <= maxAirChange) {
        p.set(Param::luftwechsel, std::nearbyint(airChange * 100.0L) / 100.0L);
    } else {
        p.set(Param::luftwechsel, maxAirChange);
        p.set(Param::luftstrom, std::nearbyint(volume * maxAirChange * 10.0L) / 10.0L);
    }
}

}  // namespace talp
