#include "evaluation/ui/toptmenue.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRubberBand>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "chart/xy_chart.h"
#include "evaluation/combination_view.h"
#include "evaluation/ui/activation.h"
#include "evaluation/ui/period_warning.h"
#include "evaluation/ui/tewtparameter.h"
#include "evaluation/ui/toptberechnungdlg.h"
#include "evaluation/ui/toptdetailsdlg.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/param_spin_box.h"
#include "shell/ui/main_window.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP optimierter Erdwärmeaustauscher", "TALP optimized Earth Heat Exchanger"};
constexpr Text kNewStart{"Neu starten", "New start"};
constexpr Text kContinue{"Fortsetzen", "Continue"};
constexpr Text kOptions{"Optionen", "Options"};
constexpr Text kShow{"Anzeigen", "Show"};
constexpr Text kBestEnergy{"Energetisch bester Wert", "Best energy value"};
constexpr Text kBestEconomic{"Wirtschaftlich bester Wert", "Best economic value"};
constexpr Text kRateAxis{"Wirtschaftlichkeit (interner Zinssatz in %)", "Economics (internal interest rate in %)"};
constexpr Text kEnergyAxis{"Energiebeitrag (in kWh)", "Energy gains (in kWh)"};
constexpr Text kChartHint{"Zoomen Sie mit linker Maustaste, wählen Sie Daten mit Shift und linker Maustaste aus.",
                          "Use left mouse button to zoom; SHIFT + left mouse button to select"};
constexpr Text kEconomicSeriesName{"Wirtschaftliche Kombinationen", "Economic combinations"};
constexpr Text kStartSeriesName{"Startkombination", "Starting combination"};
constexpr Text kSelectedSeriesName{"Ausgewählte Kombination", "Selected combination"};

const QColor kEconomicColour(0, 128, 0);
// The axes reach this far beyond the best values, so that the best points stand clear of
// the chart's edge.
constexpr double kRateMargin = 5;
constexpr double kEnergyMargin = 1000;
// The smallest zoom: a tenth of a percent of rate and one kWh of energy.
constexpr double kMinimumRateSpan = 0.1;
constexpr double kMinimumEnergySpan = 1;

QPointF pointOf(const CombinationRecord& record)
{
    return {static_cast<double>(record.internalRate), static_cast<double>(record.energy)};
}

std::tm localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

Toptmenue::Toptmenue(ShellContext& context, QWidget* parent) : TopicWindow(Topic::Optimum, context, parent)
{
    OptGraph = new XyChart(this);
    OptGraph->setObjectName(QStringLiteral("OptGraph"));
    OptGraph->setMinimumSize(420, 300);
    connect(OptGraph, &XyChart::mousePressed, this, &Toptmenue::mousePressed);
    connect(OptGraph, &XyChart::mouseMoved, this, &Toptmenue::mouseMoved);
    connect(OptGraph, &XyChart::mouseReleased, this, &Toptmenue::mouseReleased);
    zoomBand_ = new QRubberBand(QRubberBand::Rectangle, OptGraph->viewport());
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("Hinweis"));
    hint_->setWordWrap(true);

    const auto button = [this](const char* name, void (Toptmenue::*click)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    BtnNeuStarten = button("BtnNeuStarten", &Toptmenue::BtnNeuStartenClick);
    BtnFortsetzen = button("BtnFortsetzen", &Toptmenue::BtnFortsetzenClick);
    Details = button("Details", &Toptmenue::DetailsClick);
    BtnEnergetisch = button("BtnEnergetisch", &Toptmenue::BtnEnergetischClick);
    BtnWirtschaftlich = button("BtnWirtschaftlich", &Toptmenue::BtnWirtschaftlichClick);
    BtnFortsetzen->setEnabled(false);
    BtnEnergetisch->setEnabled(false);
    BtnWirtschaftlich->setEnabled(false);

    energyGroup_ = new QGroupBox(this);
    (new QVBoxLayout(energyGroup_))->addWidget(BtnEnergetisch);
    economicGroup_ = new QGroupBox(this);
    (new QVBoxLayout(economicGroup_))->addWidget(BtnWirtschaftlich);

    auto* side = new QVBoxLayout;
    side->addWidget(BtnNeuStarten);
    side->addWidget(BtnFortsetzen);
    side->addWidget(Details);
    side->addSpacing(12);
    side->addWidget(energyGroup_);
    side->addWidget(economicGroup_);
    side->addStretch(1);
    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(OptGraph, 1);
    chartColumn->addWidget(hint_);
    auto* top = new QHBoxLayout;
    top->addLayout(chartColumn, 1);
    top->addLayout(side);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    outer->addLayout(top, 1);
    outer->addWidget(navigationBar());
    resize(680, 430);

    optdetailsdlg = new Toptdetailsdlg(context, this);
    OptBerechnungDlg = new TOptBerechnungDlg(context, this);
    EWTParameter = new TEWTParameter(this);
    connect(OptBerechnungDlg, &TOptBerechnungDlg::startCosted, this, &Toptmenue::startCosted);
    connect(OptBerechnungDlg, &TOptBerechnungDlg::combinationCommitted, this, &Toptmenue::combinationCommitted);

    drawSeed = [] { return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()); };
    saveChangesFirst = [this] { return askToSaveChanges(); };
    connect(new ActivationWatch(this), &ActivationWatch::activated, this, &Toptmenue::FormActivate);
    connect(&context, &ShellContext::projectReplaced, this, &Toptmenue::enableContinue);

    resetAxes();
    applyLanguage();
}

