#include "core/fast_simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/fast_kernel.h"
#include "core/hvac.h"

namespace talp {

using fast::HourBlock;
using fast::kBlock;
using fast::PipeConstants;

namespace {

// The constants of the calculation, with the decimals the model has always used.
constexpr double kTwoPi = 6.283185308;
constexpr double kPi = 3.141592654;
constexpr double kInvPi = 0.3183098861;
constexpr double kYearSeconds = 31536000.0;
constexpr double kDaySeconds = 86400.0;
constexpr double kSurfaceCoupling = 7.142857142857;  // 1 / 0.14

double arcosh(double u) { return std::log(u + std::sqrt(u * u - 1.0)); }

// Finite without asking the floating-point environment, so that the test holds under any
// optimisation of this file's arithmetic.
bool finiteBits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return ((bits >> 52) & 0x7FF) != 0x7FF;
}

std::optional<Text> pipeConstants(const Project& p, const RunGeometry& g, PipeConstants& c)
{
    const long double r = g.pipeRadiusMm / 1000.0L;
    const long double z = g.depth;
    const long double groundwater = p.get(Param::Grundwassertiefe);
    if (groundwater < z + r) return kGroundwaterTooShallow;
    if (z <= r) return kDepthBelowRadius;

    const double rd = static_cast<double>(r), zd = static_cast<double>(z), G = static_cast<double>(groundwater);
    const double soilCapacity = static_cast<double>(p.get(Param::wrmekapazitt)) * 1000.0;
    c.soilConductivity = static_cast<double>(p.get(Param::wrmeleitfhigkeit));
    const double dampingPerMetre =
        std::sqrt(kPi * static_cast<double>(p.get(Param::dichte)) * soilCapacity / (kYearSeconds * c.soilConductivity));
    c.radius = rd;
    c.segmentLength = static_cast<double>(g.pipeLength) * 0.01;
    c.damping = zd * dampingPerMetre;
    c.dampingFactor = std::exp(-c.damping);
    c.surfaceFactor = std::exp(-zd * c.damping * kSurfaceCoupling);
    c.basementRatio = c.damping / zd * c.soilConductivity / static_cast<double>(p.get(Param::kellerkwert));
    c.basementFactor = std::exp(-(c.damping * static_cast<double>(g.buildingDistance) / zd));
    const double piR2G = kPi * rd / (2.0 * G);
    const double A = std::sin(kPi * zd / G) * G * kInvPi / rd * (1.0 + piR2G * piR2G);
    c.wallResists = A > 1.0;
    c.arcoshA = c.wallResists ? arcosh(A) : 0.0;
    const double n = g.pipeCount;
    const double influenceLength = kTwoPi * zd / arcosh(zd / rd);
    const double spacing = static_cast<double>(g.spacing);
    if (g.pipeCount > 1 && influenceLength > spacing) {
        const double overlap = 1.0 - spacing / influenceLength;
        c.pipeFactor = n - overlap * overlap * (n - 1.0);
    } else {
        c.pipeFactor = n;
    }
    c.fanSegment = g.fanBefore ? 1 : kSegments;
    return std::nullopt;
}

}  // namespace

