#pragma once
// The variant comparison: the planner keeps the current project with its year and
// economics as a variant (up to eight), names, removes and takes them back into the inputs,
// and compares them in a table (the inputs they differ in, then every figure, the best of
// each row marked) and in two charts: the monthly heat gain and cooling energy as grouped
// bars, and the outlet temperature of the year of the chosen variants. A set of variants
// is saved and opened as a file of its own (*.tlv); the table goes to a spreadsheet as CSV.
// The parameter study starts from here.

#include <functional>
#include <vector>

#include "evaluation/variant_comparison.h"
#include "shell/ui/topic_window.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace talp {

class XyChart;

class Tvariantenmenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Tvariantenmenue(ShellContext& context, QWidget* parent = nullptr);

    // The variants keep their own inputs: a change of the project leaves them as they are.
    void refreshFromModel() override {}
    void applyLanguage() override;

    const std::vector<Variant>& variants() const { return variants_; }
    // The variant whose column is current; none without variants.
    std::optional<std::size_t> currentVariant() const;
    void selectVariant(std::size_t index);

    // "Variante merken": the current project, calculated first when out of date.
    void BtnMerkenClick();
    void BtnEntfernenClick();
    // The name field renames the current variant.
    void renameCurrent(const QString& name);
    // "In die Eingaben übernehmen": the current variant's inputs become the project's.
    void BtnUebernehmenClick();
    void BtnOeffnenClick();
    void BtnSpeichernClick();
    void BtnCsvClick();
    void BtnStudieClick();

    // Opens a variant set; false when it was refused (its message was shown).
    bool openVariantSet(const QString& file);

    QLineEdit* VariantenName = nullptr;
    QPushButton* BtnMerken = nullptr;
    QPushButton* BtnEntfernen = nullptr;
    QPushButton* BtnUebernehmen = nullptr;
    QPushButton* BtnOeffnen = nullptr;
    QPushButton* BtnSpeichern = nullptr;
    QPushButton* BtnCsv = nullptr;
    QPushButton* BtnStudie = nullptr;
    QTableWidget* VariantenTabelle = nullptr;
    XyChart* MonatsDiagramm = nullptr;
    XyChart* TemperaturDiagramm = nullptr;

    // Before a variant replaces the forms' inputs: asks to save a modified project and
    // saves on Yes; false when the planner cancelled.
    std::function<bool()> saveChangesFirst;

private:
    void showVariants();
    void drawCharts();
    void enableButtons();
    // The columns the planner chose (all when none is selected).
    std::vector<std::size_t> chosenVariants() const;

    std::vector<Variant> variants_;
    int nextNumber_ = 1;
};

}  // namespace talp
