#include "core/simulation.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "core/hvac.h"
#include "core/moist_air.h"

namespace talp {

namespace {

// The constants of the calculation, with the decimals the model has always used.
constexpr long double kTwoPi = 6.283185308L;
constexpr long double kPi = 3.141592654L;
constexpr long double kInvPi = 0.3183098861L;
constexpr long double kYearSeconds = 31536000.0L;  // τ, period of the annual wave
constexpr long double kDaySeconds = 86400.0L;
constexpr long double kSurfaceCoupling = 7.142857142857L;  // 1 / 0.14

long double arcosh(long double u) { return std::log(u + std::sqrt(u * u - 1.0L)); }

// Everything of a segment that does not change during a run.
struct SegmentConstants {
    long double influenceLength;   // S
    long double damping;           // D
    long double dampingFactor;     // e^(-D)
    long double surfaceFactor;     // e^(-z D / 0.14)
    long double basementRatio;     // J
    long double basementFactor;    // e^(-H)
    bool wallResists;              // A > 1
    long double arcoshA;
    long double pipeFactor;        // effective number of pipes
};

const long double kPrandtlTerm = Potenz(0.72L, 0.4L);  // Prandtl number fixed at 0.72

}  // namespace

long double prandtlTerm() { return kPrandtlTerm; }

long double humidityRatio(long double T) { return humidityRatioAt(T, kModelRelativeHumidity, kModelAirPressure); }

MoistAir moistAir(long double x, long double T, long double p)
{
    const long double TK = T + 273.15L;
    MoistAir air;
    air.density = (1.0L + x) / (287.0L * TK / p + 462.0L * x * TK / p);
    air.heatCapacity = (x * 1880.0L * (1.0L + 0.00022L * T) + 1006.0L * (1.0L + 5e-7L * T * T)) / (1.0L + x);
    const long double vapourPressure = p * x / (0.622L + x);
    // Powers of the reduced temperature θ = T_K / 273.15 share one logarithm.
    const long double theta = TK / 273.15L;
    const long double lnTheta = std::log(theta);
    const long double etaVapour = 8.1e-6L * std::exp(1.25L * std::log(theta + 1.0L));
    const long double etaAir = 1.72e-5L * std::exp(0.7L * lnTheta);
    air.viscosity = (vapourPressure * etaVapour + (p - vapourPressure) * etaAir) / p;
    const long double lambdaVapour = 0.0182L * std::exp((0.87L + 0.001L * T) * lnTheta);
    const long double lambdaAir = 0.02454L * std::exp(0.83L * lnTheta);
    air.conductivity = lambdaVapour * vapourPressure / p + (1.0L - vapourPressure / p) * lambdaAir;
    return air;
}

AirProperties Stoffwerte(long double w, long double x, long double T, long double p, long double r)
{
    const MoistAir air = moistAir(x, T, p);
    const long double reynolds = w * 2.0L * r * air.density / air.viscosity;
    const long double nusselt = 0.0214L * (Potenz(reynolds, 0.8L) - 100.0L) * kPrandtlTerm;
    return {air.density, air.heatCapacity, nusselt * air.conductivity / (2.0L * r)};
}

RunGeometry geometryOf(const Project& p, int day)
{
    RunGeometry g;
    g.pipeCount = p.getInt(Param::rohranzahl);
    g.day = day;
    g.fanBefore = p.isChecked(Param::VentilatorVor);
    g.pipeLength = p.get(Param::rohrlnge);
    g.pipeRadiusMm = p.get(Param::rohrdurchmesser) * 0.5L;
    g.spacing = p.get(Param::AbstandzwRohren);
    g.depth = p.get(Param::verlegungstiefe);
    g.buildingDistance = p.get(Param::AbsGebaeude);
    g.variableDepth = p.SegmentDepth.variable;
    g.variableBuildingDistance = p.SegmentBuildingDistance.variable;
    return g;
}

namespace {

// What one hour contributes to the run's totals; the result arrays are written directly.
struct HourOutcome {
    bool computed = false;  // false: a fault ended the run in this hour
    bool operating = false;
    long double outdoor = 0, outlet = 0, soil = 0, heat = 0;
};

// The outdoor and ventilation lines of the hours of a run, read before the hours are
// computed so that the hours can be computed in any order.
struct HourlyLines {
    std::vector<HourlyValues> climate, ventilation;
};

class Run {
public:
    Run(const Project& project, const RunGeometry& geometry, SimulationResults& results,
        const SimulationHooks& hooks)
        : p_(project), g_(geometry), res_(results), hooks_(hooks), rules_(hvacRules(project))
    {
    }