std::optional<FastHourlyInputs> prepareFastInputs(const Project& p, const HourlyFileOpener& openHourlyFile)
{
    const HvacRules rules = hvacRules(p);
    FastHourlyInputs in;
    const std::size_t hours = kHoursPerYear;
    in.outdoor.resize(hours);
    in.flow.assign(hours, static_cast<double>(p.get(Param::luftstrom)));
    in.setPoint.assign(hours, static_cast<double>(p.get(Param::solltemp)));
    in.filePower.assign(hours, 0.0);
    in.switchedOff.assign(hours, 0);
    in.fanPowerFromFile = rules.fanPowerFromFile;
    in.offset = static_cast<double>(rules.offset);

    const auto readAll = [&](const CouplingRecord& record, const auto& store) {
        std::unique_ptr<HourlyReader> reader = openHourlyFile ? openHourlyFile(record) : nullptr;
        if (!reader) return false;
        HourlyValues line{};
        for (std::size_t i = 0; i < hours; ++i) {
            if (!reader->readLine(line)) return false;
            store(i, line);
        }
        return true;
    };
    const auto column = [](const HourlyValues& line, int c) { return static_cast<double>(line[static_cast<std::size_t>(c)]); };

    if (climateFileInUse(p)) {
        if (!readAll(p.climateCoupling, [&](std::size_t i, const HourlyValues& line) { in.outdoor[i] = column(line, 0); }))
            return std::nullopt;
    } else {
        // The sine model, computed in extended precision as the interactive path does.
        const long double annualMean = p.get(Param::jahresmittel);
        const long double amplitude = p.get(Param::max_monatsmittel) - annualMean;
        const long double peakTime =
            (p.get(Param::tag_sinusspitze) + daysBeforeMonth(p.getInt(Param::monat_sinusspitze))) * 86400.0L;
        for (int d = 1; d <= kDaysPerYear; ++d) {
            const long double phase = 6.283185308L * ((d - 1) * 86400.0L - peakTime) / 31536000.0L;
            const long double dailyMean = std::cos(phase) * amplitude + annualMean;
            for (int h = 1; h <= kHoursPerDay; ++h)
                in.outdoor[static_cast<std::size_t>((d - 1) * kHoursPerDay + h - 1)] =
                    static_cast<double>(dailyMean + 6.0L * std::cos((h - 15) * 6.283185308L / 24.0L));
        }
    }
    if (ventilationFileInUse(p)) {
        const bool ok = readAll(p.buildingCoupling, [&](std::size_t i, const HourlyValues& line) {
            if (rules.flowFromFile) in.flow[i] = column(line, rules.flowColumn);
            if (rules.setPointFromFile) in.setPoint[i] = column(line, rules.setPointColumn);
            if (rules.fanPowerFromFile) in.filePower[i] = column(line, rules.fanPowerColumn);
        });
        if (!ok) return std::nullopt;
    }

    const long double heatingLimit = p.get(Param::heizgrenztemp), coolingLimit = p.get(Param::kuehlgrenztemp);
    for (int d = 1; d <= kDaysPerYear; ++d) {
        const bool calendarOff = rules.controlByPeriod && !p.calendar.isOnDayOfYear(d);
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const std::size_t i = static_cast<std::size_t>((d - 1) * kHoursPerDay + h - 1);
            const long double To = in.outdoor[i];
            bool off = calendarOff;
            if (!rules.controlByPeriod && rules.limitRule && heatingLimit < To && To < coolingLimit) off = true;
            if (in.flow[i] < 0.1) off = true;
            in.switchedOff[i] = off;
        }
    }
    return in;
}

