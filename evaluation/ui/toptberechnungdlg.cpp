#include "evaluation/ui/toptberechnungdlg.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "core/simulation.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/shell_context.h"

namespace talp {

namespace {

constexpr Text kCaption{"Berechnung läuft", "Calculating..."};
constexpr Text kCalculated{"Berechnete Kombinationen", "Calculated combinations"};
constexpr Text kShown{"Angezeigte Kombinationen", "Shown combinations"};
constexpr Text kSkipped{"Übersprungen (Luftgeschwindigkeit)", "Skipped (air velocity)"};
constexpr Text kStop{"Abbrechen", "Stop"};
constexpr Text kStopping{"Berechnung wird abgebrochen !", "Calculation is being stopped !"};
constexpr Text kProgress{"Fortschritt aktuelle Berechnung", "Progress of current calculation"};
constexpr Text kStartingRun{"EWT mit aktuellen Parametern wird berechnet", "Calculating EHX with current parameters"};
constexpr Text kShownAll{
    "Angezeigt werden alle sinnvollen Kombinationen von EWT mit unterschiedlichen Werten für:  Rohranzahl, -länge, "
    "-durchmesser, Verlegungstiefe, Ventilator-Position und Abstand zwischen den Rohren.",
    "Shown are all reasonable combinations of EHX with different values for: number, length and diameter of "
    "pipes, depth of pipes, fan position and distance between the pipes."};
constexpr Text kLogNotice{"Alle Berechnungsergebnisse werden in der Datei \"Optimum.log\" im TALP-Verzeichnis protokolliert.",
                          "All results are logged in the file \"Optimum.log\" in the TALP directory."};

}  // namespace

TOptBerechnungDlg::TOptBerechnungDlg(ShellContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    qRegisterMetaType<CombinationRecord>();
    qRegisterMetaType<SearchCounters>();
    qRegisterMetaType<std::optional<CombinationRecord>>();
    qRegisterMetaType<std::vector<Message>>();
    qRegisterMetaType<TradeOff>();
    setObjectName(QStringLiteral("OptBerechnungDlg"));
    setModal(true);

    shownAll_ = new QLabel(this);
    shownAll_->setWordWrap(true);
    calculatedCaption_ = new QLabel(this);
    shownCaption_ = new QLabel(this);
    LabelAnzahl = new QLabel(QStringLiteral("0"), this);
    LabelAnzahl->setObjectName(QStringLiteral("LabelAnzahl"));
    LabelSinnvoll = new QLabel(QStringLiteral("0"), this);
    LabelSinnvoll->setObjectName(QStringLiteral("LabelSinnvoll"));
    skippedCaption_ = new QLabel(this);
    LabelUebersprungen = new QLabel(QStringLiteral("0"), this);
    LabelUebersprungen->setObjectName(QStringLiteral("LabelUebersprungen"));
    for (QLabel* count : {LabelAnzahl, LabelSinnvoll, LabelUebersprungen}) {
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    }
    auto* counts = new QGridLayout;
    counts->addWidget(calculatedCaption_, 0, 0);
    counts->addWidget(LabelAnzahl, 0, 1);
    counts->addWidget(shownCaption_, 1, 0);
    counts->addWidget(LabelSinnvoll, 1, 1);
    counts->addWidget(skippedCaption_, 2, 0);
    counts->addWidget(LabelUebersprungen, 2, 1);
    counts->setColumnStretch(2, 1);

    LabelFortschritt = new QLabel(this);
    LabelFortschritt->setObjectName(QStringLiteral("LabelFortschritt"));
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setRange(0, kDaysPerYear);
    Fortschritt->setFormat(QStringLiteral("%p %"));

    logNotice_ = new QLabel(this);
    logNotice_->setWordWrap(true);
    LabelAbbruch = new QLabel(this);
    LabelAbbruch->setObjectName(QStringLiteral("LabelAbbruch"));
    LabelAbbruch->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    // The notice keeps its room while hidden, so the dialog does not jump when it appears.
    QSizePolicy keepRoom = LabelAbbruch->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    LabelAbbruch->setSizePolicy(keepRoom);
    LabelAbbruch->hide();

    Abbrechen = new QPushButton(this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    connect(Abbrechen, &QPushButton::clicked, this, &TOptBerechnungDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LabelAbbruch, 1);
    buttons->addWidget(Abbrechen);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(shownAll_);
    outer->addSpacing(6);
    outer->addLayout(counts);
    outer->addSpacing(6);
    outer->addWidget(LabelFortschritt);
    outer->addWidget(Fortschritt);
    outer->addSpacing(6);
    outer->addWidget(logNotice_);
    outer->addLayout(buttons);
    setMinimumWidth(460);

    connect(this, &TOptBerechnungDlg::startCosted, this,
            [this](const std::optional<CombinationRecord>&, bool, const SearchCounters& counters) {
                LabelFortschritt->setText(qt(kProgress, context_.language()));
                Fortschritt->setRange(0, kDaysPerYear);
                showCounters(counters);
            });
    connect(this, &TOptBerechnungDlg::combinationCommitted, this,
            [this](const CombinationRecord&, bool, bool, const SearchCounters& counters) { showCounters(counters); });
    connect(this, &TOptBerechnungDlg::simulationProgressed, this, &TOptBerechnungDlg::showProgress);
    connect(this, &TOptBerechnungDlg::combinationSkipped, this, &TOptBerechnungDlg::showCounters);
    connect(this, &TOptBerechnungDlg::startFailed, this, [this](const std::vector<Message>& messages) {
        for (const Message& message : messages) showMessage(this, message, context_.language());
        startMessagesRead_.release();
    });

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &QDialog::accept);
}

TOptBerechnungDlg::~TOptBerechnungDlg()
{
    if (!worker_) return;
    cancel_ = true;
    worker_->wait();
}

void TOptBerechnungDlg::applyLanguage()
{
    const Language l = context_.language();
    setWindowTitle(qt(kCaption, l));
    shownAll_->setText(qt(kShownAll, l));
    calculatedCaption_->setText(qt(kCalculated, l));
    shownCaption_->setText(qt(kShown, l));
    skippedCaption_->setText(qt(kSkipped, l));
    LabelAbbruch->setText(qt(kStopping, l));
    logNotice_->setText(qt(kLogNotice, l));
    Abbrechen->setText(qt(kStop, l));
}

SearchRunEnd TOptBerechnungDlg::runNew(OptimisationSearch& search, const Project& project,
                                       const OptimisationSettings& settings)
{
    return run(search, project, settings, true);
}

SearchRunEnd TOptBerechnungDlg::runContinued(OptimisationSearch& search, const Project& project,
                                             const OptimisationSettings& settings)
{
    return run(search, project, settings, false);
}

SearchRunEnd TOptBerechnungDlg::run(OptimisationSearch& search, const Project& project,
                                    const OptimisationSettings& settings, bool newStart)
{
    search_ = &search;
    project_ = project;  // the worker's own copy: the forms may be looked at meanwhile
    settings_ = settings;
    newStart_ = newStart;
    outcome_ = SearchRunEnd{};
    cancel_ = false;
    applyLanguage();
    LabelAbbruch->hide();
    Abbrechen->setEnabled(true);
    const bool velocityLimited = settings.options.exhaustive && settings.options.maxAirVelocity.has_value();
    skippedCaption_->setVisible(velocityLimited);
    LabelUebersprungen->setVisible(velocityLimited);
    showCounters(newStart ? SearchCounters{} : search.counters());
    if (newStart) {
        // The starting geometry's year has no day count to show: the bar runs busy.
        LabelFortschritt->setText(qt(kStartingRun, context_.language()));
        Fortschritt->setRange(0, 0);
    } else {
        LabelFortschritt->setText(qt(kProgress, context_.language()));
        Fortschritt->setRange(0, kDaysPerYear);
    }
    Fortschritt->setValue(0);
    exec();
    search_ = nullptr;
    project_.reset();
    return outcome_;
}

void TOptBerechnungDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (search_ && !running_ && !worker_) startWorker();
}

