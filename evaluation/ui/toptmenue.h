#pragma once
// `optmenue`: the geometry optimisation. "Neu starten" costs the pipe form's geometry and
// searches the ranges of the options dialog, "Fortsetzen" searches on; every economic
// combination becomes a point (internal rate of return, energy contribution) of the chart,
// the starting one blue, the one looked at red. The best by energy and the best by rate,
// or any point picked with Shift + click, open in `EWTParameter`, from where "Übernehmen"
// takes the geometry over into the input forms.

#include <QList>
#include <QPointF>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "evaluation/optimisation_search.h"
#include "shell/ui/topic_window.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRubberBand;

namespace talp {

class TEWTParameter;
class TOptBerechnungDlg;
class Toptdetailsdlg;
class XyChart;
struct ChartMouseEvent;

class Toptmenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Toptmenue(ShellContext& context, QWidget* parent = nullptr);
    ~Toptmenue() override;

    // The chart belongs to the last search, not to the forms.
    void refreshFromModel() override { enableContinue(); }
    void applyLanguage() override;

    void FormActivate();
    void BtnNeuStartenClick();
    void BtnFortsetzenClick();
    void DetailsClick();
    void BtnEnergetischClick();
    void BtnWirtschaftlichClick();

    const OptimisationOptions& options() const { return options_; }
    void setOptions(const OptimisationOptions& options) { options_ = options; }
    const OptimisationSearch& search() const { return search_; }

    // The seed of a search's draws: the clock, unless a test fixes it.
    std::function<std::uint64_t()> drawSeed;
    // Worker threads of the search; 0: one per core.
    int threads = 0;
    // Before a different geometry replaces the forms' one: asks to save a modified project
    // and saves on Yes; false when the planner cancelled.
    std::function<bool()> saveChangesFirst;

    XyChart* OptGraph = nullptr;
    QPushButton* BtnNeuStarten = nullptr;
    QPushButton* BtnFortsetzen = nullptr;
    QPushButton* Details = nullptr;
    QPushButton* BtnEnergetisch = nullptr;
    QPushButton* BtnWirtschaftlich = nullptr;
    Toptdetailsdlg* optdetailsdlg = nullptr;
    TOptBerechnungDlg* OptBerechnungDlg = nullptr;
    TEWTParameter* EWTParameter = nullptr;

    // The chart's series.
    static constexpr int kEconomicSeries = 0;
    static constexpr int kStartSeries = 1;
    static constexpr int kSelectedSeries = 2;

private:
    OptimisationSettings searchSettings() const;
    void runSearch(bool newStart);
    void searchEnded();
    void clearChart();
    void drawSeries();
    void resetAxes();
    void startCosted(const std::optional<CombinationRecord>& start, bool economic, const SearchCounters& counters);
    void combinationCommitted(const CombinationRecord& record, bool economic, bool newBest,
                              const SearchCounters& counters);
    void enableContinue();
    void enableShowButtons();

    void showRecord(long long recordNumber);
    void takeOver(const CombinationRecord& record);
    bool askToSaveChanges();

    void mousePressed(const ChartMouseEvent& e);
    void mouseMoved(const ChartMouseEvent& e);
    void mouseReleased(const ChartMouseEvent& e);
    std::optional<int> nearestEconomicPoint(QPoint pixels) const;

    OptimisationOptions options_;
    OptimisationSearch search_;
    bool searched_ = false;  // a search has run in this program run

    // The chart's points, and the record of sys/OptFile.dat behind each economic point.
    QList<QPointF> economicPoints_;
    std::vector<long long> economicRecords_;
    QList<QPointF> startPoint_;
    QList<QPointF> selectedPoint_;
    double bestRate_ = 0;
    double bestEnergy_ = 0;

    QGroupBox* energyGroup_ = nullptr;
    QGroupBox* economicGroup_ = nullptr;
    QLabel* hint_ = nullptr;
    QRubberBand* zoomBand_ = nullptr;
    std::optional<QPointF> zoomFrom_;  // chart value where the zoom drag began
    QPoint zoomFromPixels_;
};

}  // namespace talp
