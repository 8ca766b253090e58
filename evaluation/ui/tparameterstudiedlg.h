#pragma once
// The parameter study from the variant window: one or two inputs, each over a range in
// steps, every variant of the grid calculated on a worker thread (with its progress, and a
// stop); the result table, a chart of a chosen figure over the first input (one line per
// value of the second), and the study as a CSV file.

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "evaluation/parameter_study.h"
#include "shell/ui/shell_context.h"

class QComboBox;
class QDoubleSpinBox;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace talp {

class XyChart;

class TParameterstudieDlg : public QDialog {
    Q_OBJECT
public:
    TParameterstudieDlg(ShellContext& context, QWidget* parent = nullptr);
    ~TParameterstudieDlg() override;

    // The axes as the fields give them; none for the second when it is switched off. Why
    // not, when a range cannot be calculated.
    std::variant<std::vector<StudyAxis>, std::string> axes() const;
    // Sets an input's row: 0 for the first, 1 for the second (Param::Count switches the
    // second off).
    void setAxis(int row, Param param, double from, double to, double step);

    void BtnBerechnenClick();
    void BtnStoppClick();
    void BtnCsvClick();
    bool running() const { return worker_ != nullptr; }
    const std::vector<StudyPoint>& points() const { return points_; }

    std::array<QComboBox*, 2> Eingabe{};
    std::array<QDoubleSpinBox*, 2> Von{}, Bis{}, Schritt{};
    QComboBox* Kennwert = nullptr;
    QPushButton* BtnBerechnen = nullptr;
    QPushButton* BtnStopp = nullptr;
    QPushButton* BtnCsv = nullptr;
    QPushButton* BtnSchliessen = nullptr;
    QPushButton* Hilfe = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QTableWidget* Ergebnisse = nullptr;
    XyChart* StudienDiagramm = nullptr;

protected:
    void reject() override;

private:
    void inputChosen(int row);
    void pollProgress();
    void finishStudy();
    void showResults();
    void drawChart();

    ShellContext& context_;
    std::vector<StudyAxis> axes_;  // of the study shown or running
    std::vector<StudyPoint> points_;
    std::unique_ptr<std::thread> worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> finished_{false};
    std::atomic<std::size_t> done_{0}, total_{0};
    QTimer poll_;
};

}  // namespace talp