void TOptBerechnungDlg::startWorker()
{
    running_ = true;
    worker_ = QThread::create([this] {
        OptimisationSearch& search = *search_;
        const Project& project = *project_;
        if (newStart_) {
            const StartOutcome start = search.startNew(project, settings_);
            outcome_.message = start.message;
            if (!start.ok) return;
            if (!start.startMessages.empty()) {
                emit startFailed(start.startMessages);
                startMessagesRead_.acquire();
            }
            emit startCosted(start.start, start.startEconomic, search.counters());
        } else {
            const StartOutcome resumed = search.continueSearch(project, settings_);
            outcome_.message = resumed.message;
            if (!resumed.ok) return;
        }
        outcome_.started = true;
        SearchCallbacks callbacks;
        callbacks.committed = [this](const CommittedCombination& c) {
            emit combinationCommitted(c.record, c.economic, c.newBest, c.counters);
        };
        callbacks.simulationProgress = [this](int day) { emit simulationProgressed(day); };
        callbacks.skipped = [this](const SearchCounters& counters) { emit combinationSkipped(counters); };
        callbacks.cancel = &cancel_;
        outcome_.end = search.run(project, callbacks);
        if (*outcome_.end == SearchEnd::FileError || *outcome_.end == SearchEnd::ReadError) return;
        // The fronts come from what the files hold now, costed for the same project.
        const auto records = readCombinationRecords(search.paths().economic);
        const auto costing = CombinationCosting::prepare(project, settings_.openHourlyFile);
        if (records && costing) emit tradeOffReady(tradeOffOf(project, settings_.options, *records, *costing));
    });
    connect(worker_, &QThread::finished, this, &TOptBerechnungDlg::workerFinished);
    worker_->start();
}

void TOptBerechnungDlg::workerFinished()
{
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    running_ = false;
    const Language l = context_.language();
    if (outcome_.message) {
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(*outcome_.message));
    } else if (outcome_.end) {
        switch (*outcome_.end) {
        case SearchEnd::AllDone:
            showMessage(this, QMessageBox::Information, QStringLiteral("TALP"), qt(kAllCombinationsDone, l));
            break;
        case SearchEnd::FileError:
            showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(kOptimisationFileError, l));
            break;
        case SearchEnd::ReadError:
            showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(kOptimisationReadError, l));
            break;
        case SearchEnd::Cancelled:
        case SearchEnd::LimitReached: break;
        }
    }
    Timer1.start();
}

void TOptBerechnungDlg::showCounters(const SearchCounters& counters)
{
    LabelAnzahl->setText(QString::number(counters.evaluated));
    LabelSinnvoll->setText(QString::number(counters.economic));
    LabelUebersprungen->setText(QString::number(counters.skipped));
}

void TOptBerechnungDlg::showProgress(int day)
{
    if (Fortschritt->maximum() > 0) Fortschritt->setValue(day);
}

void TOptBerechnungDlg::reject()
{
    // Escape, the close button and "Abbrechen" all ask the search to stop; the dialog
    // closes once the worker has committed its last combination.
    if (!running_) {
        QDialog::reject();
        return;
    }
    cancel_ = true;
    LabelAbbruch->show();
    Abbrechen->setEnabled(false);
}

void TOptBerechnungDlg::closeEvent(QCloseEvent* event)
{
    if (running_) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace talp