    SimulationOutcome execute()
    {
        resetWorkingTotals();
        res_.geometry = g_;
        const SimulationOutcome outcome = simulate();
        if (g_.day <= 0) copyAnnualSummary();
        return outcome;
    }

private:
    SimulationOutcome simulate()
    {
        firstDay_ = g_.day <= 0 ? 1 : g_.day;
        lastDay_ = g_.day <= 0 ? kDaysPerYear : g_.day;
        const int hours = (lastDay_ - firstDay_ + 1) * kHoursPerDay;
        const int readable = readHourlyLines(hours);
        if (readable < 0) return {};
        if (auto error = prepareSegments()) {
            // The checks run in the first hour, after its lines were read.
            if (readable == 0) return {};
            return {false, false, Message{kParameterErrorTitle, *error, MessageKind::Error, true}};
        }

        outcomes_.assign(static_cast<std::size_t>(hours), HourOutcome{});
        computeHours(readable);
        for (int i = 0; i < hours; ++i) {
            const HourOutcome& hour = outcomes_[static_cast<std::size_t>(i)];
            if (!hour.computed) return {false, cancelled_.load(), {}};
            accumulate(hour);
        }
        return {true, false, {}};
    }

    // Opens the coupled files, skips to the first day of the run and reads one line per
    // hour of the run. Returns the number of hours whose lines could be read (a missing or
    // malformed line ends the run in its hour), or -1 when a file cannot be opened or
    // skipped to the run's first day.
    int readHourlyLines(int hours)
    {
        const int skipLines = (firstDay_ - 1) * kHoursPerDay;
        int readable = hours;
        const auto read = [&](const CouplingRecord& record, std::vector<HourlyValues>& lines) {
            std::unique_ptr<HourlyReader> reader = hooks_.openHourlyFile ? hooks_.openHourlyFile(record) : nullptr;
            if (!reader) return false;
            HourlyValues ignored{};
            for (int i = 0; i < skipLines; ++i)
                if (!reader->readLine(ignored)) return false;
            lines.assign(static_cast<std::size_t>(hours), HourlyValues{});
            for (int i = 0; i < readable; ++i)
                if (!reader->readLine(lines[static_cast<std::size_t>(i)])) readable = i;
            return true;
        };
        if (climateFileInUse(p_) && !read(p_.climateCoupling, lines_.climate)) return -1;
        if (ventilationFileInUse(p_) && !read(p_.buildingCoupling, lines_.ventilation)) return -1;
        return readable;
    }

