#pragma once
// The editor of the two per-segment tables (laying depth, distance to the building): the
// rules of its grid, independent of how a window draws it.

#include <array>
#include <string>

#include "core/project.h"

namespace talp {

enum class SegmentMode { Depth, BuildingDistance };

struct SegmentModeInfo {
    Text caption;
    Text lengthHeader;
    Text valueHeader;
    long double minValue;
    long double maxValue;
    bool basementVisible;  // the basement group boxes of the dialog
    int helpContext;
    Param singleValue;     // the pipe window's input the table replaces
};
const SegmentModeInfo& segmentModeInfo(SegmentMode mode);

inline constexpr Text kInvalidEntry{"Ungültige Eingabe !", "Invalid entry !"};

class SegmentEditor {
public:
    // Opening: the mode's table, or, while it is not in use, the pipe window's value in
    // every row with rows 1 and 100 marked entered.
    SegmentEditor(SegmentMode mode, const Project& project);

    SegmentMode mode() const { return mode_; }
    // Column 0: the position along the pipe of row 1..100, 1 decimal.
    std::string positionText(int row) const;
    // Column 1 of row 1..100 as the grid shows it; a value not entered by the user is
    // preceded by two spaces.
    const std::string& cell(int row) const { return cells_[static_cast<std::size_t>(row - 1)]; }
    void setCell(int row, std::string text) { cells_[static_cast<std::size_t>(row - 1)] = std::move(text); }
    // A typed comma enters a point.
    static char typedCharacter(char c) { return c == ',' ? '.' : c; }

    // Validation of every row, on every cell selection and before taking over. Corrects
    // out-of-range entries to the bound and empties unreadable ones; `invalidEntries`
    // counts the "Ungültige Eingabe !" messages to show. Interpolates after success.
    struct Validation {
        bool ok = false;           // OK and "Übernehmen" enabled
        int invalidEntries = 0;
    };
    Validation validate();

    // Taking over ("Übernehmen" with okButton false, OK with okButton true): the table the
    // rows describe, whether it is in use, and the mean of its values.
    struct Result {
        SegmentTable table;
        long double mean = 0;
    };
    Result takeOver(bool okButton);

    // "Rücksetzen": every row back to the pipe window's value at opening.
    void reset();

private:
    void interpolate();

    SegmentMode mode_;
    long double pipeLength_;
    long double resetValue_;
    std::array<std::string, kSegments> cells_;
};

// Applies a taken-over table to the project: the table, its marks and flag, and its mean
// as the pipe window's single value (while the table is in use, the costs take the mean
// as the trench depth).
void applySegmentTable(Project& project, SegmentMode mode, const SegmentEditor::Result& result);

}  // namespace talp
