#pragma once
// `optdetailsdlg`: the ranges of the optimisation. For each geometry parameter a minimum
// and a maximum among the catalogue values, and the fan position. A minimum chosen above
// the maximum (or a maximum below the minimum) swaps the two; the spacing does not matter
// while the search only draws single pipes. "Vollständige Suche" walks every combination
// instead of drawing; it may leave combinations above an air velocity out.

#include <QDialog>
#include <array>

#include "core/texts.h"
#include "evaluation/optimisation_catalogue.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace talp {

class ShellContext;

class Toptdetailsdlg : public QDialog {
    Q_OBJECT
public:
    explicit Toptdetailsdlg(ShellContext& context, QWidget* parent = nullptr);

    // Shows `options` and returns the settings on OK, or `options` unchanged on Cancel.
    OptimisationOptions edit(const OptimisationOptions& options);

    // The settings the boxes show now.
    OptimisationOptions shownOptions() const;
    void showOptions(const OptimisationOptions& options);
    void applyLanguage();

    QComboBox* minimum(CatalogueParam p) const { return minimum_[static_cast<std::size_t>(p)]; }
    QComboBox* maximum(CatalogueParam p) const { return maximum_[static_cast<std::size_t>(p)]; }

    QComboBox* MinRohranzahl;
    QComboBox* MaxRohranzahl;
    QComboBox* MinRohrlaenge;
    QComboBox* MaxRohrlaenge;
    QComboBox* MinRohrdurchmesser;
    QComboBox* MaxRohrdurchmesser;
    QComboBox* MinAbszwRohren;
    QComboBox* MaxAbszwRohren;
    QComboBox* MinVerlegungstiefe;
    QComboBox* MaxVerlegungstiefe;
    QComboBox* Ventilatorposition;
    QCheckBox* VollstaendigeSuche;
    QCheckBox* GeschwindigkeitBegrenzt;   // the velocity limit is on
    QDoubleSpinBox* MaxGeschwindigkeit;   // m/s
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

private:
    void rangeChosen(CatalogueParam p);
    void enableSpacing();
    void enableVelocityLimit();

    ShellContext& context_;
    std::array<QComboBox*, kCatalogueParams> minimum_{};
    std::array<QComboBox*, kCatalogueParams> maximum_{};
    std::array<QLabel*, kCatalogueParams> captions_{};
    QLabel* minimumHeading_;
    QLabel* maximumHeading_;
    QLabel* fanCaption_;
    bool showing_ = false;  // the boxes are being set: no swap rule
};

}  // namespace talp
