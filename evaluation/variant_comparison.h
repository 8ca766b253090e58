#pragma once
// The variant comparison's table: one column per variant; first the inputs in which the
// variants differ, then every figure of the variants (figureTable), with the best value of
// each row marked. The comparison window shows it, and it is the variant table's CSV file.

#include <optional>
#include <string>
#include <vector>

#include "core/project.h"
#include "core/texts.h"
#include "evaluation/variant_figures.h"
#include "files/csv_file.h"

namespace talp {

struct Variant {
    std::string name;
    Project project;
    VariantFigures figures;
};

struct ComparisonRow {
    std::string heading;                       // "Rohrlänge in m", "Wärmeaufnahme in kWh"
    bool differingInput = false;               // an input row: the variants differ in it
    std::vector<std::string> cells;            // one per variant, as shown
    std::vector<std::optional<long double>> numbers;  // the value behind each cell; none for a text or an absent figure
    std::vector<bool> best;                    // the best value of a figure row; none marked when all are alike
};

// "Rohrlänge in m", "Ventilator vor EWT (1/0)": an input's heading in tables and charts.
std::string inputHeading(Param param, Language language);

// The headings of the inputs in which the projects differ, with each project's value.
std::vector<ComparisonRow> differingInputRows(const std::vector<const Project*>& projects, Language language);

// The whole table: the differing inputs, then the figures.
std::vector<ComparisonRow> comparisonRows(const std::vector<Variant>& variants, Language language);

// As a spreadsheet reads it: the row headings in the first column, one column per variant
// under its name; numbers in full.
CsvTable comparisonTable(const std::vector<Variant>& variants, Language language);

}  // namespace talp
