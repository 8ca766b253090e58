#pragma once
// The parameter study: the full grid of one, two or more inputs, each running over a range
// in steps, every variant of it calculated as a year with its economics, side by side on
// all cores. A study answers "how does the heat gain follow the pipe length and the
// diameter?" with one line per variant.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/parameters.h"
#include "core/project.h"
#include "evaluation/variant_run.h"
#include "files/csv_file.h"

namespace talp {

// One input of the study and its range: FROM, FROM + STEP, ... up to TO.
struct StudyAxis {
    std::string name;      // the control name it was given by
    Param param = Param::rohrlnge;
    bool negated = false;  // the second button of a radio pair (VentilatorNach)
    long double from = 0, to = 0, step = 1;
};

// "rohrlnge=40..60:5"; why not: an unknown name, a text that is no number, an empty range
// or a step that is not positive.
std::variant<StudyAxis, std::string> parseStudyAxis(std::string_view text);

// The values of the axis, each as its shortest decimal text reads back (40, 42.5, ...), so
// that a variant is the one its inputs name on the command line.
std::vector<long double> axisValues(const StudyAxis& axis);

// Why a value of the axis cannot be an input (outside its bounds, not a whole number where
// one is asked for), as the command line says it; none when all can.
std::optional<std::string> axisFault(const StudyAxis& axis);

// The number of variants of the grid, saturating at UINT64_MAX.
std::uint64_t gridSize(std::span<const StudyAxis> axes);

// The variant at `values` (one per axis): the base project with those inputs.
Project studyVariant(const Project& base, std::span<const StudyAxis> axes, std::span<const long double> values);

struct StudyPoint {
    std::vector<long double> values;  // one per axis
    VariantRun run;
};

struct StudyRequest {
    VariantRequest variant;  // keepHourly is not used: a study keeps the figures only
    int threads = 0;         // variants calculated side by side; 0: one per core
    // Called after each variant (from the worker threads, one at a time).
    std::function<void(std::size_t done, std::size_t total)> progress;
};

// Every variant of the grid, the first axis running slowest. A cancelled study returns the
// variants it finished, in grid order.
std::vector<StudyPoint> runStudy(const Project& base, std::span<const StudyAxis> axes, const StudyRequest& request);

// The study for a spreadsheet: a column per input (its heading), then every figure.
CsvTable studyTable(std::span<const StudyAxis> axes, const std::vector<StudyPoint>& points, Language language);

}  // namespace talp
