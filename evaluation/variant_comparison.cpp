#include "evaluation/variant_comparison.h"

#include <algorithm>
#include <array>

#include "core/numeric.h"

namespace talp {

namespace {

// The radio-button pairs name only one button in their caption; in a table they need the
// whole statement.
struct OptionHeading {
    Param id;
    Text heading;
};
constexpr std::array kOptionHeadings{
    OptionHeading{Param::VentilatorVor, {"Ventilator vor EWT (1/0)", "Fan before EHX (1/0)"}},
    OptionHeading{Param::EWT_Reg_offset, {"Regelung nach Temperaturbereich (1/0)", "Control by temperature range (1/0)"}},
};

// The text inputs a variant may differ in.
struct TextInput {
    Text heading;
    const std::string Project::*field;
};
constexpr std::array kTextInputs{
    TextInput{{"Erdreich", "Soil"}, &Project::erdreich},
    TextInput{{"Klimamodell", "Climate model"}, &Project::klimaModell},
    TextInput{{"HLK-Modus", "HVAC mode"}, &Project::HlkModus},
};

ComparisonRow figureRow(const FigureSpec& entry, const std::vector<Variant>& variants, Language language)
{
    ComparisonRow row;
    row.heading = figureHeading(entry, language);
    for (const Variant& v : variants) {
        row.cells.push_back(shownFigure(entry, v.figures));
        row.numbers.push_back(entry.shown(v.figures));
    }
    row.best.assign(variants.size(), false);
    if (entry.better == Better::None) return row;
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        if (!row.numbers[i]) continue;
        if (!best || (entry.better == Better::Higher ? *row.numbers[i] > *row.numbers[*best]
                                                    : *row.numbers[i] < *row.numbers[*best]))
            best = i;
    }
    if (!best) return row;
    // Compared as shown: every variant the table shows with the best value is marked, and a
    // difference the table does not show marks nothing.
    const std::string bestText = row.cells[*best];
    std::size_t marked = 0;
    for (std::size_t i = 0; i < variants.size(); ++i)
        if (row.numbers[i] && row.cells[i] == bestText) {
            row.best[i] = true;
            ++marked;
        }
    if (marked == variants.size()) row.best.assign(variants.size(), false);
    return row;
}

}  // namespace

std::string inputHeading(Param param, Language language)
{
    for (const OptionHeading& o : kOptionHeadings)
        if (o.id == param) return std::string(o.heading.in(language));
    std::string heading(paramSpec(param).caption.in(language));
    heading.erase(0, heading.find_first_not_of(' '));
    return heading;
}

std::vector<ComparisonRow> differingInputRows(const std::vector<const Project*>& projects, Language language)
{
    std::vector<ComparisonRow> rows;
    if (projects.size() < 2) return rows;
    for (const ParamSpec& entry : parameterTable()) {
        const auto differs = [&](const Project* p) { return p->get(entry.id) != projects.front()->get(entry.id); };
        if (std::none_of(projects.begin(), projects.end(), differs)) continue;
        ComparisonRow row{inputHeading(entry.id, language), true, {}, {}, std::vector<bool>(projects.size(), false)};
        for (const Project* p : projects) {
            row.cells.push_back(formatGeneral(p->get(entry.id)));
            row.numbers.push_back(p->get(entry.id));
        }
        rows.push_back(std::move(row));
    }
    for (const TextInput& input : kTextInputs) {
        const auto differs = [&](const Project* p) { return p->*input.field != projects.front()->*input.field; };
        if (std::none_of(projects.begin(), projects.end(), differs)) continue;
        ComparisonRow row{std::string(input.heading.in(language)), true, {}, {}, std::vector<bool>(projects.size(), false)};
        for (const Project* p : projects) {
            row.cells.push_back(p->*input.field);
            row.numbers.push_back(std::nullopt);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<ComparisonRow> comparisonRows(const std::vector<Variant>& variants, Language language)
{
    std::vector<const Project*> projects;
    for (const Variant& v : variants) projects.push_back(&v.project);
    std::vector<ComparisonRow> rows = differingInputRows(projects, language);
    for (const FigureSpec& entry : figureTable()) rows.push_back(figureRow(entry, variants, language));
    return rows;
}

CsvTable comparisonTable(const std::vector<Variant>& variants, Language language)
{
    CsvTable table;
    table.header.emplace_back(Text{"Variante", "Variant"}.in(language));
    for (const Variant& v : variants) table.header.push_back(v.name);
    for (const ComparisonRow& row : comparisonRows(variants, language)) {
        std::vector<CsvCell> cells{csvText(row.heading)};
        for (std::size_t i = 0; i < variants.size(); ++i)
            cells.push_back(row.numbers[i] ? csvNumber(*row.numbers[i])
                                           : (row.differingInput ? csvText(row.cells[i]) : csvEmpty()));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

}  // namespace talp
