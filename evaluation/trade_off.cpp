#include "evaluation/trade_off.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "core/air_velocity.h"
#include "evaluation/economics.h"

namespace talp {

std::vector<TradeOffPoint> tradeOffPoints(const Project& project, const OptimisationOptions& options,
                                          const std::vector<CombinationRecord>& economicRecords)
{
    const long double airFlow = project.get(Param::luftstrom);
    std::vector<TradeOffPoint> points;
    points.reserve(economicRecords.size());
    for (std::size_t i = 0; i < economicRecords.size(); ++i) {
        const Combination& c = economicRecords[i].geometry;
        points.push_back({economicRecords[i], static_cast<long long>(i), investmentFor(project, costedGeometry(c)),
                          airVelocity(airFlow, c.pipeCount, c.diameter), aboveAirVelocityLimit(options, c, airFlow)});
    }
    return points;
}

std::vector<std::size_t> nonDominated(const std::vector<std::pair<long double, long double>>& objectives)
{
    // Best first on the first objective, then on the second: a point is on the front when
    // its second objective beats every point before it. A point level with an earlier one
    // on the first objective is beaten by it or equal to it.
    std::vector<std::size_t> order(objectives.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (objectives[a].first != objectives[b].first) return objectives[a].first > objectives[b].first;
        return objectives[a].second > objectives[b].second;
    });
    std::vector<std::size_t> front;
    long double bestSecond = -std::numeric_limits<long double>::infinity();
    for (std::size_t i : order) {
        if (objectives[i].second <= bestSecond) continue;
        bestSecond = objectives[i].second;
        front.push_back(i);
    }
    return front;
}

std::vector<std::size_t> paretoFront(const std::vector<TradeOffPoint>& points, FrontView view)
{
    std::vector<std::size_t> within;
    std::vector<std::pair<long double, long double>> objectives;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].aboveVelocityLimit) continue;
        within.push_back(i);
        const TradeOffPoint& p = points[i];
        // A lower investment is the better one.
        objectives.emplace_back(view == FrontView::RateAndEnergy ? p.record.internalRate : -p.investment, p.record.energy);
    }
    std::vector<std::size_t> front;
    for (std::size_t i : nonDominated(objectives)) front.push_back(within[i]);
    // Best first is descending in rate, or ascending in investment; the chart's x ascends.
    if (view == FrontView::RateAndEnergy) std::reverse(front.begin(), front.end());
    return front;
}

TradeOff tradeOffOf(const Project& project, const OptimisationOptions& options,
                    const std::vector<CombinationRecord>& economicRecords, const CombinationCosting& costing)
{
    TradeOff t;
    t.points = tradeOffPoints(project, options, economicRecords);
    t.rateFront = paretoFront(t.points, FrontView::RateAndEnergy);
    t.investmentFront = paretoFront(t.points, FrontView::InvestmentAndEnergy);
    t.payback.assign(t.points.size(), std::nullopt);
    for (const auto* front : {&t.rateFront, &t.investmentFront})
        for (std::size_t i : *front) {
            if (t.payback[i]) continue;
            const CostedCombination costed = costing.cost(t.points[i].record.geometry);
            if (costed.ok) t.payback[i] = costed.economics.Amortisationszeit;
        }
    return t;
}

}  // namespace talp