Toptmenue::~Toptmenue() = default;

void Toptmenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    BtnNeuStarten->setText(qt(kNewStart, l));
    BtnFortsetzen->setText(qt(kContinue, l));
    Details->setText(qt(kOptions, l));
    BtnEnergetisch->setText(qt(kShow, l));
    BtnWirtschaftlich->setText(qt(kShow, l));
    energyGroup_->setTitle(qt(kBestEnergy, l));
    economicGroup_->setTitle(qt(kBestEconomic, l));
    hint_->setText(qt(kChartHint, l));
    OptGraph->setAxisTitles(qt(kRateAxis, l), qt(kEnergyAxis, l));
    optdetailsdlg->applyLanguage();
    drawSeries();
}

void Toptmenue::FormActivate() { enableContinue(); }

void Toptmenue::enableContinue()
{
    // A changed project is another search space: it needs a new start.
    BtnFortsetzen->setEnabled(searched_ && !project().OptRecalcNeeded);
}

void Toptmenue::enableShowButtons()
{
    const bool found = search_.counters().hasEconomic();
    BtnEnergetisch->setEnabled(found);
    BtnWirtschaftlich->setEnabled(found);
}

void Toptmenue::DetailsClick() { options_ = optdetailsdlg->edit(options_); }

void Toptmenue::BtnNeuStartenClick()
{
    commitPendingEdit();
    if (!periodWarningAccepted(context(), this)) return;
    if (const std::optional<std::string> refusal = groundwaterRefusal(project())) {
        showMessage(this, QMessageBox::Warning, QStringLiteral("TALP"), qt(*refusal));
        return;
    }
    clearChart();
    runSearch(true);
}

void Toptmenue::BtnFortsetzenClick()
{
    commitPendingEdit();
    if (!periodWarningAccepted(context(), this)) return;
    runSearch(false);
}

OptimisationSettings Toptmenue::searchSettings() const
{
    const Session& s = context().session();
    OptimisationSettings settings;
    settings.options = options_;
    settings.directory = s.installation.writableDir;
    settings.language = language();
    settings.seed = drawSeed();
    settings.threads = threads;
    settings.openHourlyFile = s.openHourlyFile;
    settings.calculatedAt = localNow();
    return settings;
}

void Toptmenue::runSearch(bool newStart)
{
    const OptimisationSettings settings = searchSettings();
    // The record files live in the writable installation's sys folder.
    context().session().installation.writable("sys/OptFile.dat");
    if (newStart) project().OptRecalcNeeded = false;
    const SearchRunEnd end = newStart ? OptBerechnungDlg->runNew(search_, project(), settings)
                                      : OptBerechnungDlg->runContinued(search_, project(), settings);
    if (!end.started) return;
    searched_ = true;
    searchEnded();
}

void Toptmenue::searchEnded()
{
    // The forms still describe the starting geometry, but the last simulation was another
    // combination's: the evaluations calculate anew.
    project().RecalcNeeded = true;
    enableContinue();
    enableShowButtons();
    if (!search_.counters().hasEconomic())
        showMessage(this, QMessageBox::Information, QStringLiteral("TALP"), qt(kNoEconomicCombination, language()));
}

void Toptmenue::clearChart()
{
    economicPoints_.clear();
    economicRecords_.clear();
    startPoint_.clear();
    selectedPoint_.clear();
    bestRate_ = bestEnergy_ = 0;
    drawSeries();
    resetAxes();
}

void Toptmenue::drawSeries()
{
    const Language l = language();
    OptGraph->clear();
    OptGraph->setLegendVisible(true);
    OptGraph->addSeries(qt(kEconomicSeriesName, l), kEconomicColour, SeriesStyle::Points);
    OptGraph->addSeries(qt(kStartSeriesName, l), Qt::blue, SeriesStyle::Points);
    OptGraph->addSeries(qt(kSelectedSeriesName, l), Qt::red, SeriesStyle::Points);
    OptGraph->setPoints(kEconomicSeries, economicPoints_);
    OptGraph->setPoints(kStartSeries, startPoint_);
    OptGraph->setPoints(kSelectedSeries, selectedPoint_);
}