FastRunOutcome fastAnnualRun(const Project& p, const FastHourlyInputs& in, const RunGeometry& g, FastRunResults& res,
                             bool keepHourly, std::atomic<int>* hoursDone)
{
    res = FastRunResults{};
    PipeConstants c{};
    if (auto error = pipeConstants(p, g, c)) return {false, error};

    const std::size_t hours = kHoursPerYear;
    if (keepHourly) {
        res.outletTemp.assign(hours, 0.0);
        res.heatGain.assign(hours, 0.0);
        res.airFlow.assign(hours, 0.0);
        res.soilTemp.assign(hours, 0.0);
        for (int k = 0; k < kSamples; ++k) {
            res.sampleAirTemp[static_cast<std::size_t>(k)].assign(hours, 0.0);
            res.sampleWallTemp[static_cast<std::size_t>(k)].assign(hours, 0.0);
        }
    }

    // The soil of every hour: the damped annual wave, pulled towards the outdoor air near the
    // surface and towards the basement near the building.
    const double annualMean = static_cast<double>(p.get(Param::jahresmittel));
    const double amplitude = static_cast<double>(p.get(Param::max_monatsmittel)) - annualMean;
    const double peakTime =
        static_cast<double>((p.get(Param::tag_sinusspitze) + daysBeforeMonth(p.getInt(Param::monat_sinusspitze))) * 86400.0L);
    const double basementTemp = static_cast<double>(p.get(Param::kellerinnentemp));
    std::vector<double> soil(hours);
    for (int d = 1; d <= kDaysPerYear; ++d) {
        const double phase = kTwoPi * ((d - 1) * kDaySeconds - peakTime) / kYearSeconds;
        const double wave = annualMean + c.dampingFactor * amplitude * std::cos(phase - c.damping);
        for (int h = 0; h < kHoursPerDay; ++h) {
            const std::size_t i = static_cast<std::size_t>((d - 1) * kHoursPerDay + h);
            double Ts = wave + c.surfaceFactor * (in.outdoor[i] - wave);
            const double Tm = (c.basementRatio * Ts + basementTemp) / (c.basementRatio + 1.0);
            soil[i] = Ts + c.basementFactor * (Tm - Ts);
        }
    }

    // The fan's power for the hour's flow; the flow rarely changes from hour to hour.
    double lastFlow = -1, lastPower = 0;
    const auto fanPower = [&](std::size_t i) {
        if (in.fanPowerFromFile) return in.filePower[i];
        if (in.flow[i] != lastFlow) {
            lastFlow = in.flow[i];
            lastPower = static_cast<double>(
                BerechneVentLstg(p, g.pipeCount, g.pipeRadiusMm, g.pipeLength, in.flow[i]).specificEnergy * in.flow[i]);
        }
        return lastPower;
    };

    long double heatingEfficiencySum = 0, coolingEfficiencySum = 0;
    long long heatingHours = 0, coolingHours = 0;
    // The totals in hour order, as the interactive path sums them.
    const auto account = [&](std::size_t i, bool operating, double outlet, double heat) {
        const double To = in.outdoor[i], Ts = soil[i];
        if (operating) {
            res.OperatingHours += 1;
            res.MaxOutletTemp = std::max<long double>(res.MaxOutletTemp, outlet);
            res.MinOutletTemp = std::min<long double>(res.MinOutletTemp, outlet);
        }
        res.MaxOutdoorTemp = std::max<long double>(res.MaxOutdoorTemp, To);
        res.MinOutdoorTemp = std::min<long double>(res.MinOutdoorTemp, To);
        if (heat > 0) res.HeatingEnergy += heat;
        else res.CoolingEnergy += -heat;
        if (heat != 0 && Ts != To) {
            const long double efficiency = (static_cast<long double>(outlet) - To) / (static_cast<long double>(Ts) - To);
            if (heat > 0) {
                heatingEfficiencySum += efficiency;
                ++heatingHours;
            } else {
                coolingEfficiencySum += efficiency;
                ++coolingHours;
            }
        }
        if (!keepHourly) return;
        res.outletTemp[i] = operating ? outlet : Ts;
        res.heatGain[i] = heat;
        res.airFlow[i] = operating ? in.flow[i] : 0.0;
        res.soilTemp[i] = Ts;
    };

    const fast::AirPolynomials* polynomials = fast::airPolynomials();
    static thread_local HourBlock block;
    HourBlock& b = block;
    const double r = c.radius, n = g.pipeCount;
    std::size_t next = 0;
    while (next < hours) {
        // Gather the next hours that no rule switches off; the hours between are accounted as
        // they come, so the totals keep hour order.
        b.count = 0;
        std::size_t first = next;
        for (; next < hours && b.count < kBlock; ++next) {
            if (in.switchedOff[next]) continue;
            const int k = b.count++;
            b.hour[k] = static_cast<int>(next);
            b.To[k] = in.outdoor[next];
            b.Ts[k] = soil[next];
            b.flow[k] = in.flow[next];
            b.velocity[k] = in.flow[next] / n / 3600.0 / (kPi * r * r);
            b.fanPower[k] = fanPower(next);
        }
        fast::computeBlock(c, polynomials, b, keepHourly);

        int k = 0;
        for (std::size_t i = first; i < next; ++i) {
            if (in.switchedOff[i]) {
                account(i, false, 0.0, 0.0);
                if (keepHourly)
                    for (int s = 0; s < kSamples; ++s) {
                        res.sampleAirTemp[static_cast<std::size_t>(s)][i] = soil[i];
                        res.sampleWallTemp[static_cast<std::size_t>(s)][i] = soil[i];
                    }
                continue;
            }
            const double T = b.T[k], heat = b.heat[k];
            // A floating-point fault (a vanishing film conductance, an overflow) fails the run.
            if (!finiteBits(T) || !finiteBits(heat)) return {false, std::nullopt};
            const double To = in.outdoor[i], setPoint = in.setPoint[i];
            const bool operating = !(std::fabs(setPoint - T) > std::fabs(setPoint - To) - in.offset);
            account(i, operating, T, operating ? heat : 0.0);
            if (keepHourly)
                for (int s = 0; s < kSamples; ++s) {
                    res.sampleAirTemp[static_cast<std::size_t>(s)][i] = operating ? b.sampleAir[s][k] : soil[i];
                    res.sampleWallTemp[static_cast<std::size_t>(s)][i] = operating ? b.sampleWall[s][k] : soil[i];
                }
            ++k;
        }
        if (hoursDone) hoursDone->store(static_cast<int>(next), std::memory_order_relaxed);
    }
    res.HeatingEfficiency = heatingHours > 0 ? heatingEfficiencySum / heatingHours : 0.0L;
    res.CoolingEfficiency = coolingHours > 0 ? coolingEfficiencySum / coolingHours : 0.0L;
    return {true, std::nullopt};
}

}  // namespace talp