    // Computes the first `hours` hours of the run. The hours of the quasi-stationary model
    // are independent: a full year is shared out in blocks of days among worker threads;
    // the totals are summed afterwards in hour order, so the result does not depend on the
    // number of threads.
    void computeHours(int hours)
    {
        const int days = (hours + kHoursPerDay - 1) / kHoursPerDay;
        const int threads = days > 1 ? workerCount() : 1;
        const auto work = [this, hours](bool reportsProgress) {
            FanPowerMemo fan;
            DayWaves waves;
            for (;;) {
                const int block = nextBlock_.fetch_add(1);
                const int firstHour = block * kBlockDays * kHoursPerDay;
                if (firstHour >= hours) return;
                const int endHour = std::min(hours, firstHour + kBlockDays * kHoursPerDay);
                for (int i = firstHour; i < endHour; ++i) {
                    if (stop_.load(std::memory_order_relaxed)) return;
                    if (hooks_.cancel && hooks_.cancel->load(std::memory_order_relaxed)) {
                        cancelled_ = true;
                        stop_ = true;
                        return;
                    }
                    const int d = firstDay_ + i / kHoursPerDay, h = i % kHoursPerDay + 1;
                    HourOutcome& outcome = outcomes_[static_cast<std::size_t>(i)];
                    outcome = simulateHour(d, h, i, fan, waves);
                    if (!outcome.computed) {
                        stop_ = true;  // later hours no longer count
                        return;
                    }
                    const int done = hoursDone_.fetch_add(1) + 1;
                    if (reportsProgress && hooks_.progress)
                        hooks_.progress(firstDay_ + (done - 1) / kHoursPerDay, (done - 1) % kHoursPerDay + 1);
                }
            }
        };
        std::vector<std::thread> workers;
        for (int t = 1; t < threads; ++t) workers.emplace_back(work, false);
        work(true);
        for (std::thread& w : workers) w.join();
        // The bar ends full when other threads computed the last hours.
        const int done = hoursDone_.load();
        if (hooks_.progress && threads > 1 && done > 0 && !stop_.load())
            hooks_.progress(firstDay_ + (done - 1) / kHoursPerDay, (done - 1) % kHoursPerDay + 1);
    }

    int workerCount() const
    {
        if (hooks_.threads > 0) return hooks_.threads;
        return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
    }

    // Geometry, damping and influence length of every segment; the two parameter checks.
    std::optional<Text> prepareSegments()
    {
        // Millimetres to metres by division, so that a depth equal to the radius is seen as
        // equal (500 mm * 0.001 falls short of 0.5 m in binary).
        const long double r = g_.pipeRadiusMm / 1000.0L;
        const long double groundwater = p_.get(Param::Grundwassertiefe);
        const long double soilDensity = p_.get(Param::dichte);
        const long double soilCapacity = p_.get(Param::wrmekapazitt) * 1000.0L;
        soilConductivity_ = p_.get(Param::wrmeleitfhigkeit);
        const long double dampingPerMetre = std::sqrt(kPi * soilDensity * soilCapacity / (kYearSeconds * soilConductivity_));
        const long double basementU = p_.get(Param::kellerkwert);
        const long double n = g_.pipeCount;

        for (int s = 1; s <= kSegments; ++s) {
            const long double z = g_.variableDepth ? p_.SegmentDepth.at(s) : g_.depth;
            const long double b = g_.variableBuildingDistance ? p_.SegmentBuildingDistance.at(s) : g_.buildingDistance;
            if (groundwater < z + r) return kGroundwaterTooShallow;
            if (z <= r) return kDepthBelowRadius;

            SegmentConstants& c = segments_[static_cast<std::size_t>(s - 1)];
            c.influenceLength = kTwoPi * z / arcosh(z / r);
            c.damping = z * dampingPerMetre;
            c.dampingFactor = std::exp(-c.damping);
            c.surfaceFactor = std::exp(-z * c.damping * kSurfaceCoupling);
            c.basementRatio = c.damping / z * soilConductivity_ / basementU;
            c.basementFactor = std::exp(-(c.damping * b / z));
            const long double piR2G = kPi * r / (2.0L * groundwater);
            const long double A = std::sin(kPi * z / groundwater) * groundwater * kInvPi / r * (1.0L + piR2G * piR2G);
            c.wallResists = A > 1.0L;
            c.arcoshA = c.wallResists ? arcosh(A) : 0.0L;
            if (g_.pipeCount > 1 && c.influenceLength > g_.spacing) {
                const long double overlap = 1.0L - g_.spacing / c.influenceLength;
                c.pipeFactor = n - overlap * overlap * (n - 1.0L);
            } else {
                c.pipeFactor = n;
            }
        }

        radius_ = r;
        segmentLength_ = g_.pipeLength * 0.01L;
        annualMean_ = p_.get(Param::jahresmittel);
        amplitude_ = p_.get(Param::max_monatsmittel) - annualMean_;
        basementTemp_ = p_.get(Param::kellerinnentemp);
        peakTime_ = (p_.get(Param::tag_sinusspitze) + daysBeforeMonth(p_.getInt(Param::monat_sinusspitze))) * kDaySeconds;
        for (int h = 1; h <= kHoursPerDay; ++h)
            dailySwing_[static_cast<std::size_t>(h - 1)] = 6.0L * std::cos((h - 15) * kTwoPi / 24.0L);
        return std::nullopt;
    }