void Toptmenue::resetAxes()
{
    OptGraph->setXRange(0, bestRate_ + kRateMargin, 0);
    OptGraph->setYRange(0, bestEnergy_ + kEnergyMargin);
}

void Toptmenue::startCosted(const std::optional<CombinationRecord>& start, bool economic, const SearchCounters& counters)
{
    if (!start || !economic) return;
    startPoint_ = {pointOf(*start)};
    OptGraph->setPoints(kStartSeries, startPoint_);
    bestRate_ = static_cast<double>(counters.bestRate);
    bestEnergy_ = static_cast<double>(counters.bestEnergy);
    resetAxes();
}

void Toptmenue::combinationCommitted(const CombinationRecord& record, bool economic, bool newBest,
                                     const SearchCounters& counters)
{
    if (!economic) return;
    economicPoints_.append(pointOf(record));
    economicRecords_.push_back(counters.economic - 1);
    OptGraph->setPoints(kEconomicSeries, economicPoints_);
    if (!newBest) return;
    bestRate_ = static_cast<double>(counters.bestRate);
    bestEnergy_ = static_cast<double>(counters.bestEnergy);
    resetAxes();
}

void Toptmenue::BtnEnergetischClick() { showRecord(search_.counters().bestEnergyRecord); }
void Toptmenue::BtnWirtschaftlichClick() { showRecord(search_.counters().bestRateRecord); }

void Toptmenue::showRecord(long long recordNumber)
{
    const std::optional<CombinationRecord> record =
        recordNumber >= 0 ? readCombinationRecord(search_.paths().economic, recordNumber) : std::nullopt;
    if (!record) {
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(kOptimisationReadError, language()));
        return;
    }
    selectedPoint_ = {pointOf(*record)};
    OptGraph->setPoints(kSelectedSeries, selectedPoint_);
    EWTParameter->showCombination(project(), *record, language());
    if (dialogs().exec(*EWTParameter) == QDialog::Accepted) takeOver(*record);
}

void Toptmenue::takeOver(const CombinationRecord& record)
{
    if (record.geometry != startingCombination(project()) && project().modified && !saveChangesFirst()) return;
    const Project before = project();
    adoptCombination(project(), record);
    if (!(project() == before)) edited(InputWindow::Pipe);
    // The pipe price belongs to the costs, whose change makes another search space: only a
    // new start is offered afterwards.
    if (project().get(Param::rohrpreis) != before.get(Param::rohrpreis)) edited(InputWindow::Costs);
}

bool Toptmenue::askToSaveChanges()
{
    auto* main = qobject_cast<Thauptmenu*>(window());
    if (!main) return true;
    switch (main->askSaveChanges()) {
    case SaveChangesAnswer::Yes: main->commands().saveCommand(); return true;
    case SaveChangesAnswer::No: return true;
    case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

std::optional<int> Toptmenue::nearestEconomicPoint(QPoint pixels) const
{
    std::optional<int> nearest;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < economicPoints_.size(); ++i) {
        const QPointF offset = OptGraph->toPixels(economicPoints_[i]) - QPointF(pixels);
        const double distance = std::hypot(offset.x(), offset.y());
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = i;
        }
    }
    return nearest;
}

void Toptmenue::mousePressed(const ChartMouseEvent& e)
{
    if (e.button == Qt::RightButton) {
        zoomFrom_.reset();
        zoomBand_->hide();
        resetAxes();
        return;
    }
    if (e.button != Qt::LeftButton || !e.insidePlot) return;
    if (e.shift) {
        if (const std::optional<int> picked = nearestEconomicPoint(e.position))
            showRecord(economicRecords_[static_cast<std::size_t>(*picked)]);
        return;
    }
    zoomFrom_ = e.value;
    zoomFromPixels_ = e.position;
    zoomBand_->setGeometry(QRect(e.position, QSize()));
    zoomBand_->show();
}

void Toptmenue::mouseMoved(const ChartMouseEvent& e)
{
    if (zoomFrom_) zoomBand_->setGeometry(QRect(zoomFromPixels_, e.position).normalized());
}

void Toptmenue::mouseReleased(const ChartMouseEvent& e)
{
    if (e.button != Qt::LeftButton || !zoomFrom_) return;
    const QPointF from = *zoomFrom_;
    zoomFrom_.reset();
    zoomBand_->hide();
    // A drag that ends beyond the axes zooms to their ends.
    const QPointF to(std::clamp(e.value.x(), OptGraph->xMin(), OptGraph->xMax()),
                     std::clamp(e.value.y(), OptGraph->yMin(), OptGraph->yMax()));
    // A click or a sliver of a drag is no zoom.
    if (std::abs(to.x() - from.x()) < kMinimumRateSpan || std::abs(to.y() - from.y()) < kMinimumEnergySpan) return;
    OptGraph->setXRange(from.x(), to.x(), 0);
    OptGraph->setYRange(from.y(), to.y());
}

}  // namespace talp
