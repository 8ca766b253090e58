#include "evaluation/ui/toptmenue.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRubberBand>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

#include "chart/xy_chart.h"
#include "evaluation/combination_view.h"
#include "evaluation/economics.h"
#include "evaluation/front_csv.h"
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

constexpr Text kInvestmentAxis{"Investition (in €)", "Investment (in €)"};
constexpr Text kFrontSeriesName{"Pareto-Front", "Pareto front"};
constexpr Text kFrontGroup{"Pareto-Front: von keiner anderen Kombination in beidem übertroffen",
                           "Pareto front: beaten on both by no other combination"};
constexpr Text kViewCaption{"Ansicht", "View"};
// In the order of FrontView.
constexpr std::array<Text, 2> kViews{{
    {"Interner Zinssatz und Energiebeitrag", "Internal interest rate and energy gains"},
    {"Investition und Energiebeitrag", "Investment and energy gains"},
}};
constexpr Text kTakeOver{"Übernehmen", "Take over"};
constexpr Text kExport{"Als CSV-Datei speichern ...", "Save as CSV file ..."};
constexpr Text kExportTitle{"Pareto-Front speichern", "Save Pareto front"};
constexpr std::array<Text, Toptmenue::kFrontColumns> kFrontHeadings{{
    {"Rohre", "Pipes"},
    {"Länge\nm", "Length\nm"},
    {"Durchm.\nmm", "Diameter\nmm"},
    {"Abstand\nm", "Distance\nm"},
    {"Tiefe\nm", "Depth\nm"},
    {"Ventilator", "Fan"},
    {"Energie\nkWh/a", "Energy\nkWh/a"},
    {"Zinssatz\n%", "Interest\n%"},
    {"Amortis.\na", "Payback\na"},
    {"Investition\n€", "Investment\n€"},
    {"Luftgeschw.\nm/s", "Air speed\nm/s"},
}};
constexpr Text kFanBefore{"vor", "before"};
constexpr Text kFanAfter{"nach", "after"};

const QColor kEconomicColour(0, 128, 0);
const QColor kFrontColour(230, 120, 0);
// The axes reach this far beyond the best values, so that the best points stand clear of
// the chart's edge.
constexpr double kRateMargin = 5;
constexpr double kEnergyMargin = 1000;
constexpr double kInvestmentMargin = 0.05;  // of the highest investment
// The smallest zoom: a tenth of a percent of rate, one euro of investment and one kWh of
// energy.
constexpr double kMinimumRateSpan = 0.1;
constexpr double kMinimumInvestmentSpan = 1;
constexpr double kMinimumEnergySpan = 1;
// How often the chart takes in the points that came in meanwhile.
constexpr int kCloudRedrawMs = 250;
constexpr int kPointRole = Qt::UserRole + 1;  // the trade-off point behind a table line
constexpr int kSortRole = Qt::UserRole + 2;

