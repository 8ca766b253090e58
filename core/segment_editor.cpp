#include "core/segment_editor.h"

#include "core/numeric.h"

namespace talp {

namespace {

const SegmentModeInfo kDepthMode{{"Verlegungstiefe der Rohre unter Erdoberfläche", "Depth of pipes below soil surface"},
                                 {"Rohrlänge in m", "Pipe length in m"},
                                 {"Verlegungstiefe in m", "Depth of pipes in m"},
                                 0.5L, 10.0L, false, 705, Param::verlegungstiefe};
const SegmentModeInfo kDistanceMode{{"Abstand der Rohre zur Kellerwand", "Distance of pipes to the cellar wall"},
                                    {"Rohrlänge in m", "Pipe length in m"},
                                    {"Abstand Gebäude in m", "Distance from building in m"},
                                    0.1L, 100.0L, true, 706, Param::AbsGebaeude};

SegmentTable& tableOf(Project& project, SegmentMode mode)
{
    return mode == SegmentMode::Depth ? project.SegmentDepth : project.SegmentBuildingDistance;
}

std::string notEntered(long double value) { return "  " + formatFixed(value, 2); }

}  // namespace

const SegmentModeInfo& segmentModeInfo(SegmentMode mode)
{
    return mode == SegmentMode::Depth ? kDepthMode : kDistanceMode;
}

SegmentEditor::SegmentEditor(SegmentMode mode, const Project& project)
    : mode_(mode),
      pipeLength_(project.get(Param::rohrlnge)),
      resetValue_(project.get(segmentModeInfo(mode).singleValue))
{
    SegmentTable table = mode == SegmentMode::Depth ? project.SegmentDepth : project.SegmentBuildingDistance;
    if (!table.variable) {
        table.values.fill(resetValue_);
        table.entered.fill(false);
        table.entered.front() = table.entered.back() = true;
    }
    for (int row = 1; row <= kSegments; ++row) {
        const std::size_t i = static_cast<std::size_t>(row - 1);
        cells_[i] = table.entered[i] ? formatFixed(table.values[i], 2) : notEntered(table.values[i]);
    }
}

std::string SegmentEditor::positionText(int row) const { return formatFixed(pipeLength_ * row * 0.01L, 1); }

SegmentEditor::Validation SegmentEditor::validate()
{
    const SegmentModeInfo& info = segmentModeInfo(mode_);
    Validation v;
    for (std::string& cell : cells_) {
        if (cell.empty()) continue;
        if (cell[0] == ' ') {
            cell.clear();  // an interpolated value is computed anew
            continue;
        }
        long double value = 0;
        if (!parseNumber(cell, value)) {
            cell.clear();
            ++v.invalidEntries;
        } else if (value > info.maxValue) {
            cell = formatFixed(info.maxValue, 1);
            ++v.invalidEntries;
        } else if (value < info.minValue) {
            cell = formatFixed(info.minValue, 1);
            ++v.invalidEntries;
        }
    }
    v.ok = !cells_.front().empty() && !cells_.back().empty();
    if (v.ok) interpolate();
    return v;
}

void SegmentEditor::interpolate()
{
    int previous = 0;  // index of the last non-empty row
    long double previousValue = 0;
    parseNumber(cells_[0], previousValue);
    for (int j = 1; j < kSegments; ++j) {
        const std::size_t jj = static_cast<std::size_t>(j);
        if (cells_[jj].empty()) continue;
        long double value = 0;
        parseNumber(cells_[jj], value);
        for (int a = previous + 1; a < j; ++a)
            cells_[static_cast<std::size_t>(a)] =
                notEntered(previousValue + (a - previous) * (value - previousValue) / (j - previous));
        previous = j;
        previousValue = value;
    }
}

SegmentEditor::Result SegmentEditor::takeOver(bool okButton)
{
    Result result;
    SegmentTable& table = result.table;
    int entered = 0;
    long double sum = 0;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        long double value = 0;
        if (!parseNumber(cells_[i], value)) {
            table.values[i] = -1;
            table.entered[i] = false;
            cells_[i].clear();
        } else {
            table.values[i] = value;
            table.entered[i] = !cells_[i].empty() && cells_[i][0] != ' ';
        }
        if (table.entered[i]) ++entered;
        sum += table.values[i];
    }
    result.mean = sum * 0.01L;
    table.variable = entered >= (okButton ? 2 : 3);
    bool allEqual = true;
    for (long double value : table.values) allEqual = allEqual && value == table.values[0];
    if (allEqual) table.variable = false;
    return result;
}

void SegmentEditor::reset()
{
    for (std::string& cell : cells_) cell = notEntered(resetValue_);
    cells_.front() = cells_.back() = formatFixed(resetValue_, 2);
}

void applySegmentTable(Project& project, SegmentMode mode, const SegmentEditor::Result& result)
{
    tableOf(project, mode) = result.table;
    // The single value is always the table's mean: a uniform table of another value (both
    // ends changed alike) is that value, not the old one.
    project.set(segmentModeInfo(mode).singleValue, result.mean);
    project.markChanged(InputWindow::Pipe);
}

}  // namespace talp
