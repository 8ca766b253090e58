#include "evaluation/parameter_study.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>
#include <thread>

#include "core/numeric.h"
#include "evaluation/variant_comparison.h"

namespace talp {

namespace {

// Rounding of FROM + i * STEP that still counts as reaching TO.
constexpr long double kStepTolerance = 1e-9L;

}  // namespace

std::variant<StudyAxis, std::string> parseStudyAxis(std::string_view text)
{
    const std::string usage = "'" + std::string(text) + "' is not NAME=FROM..TO:STEP";
    const std::size_t eq = text.find('=');
    const std::size_t dots = text.find("..");
    const std::size_t colon = text.rfind(':');
    if (eq == std::string_view::npos || dots == std::string_view::npos || dots < eq) return usage;
    StudyAxis axis;
    axis.name = std::string(text.substr(0, eq));
    const auto lookup = findParam(axis.name);
    if (!lookup) return "unknown parameter '" + axis.name + "'";
    axis.param = lookup->id;
    axis.negated = lookup->negated;
    const std::string_view from = text.substr(eq + 1, dots - eq - 1);
    const bool stepped = colon != std::string_view::npos && colon > dots;
    const std::string_view to = text.substr(dots + 2, (stepped ? colon : text.size()) - dots - 2);
    axis.step = paramSpec(axis.param).step;  // without ":STEP", the input's own step
    if (!parseNumber(from, axis.from) || !parseNumber(to, axis.to) ||
        (stepped && !parseNumber(text.substr(colon + 1), axis.step)))
        return usage;
    if (!(axis.step > 0)) return "the step of '" + axis.name + "' must be positive";
    if (axis.to < axis.from) return "the range of '" + axis.name + "' runs backwards";
    return axis;
}

std::vector<long double> axisValues(const StudyAxis& axis)
{
    const long double count = std::floor((axis.to - axis.from) / axis.step + kStepTolerance) + 1;
    std::vector<long double> values;
    for (long double i = 0; i < count; ++i) {
        long double value = axis.from + i * axis.step;
        parseNumber(formatGeneral(value), value);
        values.push_back(value);
    }
    return values;
}

std::optional<std::string> axisFault(const StudyAxis& axis)
{
    const ParamSpec& entry = paramSpec(axis.param);
    const long double count = std::floor((axis.to - axis.from) / axis.step + kStepTolerance) + 1;
    if (count > 1e7L) return "the range of '" + axis.name + "' has more than 10 000 000 values";
    Project probe;
    for (const long double value : axisValues(axis)) {
        if (axis.negated && value != 0 && value != 1)
            return "'" + axis.name + "' takes 0 or 1, not " + formatGeneral(value);
        if (!probe.setExact(axis.param, axis.negated ? 1 - value : value))
            return "value of '" + axis.name + "' must be " +
                   (entry.kind == ParamKind::Real ? std::string() : std::string("a whole number ")) + "within " +
                   formatGeneral(entry.minValue) + " .. " + formatGeneral(entry.maxValue) + ", not " + formatGeneral(value);
    }
    return std::nullopt;
}

std::uint64_t gridSize(std::span<const StudyAxis> axes)
{
    std::uint64_t size = 1;
    for (const StudyAxis& axis : axes) {
        const long double count = std::floor((axis.to - axis.from) / axis.step + kStepTolerance) + 1;
        if (count >= static_cast<long double>(std::numeric_limits<std::uint64_t>::max() / size))
            return std::numeric_limits<std::uint64_t>::max();
        size *= static_cast<std::uint64_t>(count);
    }
    return size;
}

Project studyVariant(const Project& base, std::span<const StudyAxis> axes, std::span<const long double> values)
{
    Project variant = base;
    for (std::size_t a = 0; a < axes.size(); ++a)
        variant.setExact(axes[a].param, axes[a].negated ? 1 - values[a] : values[a]);
    return variant;
}

std::vector<StudyPoint> runStudy(const Project& base, std::span<const StudyAxis> axes, const StudyRequest& request)
{
    std::vector<std::vector<long double>> axisGrid;
    for (const StudyAxis& axis : axes) axisGrid.push_back(axisValues(axis));
    const std::size_t total = static_cast<std::size_t>(gridSize(axes));

    std::vector<StudyPoint> points(total);
    for (std::size_t index = 0; index < total; ++index) {
        std::size_t rest = index;
        points[index].values.resize(axes.size());
        for (std::size_t a = axes.size(); a-- > 0;) {
            points[index].values[a] = axisGrid[a][rest % axisGrid[a].size()];
            rest /= axisGrid[a].size();
        }
    }

    VariantRequest variantRequest = request.variant;
    variantRequest.keepHourly = false;
    variantRequest.threads = 1;  // the variants share the cores, each year runs on one
    std::atomic<std::size_t> next{0};
    std::size_t done = 0;
    std::mutex progressLock;
    const auto cancelled = [&] { return request.variant.cancel && request.variant.cancel->load(); };
    const auto work = [&] {
        SimulationResults scratch;
        for (std::size_t index = next++; index < total && !cancelled(); index = next++) {
            points[index].run = calculateVariant(studyVariant(base, axes, points[index].values), variantRequest, scratch);
            const std::lock_guard lock(progressLock);
            ++done;
            if (request.progress) request.progress(done, total);
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threads =
        std::min<std::size_t>(total, request.threads > 0 ? static_cast<std::size_t>(request.threads) : cores);
    std::vector<std::jthread> workers;
    for (std::size_t t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    workers.clear();

    // A variant left out by a cancel, or stopped in its year, is not part of the result.
    std::erase_if(points, [](const StudyPoint& p) { return p.run.cancelled || (!p.run.ok && p.run.messages.empty()); });
    return points;
}

CsvTable studyTable(std::span<const StudyAxis> axes, const std::vector<StudyPoint>& points, Language language)
{
    CsvTable table;
    for (const StudyAxis& axis : axes) table.header.push_back(inputHeading(axis.param, language));
    for (const FigureSpec& entry : figureTable()) table.header.push_back(figureHeading(entry, language));
    for (const StudyPoint& point : points) {
        std::vector<CsvCell> row;
        for (const long double value : point.values) row.push_back(csvNumber(value));
        for (const FigureSpec& entry : figureTable()) {
            const std::optional<long double> value = point.run.ok ? entry.value(point.run.figures) : std::nullopt;
            row.push_back(value ? csvNumber(*value) : csvEmpty());
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace talp