// A cell of the front's table that sorts by its number, not by its text.
class FrontCell : public QTableWidgetItem {
public:
    FrontCell(const QString& text, double key) : QTableWidgetItem(text)
    {
        setData(kSortRole, key);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
    }
};

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
    auto* topWidget = new QWidget(this);
    auto* top = new QHBoxLayout(topWidget);
    top->setContentsMargins(0, 0, 0, 0);
    top->addLayout(chartColumn, 1);
    top->addLayout(side);

    frontGroup_ = new QGroupBox(this);
    viewCaption_ = new QLabel(frontGroup_);
    Ansicht = new QComboBox(frontGroup_);
    Ansicht->setObjectName(QStringLiteral("Ansicht"));
    connect(Ansicht, &QComboBox::activated, this, &Toptmenue::AnsichtChange);
    BtnFrontUebernehmen = button("BtnFrontUebernehmen", &Toptmenue::BtnFrontUebernehmenClick);
    BtnFrontExport = button("BtnFrontExport", &Toptmenue::BtnFrontExportClick);
    FrontTabelle = new QTableWidget(0, kFrontColumns, frontGroup_);
    FrontTabelle->setObjectName(QStringLiteral("FrontTabelle"));
    FrontTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    FrontTabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    FrontTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FrontTabelle->verticalHeader()->hide();
    FrontTabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    FrontTabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FrontTabelle->setSortingEnabled(true);
    connect(FrontTabelle, &QTableWidget::itemSelectionChanged, this, &Toptmenue::enableFrontButtons);
    connect(FrontTabelle, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        showRecord(tradeOff_.points[frontPointOfRow(row)].recordNumber);
    });
    auto* frontBar = new QHBoxLayout;
    frontBar->addWidget(viewCaption_);
    frontBar->addWidget(Ansicht);
    frontBar->addStretch(1);
    frontBar->addWidget(BtnFrontUebernehmen);
    frontBar->addWidget(BtnFrontExport);
    auto* frontLayout = new QVBoxLayout(frontGroup_);
    frontLayout->addLayout(frontBar);
    frontLayout->addWidget(FrontTabelle, 1);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(topWidget);
    split->addWidget(frontGroup_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    outer->addWidget(split, 1);
    outer->addWidget(navigationBar());
    resize(960, 700);

    optdetailsdlg = new Toptdetailsdlg(context, this);
    OptBerechnungDlg = new TOptBerechnungDlg(context, this);
    EWTParameter = new TEWTParameter(this);
    connect(OptBerechnungDlg, &TOptBerechnungDlg::startCosted, this, &Toptmenue::startCosted);
    connect(OptBerechnungDlg, &TOptBerechnungDlg::combinationCommitted, this, &Toptmenue::combinationCommitted);

    connect(OptBerechnungDlg, &TOptBerechnungDlg::tradeOffReady, this, &Toptmenue::tradeOffArrived);
    cloudRedraw_.setSingleShot(true);
    cloudRedraw_.setInterval(kCloudRedrawMs);
    connect(&cloudRedraw_, &QTimer::timeout, this, [this] {
        OptGraph->setPoints(kEconomicSeries, economicPoints_);
        if (std::exchange(axesFollowBest_, false)) resetAxes();
    });
    enableFrontButtons();

    drawSeed = [] { return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()); };
    saveChangesFirst = [this] { return saveChangesBeforeReplacing(this); };
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
    frontGroup_->setTitle(qt(kFrontGroup, l));
    viewCaption_->setText(qt(kViewCaption, l));
    {
        const QSignalBlocker quiet(Ansicht);
        Ansicht->clear();
        for (const Text& v : kViews) Ansicht->addItem(qt(v, l));
        Ansicht->setCurrentIndex(static_cast<int>(view_));
    }
    BtnFrontUebernehmen->setText(qt(kTakeOver, l));
    BtnFrontExport->setText(qt(kExport, l));
    QStringList headings;
    for (const Text& h : kFrontHeadings) headings << qt(h, l);
    FrontTabelle->setHorizontalHeaderLabels(headings);
    optdetailsdlg->applyLanguage();
    showView();
}

void Toptmenue::showView()
{
    const Language l = language();
    OptGraph->setAxisTitles(qt(view_ == FrontView::RateAndEnergy ? kRateAxis : kInvestmentAxis, l), qt(kEnergyAxis, l));
    showCloud();
    fillFrontTable();
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
    cloudRedraw_.stop();
    showCloud();
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
    cloudRedraw_.stop();
    cloud_.clear();
    start_.reset();
    selected_.reset();
    tradeOff_ = TradeOff{};
    bestRate_ = bestEnergy_ = highestInvestment_ = 0;
    showCloud();
    fillFrontTable();
}

void Toptmenue::drawSeries()
{
    const Language l = language();
    OptGraph->clear();
    OptGraph->setLegendVisible(true);
    OptGraph->addSeries(qt(kEconomicSeriesName, l), kEconomicColour, SeriesStyle::Points);
    OptGraph->addSeries(qt(kStartSeriesName, l), Qt::blue, SeriesStyle::Points);
    OptGraph->addSeries(qt(kSelectedSeriesName, l), Qt::red, SeriesStyle::Points);
    OptGraph->addSeries(qt(kFrontSeriesName, l), kFrontColour, SeriesStyle::Line);
    OptGraph->setPoints(kEconomicSeries, economicPoints_);
    OptGraph->setPoints(kStartSeries, startPoint_);
    OptGraph->setPoints(kSelectedSeries, selectedPoint_);
    QList<QPointF> front;
    for (std::size_t i : tradeOff_.front(view_)) front.append(pointOf(tradeOff_.points[i]));
    OptGraph->setPoints(kFrontSeries, front);
}

