#pragma once
// `EWTParameter`: one combination of the optimisation, the geometry with its energy
// contribution, internal rate of return and pipe price; "Übernehmen" accepts it for the
// input forms.

#include <QDialog>
#include <array>

#include "core/project.h"
#include "evaluation/combination_record.h"

class QLabel;
class QPushButton;

namespace talp {

class TEWTParameter : public QDialog {
    Q_OBJECT
public:
    explicit TEWTParameter(QWidget* parent = nullptr);

    // Fills the lines for `record` in `language`; exec() then tells whether to take it over.
    void showCombination(const Project& project, const CombinationRecord& record, Language language);

    // The lines in the order shown: count, diameter, length, depth, spacing, fan, energy,
    // rate, pipe price.
    static constexpr int kLines = 9;
    QLabel* line(int index) const { return lines_[static_cast<std::size_t>(index)]; }

    QPushButton* Uebernehmen;
    QPushButton* Abbrechen;

private:
    std::array<QLabel*, kLines> lines_{};
};

}  // namespace talp
