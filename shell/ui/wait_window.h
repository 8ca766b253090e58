#pragma once
// The wait window every calculation runs through: modal, it runs the simulation of the
// year or of one day on a worker thread, draws the progress bar, shows the simulation's
// messages when the run fails and closes itself. Escape or the window's close button stop
// the run.

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "core/calculation_run.h"
#include "shell/session.h"

class QLabel;
class QThread;

namespace talp {

class FormWarten : public QDialog {
    Q_OBJECT
public:
    explicit FormWarten(Session& session, QWidget* parent = nullptr);
    ~FormWarten() override;

    // Runs `day` (kFullYear or 1..365) with `text` as the running text and returns when
    // the window has closed: true for a successful run, whose results are then in the
    // session. BerechnungFehler (here and in the session) tells a failed run.
    bool calculate(int day, const QString& text);

    int RechenTag = kFullYear;
    bool BerechnungFehler = false;
    bool cancelled() const { return cancelled_; }

    // The part of the progress bar drawn for the current progress.
    QRect progressRect() const;
    // For the tests: the run did not happen on the user-interface thread, and the window
    // kept serving its event loop while the run went on.
    bool ranOnWorkerThread() const { return ranOnWorker_; }
    int progressUpdates() const { return progressUpdates_; }

    QLabel* Label1 = nullptr;
    QLabel* LabelNull = nullptr;
    QLabel* Label3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

private:
    void startRun();
    void pollProgress();
    void finishRun();
    void runEconomics();
    void showMessage(const Message& message);

    Session& session_;
    QTimer Timer1;        // closes the window after the run
    QTimer progressPoll;  // repaints the bar while the worker runs
    QThread* worker_ = nullptr;
    std::unique_ptr<Project> runProject_;
    std::unique_ptr<SimulationResults> runResults_;
    CalculationOutcome outcome_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> progressDay_{0};
    int shownDay_ = 0;
    bool started_ = false;
    bool cancelled_ = false;
    bool ranOnWorker_ = false;
    int progressUpdates_ = 0;
};

}  // namespace talp
