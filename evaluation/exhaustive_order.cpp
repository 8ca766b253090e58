#include "evaluation/exhaustive_order.h"

#include <algorithm>

namespace talp {

namespace {

// The index of `value` among the parameter's values in range.
std::optional<long long> indexInRange(const OptimisationOptions& o, CatalogueParam p, long double value)
{
    const auto values = o.valuesInRange(p);
    const auto found = std::find(values.begin(), values.end(), value);
    if (found == values.end()) return std::nullopt;
    return found - values.begin();
}

}  // namespace

ExhaustiveOrder::ExhaustiveOrder(const OptimisationOptions& options) : options_(options)
{
    const auto count = [&](CatalogueParam p) { return static_cast<long long>(options.valuesInRange(p).size()); };
    fans_ = options.fan == FanPosition::Either ? 2 : 1;
    depths_ = count(CatalogueParam::Depth);
    lengths_ = count(CatalogueParam::Length);
    diameters_ = count(CatalogueParam::Diameter);
    spacings_ = count(CatalogueParam::Spacing);
    // The catalogue's pipe counts ascend from 1: a single pipe, when in range, comes first.
    singlePipe_ = options.inRange(CatalogueParam::PipeCount, 1) ? 1 : 0;
    severalPipes_ = count(CatalogueParam::PipeCount) - singlePipe_;
    block_ = diameters_ * (singlePipe_ + severalPipes_ * spacings_);
    size_ = fans_ * depths_ * lengths_ * block_;
}

Combination ExhaustiveOrder::at(long long position) const
{
    const long long within = position % block_;
    long long outer = position / block_;
    Combination c;
    c.length = options_.valuesInRange(CatalogueParam::Length)[static_cast<std::size_t>(outer % lengths_)];
    outer /= lengths_;
    c.depth = options_.valuesInRange(CatalogueParam::Depth)[static_cast<std::size_t>(outer % depths_)];
    outer /= depths_;
    c.fanBefore = options_.fan == FanPosition::Either ? outer == 0 : options_.fan == FanPosition::Before;

    const auto pipeCounts = options_.valuesInRange(CatalogueParam::PipeCount);
    const auto diameters = options_.valuesInRange(CatalogueParam::Diameter);
    if (within < singlePipe_ * diameters_) {
        c.pipeCount = 1;
        c.diameter = diameters[static_cast<std::size_t>(within)];
        c.spacing = 1.0L;
        return c;
    }
    const long long perCount = diameters_ * spacings_;
    const long long several = within - singlePipe_ * diameters_;
    c.pipeCount = static_cast<int>(pipeCounts[static_cast<std::size_t>(singlePipe_ + several / perCount)]);
    c.diameter = diameters[static_cast<std::size_t>(several % perCount / spacings_)];
    c.spacing = options_.valuesInRange(CatalogueParam::Spacing)[static_cast<std::size_t>(several % spacings_)];
    return c;
}

std::optional<long long> ExhaustiveOrder::positionOf(const Combination& c) const
{
    if (!inRange(options_, c) || (c.pipeCount == 1 && c.spacing != 1.0L)) return std::nullopt;
    const long long fan = options_.fan == FanPosition::Either && !c.fanBefore ? 1 : 0;
    const long long depth = *indexInRange(options_, CatalogueParam::Depth, c.depth);
    const long long length = *indexInRange(options_, CatalogueParam::Length, c.length);
    const long long diameter = *indexInRange(options_, CatalogueParam::Diameter, c.diameter);
    long long within = diameter;
    if (c.pipeCount >= 2) {
        const long long count = *indexInRange(options_, CatalogueParam::PipeCount, c.pipeCount);
        const long long spacing = *indexInRange(options_, CatalogueParam::Spacing, c.spacing);
        within = singlePipe_ * diameters_ + (count - singlePipe_) * diameters_ * spacings_ + diameter * spacings_ + spacing;
    }
    return ((fan * depths_ + depth) * lengths_ + length) * block_ + within;
}

long long Shard::sizeIn(long long orderSize) const
{
    return orderSize > first() ? (orderSize - first() + count - 1) / count : 0;
}

}  // namespace talp