void Toptmenue::resetAxes()
{
    if (view_ == FrontView::RateAndEnergy) OptGraph->setXRange(0, bestRate_ + kRateMargin, 0);
    else OptGraph->setXRange(0, std::max(highestInvestment_ * (1 + kInvestmentMargin), kMinimumInvestmentSpan), 0);
    OptGraph->setYRange(0, bestEnergy_ + kEnergyMargin);
}

TradeOffPoint Toptmenue::tradeOffPoint(const CombinationRecord& record, long long recordNumber) const
{
    TradeOffPoint point = tradeOffPoints(project(), options_, {record}).front();
    point.recordNumber = recordNumber;
    return point;
}

QPointF Toptmenue::pointOf(const TradeOffPoint& point) const
{
    const long double x = view_ == FrontView::RateAndEnergy ? point.record.internalRate : point.investment;
    return {static_cast<double>(x), static_cast<double>(point.record.energy)};
}

void Toptmenue::showCloud()
{
    economicPoints_.clear();
    for (const TradeOffPoint& p : cloud_) economicPoints_.append(pointOf(p));
    startPoint_.clear();
    if (start_) startPoint_.append(pointOf(*start_));
    selectedPoint_.clear();
    if (selected_) selectedPoint_.append(pointOf(*selected_));
    drawSeries();
    resetAxes();
}

void Toptmenue::startCosted(const std::optional<CombinationRecord>& start, bool economic, const SearchCounters& counters)
{
    if (!start || !economic) return;
    start_ = tradeOffPoint(*start, counters.economic - 1);
    startPoint_ = {pointOf(*start_)};
    OptGraph->setPoints(kStartSeries, startPoint_);
    bestRate_ = static_cast<double>(counters.bestRate);
    bestEnergy_ = static_cast<double>(counters.bestEnergy);
    highestInvestment_ = std::max(highestInvestment_, static_cast<double>(start_->investment));
    resetAxes();
}

void Toptmenue::combinationCommitted(const CombinationRecord& record, bool economic, bool newBest,
                                     const SearchCounters& counters)
{
    if (!economic) return;
    cloud_.push_back(tradeOffPoint(record, counters.economic - 1));
    economicPoints_.append(pointOf(cloud_.back()));
    const double investment = static_cast<double>(cloud_.back().investment);
    if (newBest || (view_ == FrontView::InvestmentAndEnergy && investment > highestInvestment_)) axesFollowBest_ = true;
    highestInvestment_ = std::max(highestInvestment_, investment);
    bestRate_ = static_cast<double>(counters.bestRate);
    bestEnergy_ = static_cast<double>(counters.bestEnergy);
    if (!cloudRedraw_.isActive()) cloudRedraw_.start();
}

void Toptmenue::tradeOffArrived(const TradeOff& tradeOff)
{
    // The files' own account replaces the points gathered on the way.
    tradeOff_ = tradeOff;
    cloud_.clear();
    start_.reset();
    highestInvestment_ = 0;
    const bool startEconomic = !startPoint_.isEmpty();
    for (const TradeOffPoint& p : tradeOff_.points) {
        if (startEconomic && p.recordNumber == 0) start_ = p;
        else cloud_.push_back(p);
        highestInvestment_ = std::max(highestInvestment_, static_cast<double>(p.investment));
    }
    showCloud();
    fillFrontTable();
}

void Toptmenue::AnsichtChange(int index)
{
    view_ = static_cast<FrontView>(index);
    zoomFrom_.reset();
    zoomBand_->hide();
    showView();
}

std::size_t Toptmenue::frontPointOfRow(int row) const
{
    return static_cast<std::size_t>(FrontTabelle->item(row, PipeCountColumn)->data(kPointRole).toULongLong());
}