    // The fan's power at a flow, kept per worker; the flow rarely changes from hour to hour.
    struct FanPowerMemo {
        bool known = false;
        long double flow = 0, power = 0;
    };

    long double fanPower(long double flow, FanPowerMemo& memo) const
    {
        if (!memo.known || flow != memo.flow) {
            memo.flow = flow;
            memo.power = BerechneVentLstg(p_, g_.pipeCount, g_.pipeRadiusMm, g_.pipeLength, flow).specificEnergy * flow;
            memo.known = true;
        }
        return memo.power;
    }

    // The undisturbed annual wave of one day at every segment's depth, kept per worker: it
    // is the same in all hours of the day, and segments at one depth share it.
    struct DayWaves {
        int day = 0;
        long double dailyMean = 0;
        std::array<long double, kSegments> wave{};
    };

    const DayWaves& wavesOf(int d, DayWaves& waves) const
    {
        if (waves.day == d) return waves;
        waves.day = d;
        const long double phase = kTwoPi * ((d - 1) * kDaySeconds - peakTime_) / kYearSeconds;
        waves.dailyMean = std::cos(phase) * amplitude_ + annualMean_;
        for (std::size_t s = 0; s < segments_.size(); ++s) {
            const SegmentConstants& c = segments_[s];
            const bool sameDepth = s > 0 && c.damping == segments_[s - 1].damping &&
                                   c.dampingFactor == segments_[s - 1].dampingFactor;
            waves.wave[s] = sameDepth ? waves.wave[s - 1]
                                      : annualMean_ + c.dampingFactor * amplitude_ * std::cos(phase - c.damping);
        }
        return waves;
    }

