#pragma once
// The trade-off of a search: its economic combinations and their Pareto fronts. On the
// first front no other combination has both a higher internal rate of return and a higher
// energy contribution (at least as high on both and higher on one); on the second none has
// both a lower investment and a higher energy contribution. The fronts are taken from
// whatever sys/OptFile.dat holds, so they serve the random search as well as the
// exhaustive one.
//
// The record holds energy and rate only. The investment needs no simulation and is
// priced for every combination; the payback time needs the year's split into heating and
// cooling and its operating hours, so the fronts' combinations are simulated and costed
// again on the fast path.

#include <optional>
#include <vector>

#include "core/project.h"
#include "evaluation/combination_costing.h"
#include "evaluation/combination_record.h"
#include "evaluation/optimisation_catalogue.h"

namespace talp {

enum class FrontView { RateAndEnergy = 0, InvestmentAndEnergy = 1 };

// An economic combination as the trade-off views show it.
struct TradeOffPoint {
    CombinationRecord record;
    long long recordNumber = 0;        // in sys/OptFile.dat, from 0
    long double investment = 0;        // €
    long double airVelocity = 0;       // m/s at the project's air flow
    bool aboveVelocityLimit = false;   // shown in the cloud, never on a front
};

std::vector<TradeOffPoint> tradeOffPoints(const Project& project, const OptimisationOptions& options,
                                          const std::vector<CombinationRecord>& economicRecords);

// The indices of the points no other point beats on both objectives, larger being better
// on each; of equal points the first counts. In descending order of the first objective.
std::vector<std::size_t> nonDominated(const std::vector<std::pair<long double, long double>>& objectives);

// The front of a view among the points within the velocity limit, as indices into `points`
// in ascending order of the view's x value (rate, or investment).
std::vector<std::size_t> paretoFront(const std::vector<TradeOffPoint>& points, FrontView view);

struct TradeOff {
    std::vector<TradeOffPoint> points;
    std::vector<std::size_t> rateFront;
    std::vector<std::size_t> investmentFront;
    // Per point, the payback time in years; costed for the fronts' points only.
    std::vector<std::optional<long double>> payback;

    const std::vector<std::size_t>& front(FrontView view) const
    {
        return view == FrontView::RateAndEnergy ? rateFront : investmentFront;
    }
};

// The points of the economic records, both fronts and their payback times.
TradeOff tradeOffOf(const Project& project, const OptimisationOptions& options,
                    const std::vector<CombinationRecord>& economicRecords, const CombinationCosting& costing);

}  // namespace talp