void Toptmenue::fillFrontTable()
{
    const Language l = language();
    const QSignalBlocker quiet(FrontTabelle);
    FrontTabelle->setSortingEnabled(false);
    FrontTabelle->clearContents();
    const std::vector<std::size_t>& front = tradeOff_.front(view_);
    FrontTabelle->setRowCount(static_cast<int>(front.size()));
    for (int row = 0; row < static_cast<int>(front.size()); ++row) {
        const std::size_t index = front[static_cast<std::size_t>(row)];
        const TradeOffPoint& p = tradeOff_.points[index];
        const Combination& c = p.record.geometry;
        const auto cell = [&](int column, const std::string& text, long double key) {
            FrontTabelle->setItem(row, column, new FrontCell(qt(text), static_cast<double>(key)));
        };
        cell(PipeCountColumn, std::to_string(c.pipeCount), c.pipeCount);
        FrontTabelle->item(row, PipeCountColumn)->setData(kPointRole, static_cast<qulonglong>(index));
        cell(LengthColumn, formatGeneral(c.length), c.length);
        cell(DiameterColumn, formatGeneral(c.diameter), c.diameter);
        cell(SpacingColumn, c.pipeCount >= 2 ? formatGeneral(c.spacing) : "", c.pipeCount >= 2 ? c.spacing : 0);
        cell(DepthColumn, formatGeneral(c.depth), c.depth);
        cell(FanColumn, std::string((c.fanBefore ? kFanBefore : kFanAfter).in(l)), c.fanBefore ? 0 : 1);
        cell(EnergyColumn, formatFixed(p.record.energy, 0), p.record.energy);
        cell(RateColumn, formatFixed(p.record.internalRate, 2), p.record.internalRate);
        const std::optional<long double>& payback = tradeOff_.payback[index];
        cell(PaybackColumn, payback ? formatFixed(*payback, 1) : "", payback.value_or(kPaybackHorizon));
        cell(InvestmentColumn, formatFixed(p.investment, 0), p.investment);
        cell(VelocityColumn, formatFixed(p.airVelocity, 2), p.airVelocity);
    }
    FrontTabelle->setSortingEnabled(true);
    enableFrontButtons();
}

void Toptmenue::enableFrontButtons()
{
    BtnFrontUebernehmen->setEnabled(!FrontTabelle->selectedItems().isEmpty());
    BtnFrontExport->setEnabled(!tradeOff_.front(view_).empty());
}

void Toptmenue::BtnFrontUebernehmenClick()
{
    const QList<QTableWidgetItem*> chosen = FrontTabelle->selectedItems();
    if (chosen.isEmpty()) return;
    const TradeOffPoint& point = tradeOff_.points[frontPointOfRow(chosen.front()->row())];
    selected_ = point;
    selectedPoint_ = {pointOf(point)};
    OptGraph->setPoints(kSelectedSeries, selectedPoint_);
    takeOver(point.record);
}

void Toptmenue::BtnFrontExportClick()
{
    const Language l = language();
    const std::filesystem::path proposal = context().session().installation.writableDir / "pareto.csv";
    const std::optional<QString> file =
        askSaveFile(this, {qt(kExportTitle, l), QString::fromStdString(proposal.string()), qt(kCsvFileFilter, l),
                           QStringLiteral("csv"), QStringLiteral("FrontExport")});
    if (!file) return;
    if (!writeFrontCsv(file->toStdString(), tradeOff_, view_, l))
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(kOptimisationFileError, l));
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
    selected_ = tradeOffPoint(*record, recordNumber);
    selectedPoint_ = {pointOf(*selected_)};
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
            showRecord(cloud_[static_cast<std::size_t>(*picked)].recordNumber);
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
    const double minimumXSpan = view_ == FrontView::RateAndEnergy ? kMinimumRateSpan : kMinimumInvestmentSpan;
    if (std::abs(to.x() - from.x()) < minimumXSpan || std::abs(to.y() - from.y()) < kMinimumEnergySpan) return;
    OptGraph->setXRange(from.x(), to.x(), 0);
    OptGraph->setYRange(from.y(), to.y());
}

}  // namespace talp