    // One hour of day d: the air's way through the 100 segments and the decision whether
    // the exchanger runs. `index` counts the hours of the run from 0.
    HourOutcome simulateHour(int d, int h, int index, FanPowerMemo& fan, DayWaves& dayWaves)
    {
        const bool chosenDay = g_.day == d;
        const bool fullYear = g_.day <= 0;
        const int hourOfYear = (d - 1) * kHoursPerDay + h;
        const bool keepsSoilProfile = chosenDay || (fullYear && d == lastDay_);

        const auto line = [index](const std::vector<HourlyValues>& lines, int column) {
            return lines[static_cast<std::size_t>(index)][static_cast<std::size_t>(column)];
        };
        const DayWaves& day = wavesOf(d, dayWaves);

        HourOutcome out;
        const long double To = lines_.climate.empty() ? day.dailyMean + dailySwing_[static_cast<std::size_t>(h - 1)]
                                                      : line(lines_.climate, 0);
        long double flow = rules_.flowFromFile ? line(lines_.ventilation, rules_.flowColumn) : p_.get(Param::luftstrom);
        res_.HourlyAirFlow(d, h) = flow;
        const long double power = rules_.fanPowerFromFile ? line(lines_.ventilation, rules_.fanPowerColumn) : fanPower(flow, fan);
        res_.HourlyFanPower(d, h) = power;

        bool inOperation = true;
        if (rules_.controlByPeriod) {
            if (!p_.calendar.isOnDayOfYear(d)) inOperation = false;
        } else if (rules_.limitRule) {
            if (p_.get(Param::heizgrenztemp) < To && To < p_.get(Param::kuehlgrenztemp)) inOperation = false;
        }
        if (flow < 0.1L) {
            inOperation = false;
            flow = 0.1L;
        }

        const long double n = g_.pipeCount;
        const long double r = radius_;
        const long double L = segmentLength_;
        const long double flowPerPipe = flow / n / 3600.0L;
        const long double velocity = flowPerPipe / (kPi * r * r);
        const int fanSegment = g_.fanBefore ? 1 : kSegments;
        std::array<long double, kSegments> soil{};
        long double T = To, Ts = 0, heat = 0;

        for (int s = 1; s <= kSegments; ++s) {
            const SegmentConstants& c = segments_[static_cast<std::size_t>(s - 1)];
            // The undisturbed annual wave, pulled towards the outdoor air near the surface and
            // towards the basement near the building.
            const long double wave = day.wave[static_cast<std::size_t>(s - 1)];
            Ts = wave + c.surfaceFactor * (To - wave);
            const long double Tm = (c.basementRatio * Ts + basementTemp_) / (c.basementRatio + 1.0L);
            Ts = Ts + c.basementFactor * (Tm - Ts);
            soil[static_cast<std::size_t>(s - 1)] = Ts;
            if (keepsSoilProfile) res_.DaySoilTemp(h, s) = Ts;

            long double Tw = Ts, Q = 0;
            if (!inOperation) {
                // The air takes the soil's temperature and the hour's wall values are
                // replaced by the soil's at the decision, so the air film is not needed.
                T = Ts;
            } else {
                const AirProperties air = Stoffwerte(velocity, humidityRatio(T), T, kAirPressure, r);
                const long double filmConductance = kTwoPi * r * air.heatTransfer;
                if (c.wallResists) {
                    const long double R = (kTwoPi * soilConductivity_ / filmConductance) / c.arcoshA;
                    Tw = (R * Ts + T) / (R + 1.0L);
                }
                Q = L * filmConductance * (Tw - T);
                Q = c.pipeFactor * Q;
                if (s == fanSegment) Q += power;
                T = T + Q / (air.heatCapacity * air.density * flow / 3600.0L);
            }
            // A floating-point fault (a vanishing or negative film conductance at very low
            // flow, an overflow) ends the run before any value reaches a result.
            if (!std::isfinite(T + Tw + Q)) return out;
            heat += Q * 0.001L;

            if (chosenDay) {
                res_.DayAirTemp(h, s) = T;
                res_.DayWallTemp(h, s) = Tw;
                res_.DayHeatFluxDensity(h, s) = Q / (n * L * 2.0L * r * kPi);
                res_.DayOutdoorTemp[static_cast<std::size_t>(h - 1)] = To;
                res_.DayHeatGain[static_cast<std::size_t>(h - 1)] = heat;
            }
            if (fullYear) storeSample(s, hourOfYear, Ts, T, Tw);
        }

        const long double setPoint =
            rules_.setPointFromFile ? line(lines_.ventilation, rules_.setPointColumn) : p_.get(Param::solltemp);
        out.operating = inOperation && !(std::fabs(setPoint - T) > std::fabs(setPoint - To) - rules_.offset);
        if (!out.operating) {
            heat = 0;
            res_.HourlyAirFlow(d, h) = 0;
            res_.HourlyFanPower(d, h) = 0;
            res_.HourlyOutletTemp(d, h) = Ts;
            if (chosenDay) {
                for (int s = 1; s <= kSegments; ++s) {
                    res_.DayAirTemp(h, s) = soil[static_cast<std::size_t>(s - 1)];
                    res_.DayWallTemp(h, s) = soil[static_cast<std::size_t>(s - 1)];
                    res_.DayHeatFluxDensity(h, s) = 0;
                }
                res_.DayHeatGain[static_cast<std::size_t>(h - 1)] = 0;
            }
            if (fullYear) {
                for (int k = 1; k <= kSamples; ++k) {
                    res_.SampleAirTemp(k, hourOfYear) = res_.SampleSoilTemp(k, hourOfYear);
                    res_.SampleWallTemp(k, hourOfYear) = res_.SampleSoilTemp(k, hourOfYear);
                }
            }
        } else {
            res_.HourlyOutletTemp(d, h) = T;
        }
        res_.HourlyHeatGain(d, h) = heat;
        res_.HourlyOutdoorTemp(d, h) = To;

        out.computed = true;
        out.outdoor = To;
        out.outlet = T;
        out.soil = Ts;
        out.heat = heat;
        return out;
    }

