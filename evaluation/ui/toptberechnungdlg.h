#pragma once
// `TOptBerechnungDlg`: the progress of an optimisation. Modal while the search runs on a
// worker thread: the counts of calculated and shown combinations (and of those skipped for
// their air velocity, when the exhaustive search has a limit), the progress of the
// simulation under way, and "Abbrechen", which ends the search after the combination being
// committed. The search's callbacks reach the user-interface thread as queued signals, so
// the windows stay responsive and the chart grows as combinations come in. After the
// search the worker prices the records' Pareto fronts before the dialog closes.

#include <QDialog>
#include <QMetaType>
#include <QSemaphore>
#include <QTimer>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/project.h"
#include "evaluation/optimisation_search.h"
#include "evaluation/trade_off.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

namespace talp {

class ShellContext;

// How a search run through the dialog ended.
struct SearchRunEnd {
    bool started = false;                // the files could be created or opened
    std::optional<SearchEnd> end;        // the loop's end, when it ran
    std::optional<std::string> message;  // the starting step's file error
};

class TOptBerechnungDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOptBerechnungDlg(ShellContext& context, QWidget* parent = nullptr);
    ~TOptBerechnungDlg() override;

    // A new start costs the pipe form's geometry first and then searches; a continued
    // search searches on. Returns when the dialog has closed.
    SearchRunEnd runNew(OptimisationSearch& search, const Project& project, const OptimisationSettings& settings);
    SearchRunEnd runContinued(OptimisationSearch& search, const Project& project, const OptimisationSettings& settings);

    bool running() const { return running_; }

    QLabel* LabelAnzahl;
    QLabel* LabelSinnvoll;
    QLabel* LabelUebersprungen;  // shown while a velocity limit is in force
    QLabel* LabelAbbruch;  // "Berechnung wird abgebrochen !", shown after "Abbrechen"
    QLabel* LabelFortschritt;
    QProgressBar* Fortschritt;
    QPushButton* Abbrechen;

signals:
    // The starting combination is evaluated (or its run failed: no record).
    void startCosted(const std::optional<talp::CombinationRecord>& start, bool economic,
                     const talp::SearchCounters& counters);
    void combinationCommitted(const talp::CombinationRecord& record, bool economic, bool newBest,
                              const talp::SearchCounters& counters);
    void simulationProgressed(int day);
    void combinationSkipped(const talp::SearchCounters& counters);
    // The economic combinations of the files and their Pareto fronts, after the search.
    void tradeOffReady(const talp::TradeOff& tradeOff);
    // The starting run failed: its messages are shown before the search goes on.
    void startFailed(const std::vector<talp::Message>& messages);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    SearchRunEnd run(OptimisationSearch& search, const Project& project, const OptimisationSettings& settings,
                     bool newStart);
    void applyLanguage();
    void startWorker();
    void showCounters(const SearchCounters& counters);
    void showProgress(int day);
    void workerFinished();

    ShellContext& context_;
    QLabel* calculatedCaption_;
    QLabel* shownCaption_;
    QLabel* skippedCaption_;
    QLabel* shownAll_;
    QLabel* logNotice_;
    QThread* worker_ = nullptr;
    QTimer Timer1;  // closes the dialog after the search

    // The search being run, valid while exec() lasts.
    OptimisationSearch* search_ = nullptr;
    std::optional<Project> project_;
    OptimisationSettings settings_;
    bool newStart_ = false;
    SearchRunEnd outcome_;
    std::atomic<bool> cancel_{false};
    // The worker waits here until the planner has read why the start could not be calculated.
    QSemaphore startMessagesRead_;
    bool running_ = false;
};

}  // namespace talp

Q_DECLARE_METATYPE(talp::CombinationRecord)
Q_DECLARE_METATYPE(talp::SearchCounters)
Q_DECLARE_METATYPE(std::optional<talp::CombinationRecord>)
Q_DECLARE_METATYPE(std::vector<talp::Message>)
Q_DECLARE_METATYPE(talp::TradeOff)
