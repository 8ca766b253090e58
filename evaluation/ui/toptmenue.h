#pragma once
// `optmenue`: the geometry optimisation. "Neu starten" costs the pipe form's geometry and
// searches the ranges of the options dialog, "Fortsetzen" searches on; every economic
// combination becomes a point (internal rate of return, energy contribution) of the chart,
// the starting one blue, the one looked at red. The best by energy and the best by rate,
// or any point picked with Shift + click, open in `EWTParameter`, from where "Übernehmen"
// takes the geometry over into the input forms.
//
// After a search the Pareto front of the records is drawn as a line through its points and
// listed in a table below the chart, sortable by each column; a line of it can be looked at
// (double click) or taken over, and the front exported as a CSV file. A second view shows
// the investment instead of the rate, with the front of investment against energy.

#include <QList>
#include <QPointF>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "evaluation/optimisation_search.h"
#include "evaluation/trade_off.h"
#include "shell/ui/topic_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRubberBand;
class QTableWidget;

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
    void BtnFrontUebernehmenClick();  // the front's line chosen in the table, into the forms
    void BtnFrontExportClick();       // the front as a CSV file
    void AnsichtChange(int index);    // rate or investment against energy

    FrontView view() const { return view_; }
    const TradeOff& tradeOff() const { return tradeOff_; }
    // The point of the trade-off behind a line of the front's table, as sorted now.
    std::size_t frontPointOfRow(int row) const;

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
    QComboBox* Ansicht = nullptr;
    QTableWidget* FrontTabelle = nullptr;
    QPushButton* BtnFrontUebernehmen = nullptr;
    QPushButton* BtnFrontExport = nullptr;

    // The chart's series.
    static constexpr int kEconomicSeries = 0;
    static constexpr int kStartSeries = 1;
    static constexpr int kSelectedSeries = 2;
    static constexpr int kFrontSeries = 3;
    // The columns of the front's table.
    enum FrontColumn { PipeCountColumn, LengthColumn, DiameterColumn, SpacingColumn, DepthColumn, FanColumn,
                       EnergyColumn, RateColumn, PaybackColumn, InvestmentColumn, VelocityColumn, kFrontColumns };

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
    void tradeOffArrived(const TradeOff& tradeOff);
    TradeOffPoint tradeOffPoint(const CombinationRecord& record, long long recordNumber) const;
    QPointF pointOf(const TradeOffPoint& point) const;  // in the view shown
    void showCloud();  // the economic points, the start and the front in the view shown
    void showView();   // the chart with its axis titles and the front's table
    void fillFrontTable();
    void enableFrontButtons();
    void enableContinue();
    void enableShowButtons();

    void showRecord(long long recordNumber);
    void takeOver(const CombinationRecord& record);

    void mousePressed(const ChartMouseEvent& e);
    void mouseMoved(const ChartMouseEvent& e);
    void mouseReleased(const ChartMouseEvent& e);
    std::optional<int> nearestEconomicPoint(QPoint pixels) const;

    OptimisationOptions options_;
    OptimisationSearch search_;
    bool searched_ = false;  // a search has run in this program run

    // The economic combinations but the start, with their records in sys/OptFile.dat, and
    // their points in the view shown.
    std::vector<TradeOffPoint> cloud_;
    QList<QPointF> economicPoints_;
    std::optional<TradeOffPoint> start_;  // when the starting combination is economic
    QList<QPointF> startPoint_;
    std::optional<TradeOffPoint> selected_;
    QList<QPointF> selectedPoint_;
    double bestRate_ = 0;
    double bestEnergy_ = 0;
    double highestInvestment_ = 0;
    // Points arrive faster than a chart of thousands redraws: they are drawn in batches.
    QTimer cloudRedraw_;
    bool axesFollowBest_ = false;

    FrontView view_ = FrontView::RateAndEnergy;
    TradeOff tradeOff_;  // of the last search
    QGroupBox* frontGroup_ = nullptr;
    QLabel* viewCaption_ = nullptr;

    QGroupBox* energyGroup_ = nullptr;
    QGroupBox* economicGroup_ = nullptr;
    QLabel* hint_ = nullptr;
    QRubberBand* zoomBand_ = nullptr;
    std::optional<QPointF> zoomFrom_;  // chart value where the zoom drag began
    QPoint zoomFromPixels_;
};

}  // namespace talp