    void storeSample(int segment, int hourOfYear, long double Ts, long double T, long double Tw)
    {
        for (int k = 1; k <= kSamples; ++k) {
            if (kSampleSegments[static_cast<std::size_t>(k - 1)] != segment) continue;
            res_.SampleSoilTemp(k, hourOfYear) = Ts;
            res_.SampleAirTemp(k, hourOfYear) = T;
            res_.SampleWallTemp(k, hourOfYear) = Tw;
        }
    }

    // The running totals, in hour order.
    void accumulate(const HourOutcome& hour)
    {
        if (hour.operating) {
            res_.OperatingHoursRun += 1;
            if (hour.outlet > res_.MaxOutletTempRun) res_.MaxOutletTempRun = hour.outlet;
            if (hour.outlet < res_.MinOutletTempRun) res_.MinOutletTempRun = hour.outlet;
        }
        const long double To = hour.outdoor, heat = hour.heat;
        if (To > res_.MaxOutdoorTempRun) res_.MaxOutdoorTempRun = To;
        if (To < res_.MinOutdoorTempRun) res_.MinOutdoorTempRun = To;
        if (heat > 0) res_.HeatingEnergyRun += heat;
        else res_.CoolingEnergyRun += -heat;
        // An hour whose soil equals the outdoor air has no efficiency: it is left out of
        // the mean instead of putting a NaN into it.
        if (heat != 0 && hour.soil != To) {
            const long double efficiency = (hour.outlet - To) / (hour.soil - To);
            if (heat > 0) {
                heatingEfficiencySum_ += efficiency;
                ++heatingHours_;
            } else {
                coolingEfficiencySum_ += efficiency;
                ++coolingHours_;
            }
        }
    }

    // A run overwrites only what it computes: a one-day run keeps the other days' rows.
    void resetWorkingTotals()
    {
        res_.OperatingHoursRun = 0;
        res_.MaxOutletTempRun = -100;
        res_.MinOutletTempRun = 100;
        res_.MaxOutdoorTempRun = -100;
        res_.MinOutdoorTempRun = 100;
        res_.HeatingEnergyRun = 0;
        res_.CoolingEnergyRun = 0;
    }

    void copyAnnualSummary()
    {
        res_.OperatingHours = res_.OperatingHoursRun;
        res_.MaxOutletTemp = res_.MaxOutletTempRun;
        res_.MinOutletTemp = res_.MinOutletTempRun;
        res_.MaxOutdoorTemp = res_.MaxOutdoorTempRun;
        res_.MinOutdoorTemp = res_.MinOutdoorTempRun;
        res_.HeatingEnergy = res_.HeatingEnergyRun;
        res_.CoolingEnergy = res_.CoolingEnergyRun;
        res_.HeatingEfficiency = heatingHours_ > 0 ? heatingEfficiencySum_ / heatingHours_ : 0.0L;
        res_.CoolingEfficiency = coolingHours_ > 0 ? coolingEfficiencySum_ / coolingHours_ : 0.0L;
    }

    static constexpr int kBlockDays = 5;

    const Project& p_;
    const RunGeometry g_;
    SimulationResults& res_;
    const SimulationHooks& hooks_;
    const HvacRules rules_;
    HourlyLines lines_;

    std::array<SegmentConstants, kSegments> segments_{};
    std::array<long double, kHoursPerDay> dailySwing_{};
    long double radius_ = 0, segmentLength_ = 0, soilConductivity_ = 1, annualMean_ = 0, amplitude_ = 0;
    long double basementTemp_ = 0, peakTime_ = 0;
    int firstDay_ = 1, lastDay_ = kDaysPerYear;

    std::vector<HourOutcome> outcomes_;
    std::atomic<int> nextBlock_{0}, hoursDone_{0};
    std::atomic<bool> stop_{false}, cancelled_{false};
    long double heatingEfficiencySum_ = 0, coolingEfficiencySum_ = 0;
    long long heatingHours_ = 0, coolingHours_ = 0;
};

}  // namespace

SimulationOutcome BerechneEWT(const Project& project, const RunGeometry& geometry, SimulationResults& results,
                              const SimulationHooks& hooks)
{
    return Run(project, geometry, results, hooks).execute();
}

}  // namespace talp
