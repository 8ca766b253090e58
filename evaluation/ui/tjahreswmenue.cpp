#include "evaluation/ui/tjahreswmenue.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/xy_chart.h"
#include "core/hvac.h"
#include "evaluation/annual_export.h"
#include "evaluation/chart_curves.h"
#include "evaluation/condensation.h"
#include "evaluation/evaluation_csv.h"
#include "evaluation/evaluation_labels.h"
#include "evaluation/hour_selection.h"
#include "evaluation/ui/activation.h"
#include "evaluation/ui/chart_points.h"
#include "evaluation/ui/period_warning.h"
#include "evaluation/ui/topic_lookup.h"
#include "evaluation/ui/ttageswmenue.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Jahresauswertung", "TALP Annual analysis"};
constexpr Text kFiguresGroup{"EWT", "EHX"};
constexpr Text kCostsGroup{"Kosten", "Costs"};
constexpr Text kDiagramGroup{"Diagramm", "Diagram"};
constexpr Text kOutputGroup{"Ausgabedatei", "Output file"};
constexpr Text kTemperatures{"EWT-Temperaturen", "EHX temperatures"};
constexpr Text kHeatExchange{"Jahreswärmeaustausch", "Annual heat exchange"};
constexpr Text kSave{"Speichern", "Save"};
constexpr Text kCalculating{"Berechnung läuft ...", "Calculating ..."};
constexpr Text kChartHint{"Zoomen Sie mit linker Maustaste, wählen Sie Daten mit Shift und linker Maustaste aus.",
                          "Zoom with the left mouse button, pick data with Shift and the left mouse button."};
constexpr Text kExportFilter{"TALP-Jahresauswertung (*.tpj)", "TALP-annualanalysis (*.tpj)"};
constexpr Text kNotCalculated{"Jahreswerte wurden nicht korrekt berechnet", "Annual data was not correctly calculated"};

constexpr Text kTemperatureTitle{"Lufttemperatur vor und nach EWT", "EHX air temperatures (inlet/ outlet)"};
constexpr Text kHeatTitle{"Jahreswärmeaustausch", "Annual heat exchange"};
constexpr Text kHourAxis{"Stunde im Jahr", "Hour of year"};
constexpr Text kTemperatureAxis{"Temperatur in °C", "Temperature in °C"};
constexpr Text kHeatAxis{"Wärmeaustausch in kW", "Heat exchange in kW"};
constexpr Text kOutdoorSeries{"Außentemperatur", "Outdoor temperature"};
constexpr Text kOutletSeries{"Temperatur nach EWT", "EHX outlet temperature"};

// The labels of the figures, in the order shown, and which of them form the cost group.
struct LabelField {
    const char* name;
    std::string AnnualLabels::*text;
    bool cost;
};
constexpr LabelField kLabelFields[] = {
    {"LabelWAufnahme", &AnnualLabels::LabelWAufnahme, false},
    {"LabelWAbgabe", &AnnualLabels::LabelWAbgabe, false},
    {"LabelMaxEWTTemp", &AnnualLabels::LabelMaxEWTTemp, false},
    {"LabelMinEWTTemp", &AnnualLabels::LabelMinEWTTemp, false},
    {"LabelMaxEWTTempvor", &AnnualLabels::LabelMaxEWTTempvor, false},
    {"LabelMinEWTTempvor", &AnnualLabels::LabelMinEWTTempvor, false},
    {"LabelEffizienzHeizen", &AnnualLabels::LabelEffizienzHeizen, false},
    {"LabelEffizienzKuehlen", &AnnualLabels::LabelEffizienzKuehlen, false},
    {"LabelBetriebsdauer", &AnnualLabels::LabelBetriebsdauer, false},
    {"LabelAmortZeit", &AnnualLabels::LabelAmortZeit, true},
    {"LabelIntZins", &AnnualLabels::LabelIntZins, true},
    {"LabelAnnu", &AnnualLabels::LabelAnnu, true},
    {"LabelEWTEPreis", &AnnualLabels::LabelEWTEPreis, true},
};

const QColor kOutletGreen(0, 128, 0);
constexpr double kHourAxisStep = 800;
// Consecutive plotted hours further apart than this are not joined: the exchanger was off.
constexpr double kOperatingGap = 1;
// The hint stands this far below the mouse, clear of the cursor.
constexpr int kHintOffset = 30;

}  // namespace

Tjahreswmenue::Tjahreswmenue(ShellContext& context, QWidget* parent) : TopicWindow(Topic::Jahr, context, parent)
{
    xyGraph1 = new XyChart(this);
    xyGraph1->setObjectName(QStringLiteral("xyGraph1"));
    xyGraph1->setMinimumSize(330, 250);
    connect(xyGraph1, &XyChart::mousePressed, this, &Tjahreswmenue::mousePressed);
    connect(xyGraph1, &XyChart::mouseMoved, this, &Tjahreswmenue::mouseMoved);
    connect(xyGraph1, &XyChart::mouseReleased, this, &Tjahreswmenue::mouseReleased);

    figures_ = new QGroupBox(this);
    costs_ = new QGroupBox(this);
    auto* figureLines = new QVBoxLayout(figures_);
    auto* costLines = new QVBoxLayout(costs_);
    for (QVBoxLayout* lines : {figureLines, costLines}) {
        lines->setSpacing(1);
        lines->setContentsMargins(6, 2, 6, 4);
    }
    for (const LabelField& field : kLabelFields) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(field.name));
        (field.cost ? costLines : figureLines)->addWidget(label);
        labels_.push_back(label);
    }
    LabelLebensdauer = new QLabel(this);
    LabelLebensdauer->setObjectName(QStringLiteral("LabelLebensdauer"));
    costLines->addWidget(LabelLebensdauer);
    // The water a summer's cooling leaves in the pipes: an estimate beside the figures of
    // the heat model.
    LabelKondensat = new QLabel(this);
    LabelKondensat->setObjectName(QStringLiteral("LabelKondensat"));
    figureLines->addWidget(LabelKondensat);

    diagram_ = new QGroupBox(this);
    temperatur = new QRadioButton(diagram_);
    temperatur->setObjectName(QStringLiteral("temperatur"));
    temperatur->setChecked(true);
    jahreswrmeaustausch = new QRadioButton(diagram_);
    jahreswrmeaustausch->setObjectName(QStringLiteral("jahreswrmeaustausch"));
    auto* modes = new QHBoxLayout(diagram_);
    modes->setContentsMargins(6, 2, 6, 4);
    modes->addWidget(temperatur);
    modes->addWidget(jahreswrmeaustausch);
    connect(temperatur, &QRadioButton::clicked, this, [this] { chartModeChosen(ChartMode::Temperatures); });
    connect(jahreswrmeaustausch, &QRadioButton::clicked, this, [this] { chartModeChosen(ChartMode::HeatExchange); });

    output_ = new QGroupBox(this);
    DateiAus = new QPushButton(output_);
    DateiAus->setObjectName(QStringLiteral("DateiAus"));
    auto* outputRow = new QHBoxLayout(output_);
    outputRow->setContentsMargins(6, 2, 6, 4);
    outputRow->addWidget(DateiAus);
    connect(DateiAus, &QPushButton::clicked, this, &Tjahreswmenue::DateiAusClick);

    auto* side = new QVBoxLayout;
    side->addWidget(figures_);
    side->addWidget(costs_);
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(xyGraph1, 1);
    top->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(diagram_);
    bottom->addWidget(output_);
    bottom->addStretch(1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    outer->addLayout(top, 1);
    outer->addLayout(bottom);
    outer->addWidget(navigationBar());
    // The original fixed size, as the smallest; the chart takes whatever more the planner
    // gives the window.
    resize(640, 386);


    CloseTimer.setInterval(10);
    CloseTimer.setSingleShot(true);
    connect(&CloseTimer, &QTimer::timeout, this, &Tjahreswmenue::leave);
    connect(new ActivationWatch(this), &ActivationWatch::activated, this, &Tjahreswmenue::FormActivate);

    applyLanguage();
}

QLabel* Tjahreswmenue::label(const char* name) const { return findChild<QLabel*>(QLatin1String(name)); }

void Tjahreswmenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    figures_->setTitle(qt(kFiguresGroup, l));
    costs_->setTitle(qt(kCostsGroup, l));
    diagram_->setTitle(qt(kDiagramGroup, l));
    output_->setTitle(qt(kOutputGroup, l));
    temperatur->setText(qt(kTemperatures, l));
    jahreswrmeaustausch->setText(qt(kHeatExchange, l));
    DateiAus->setText(qt(kSave, l));
    xyGraph1->setToolTip(qt(kChartHint, l));
    if (resultsValid_ && !project().RecalcNeeded) {
        showFigures();
        drawChart(true);
    }
}

bool Tjahreswmenue::periodWarningAccepted() { return talp::periodWarningAccepted(context(), this); }

void Tjahreswmenue::FormActivate()
{
    if (activating_ || closing_) return;
    activating_ = true;
    if (project().RecalcNeeded) {
        if (periodWarningAccepted()) calculate();
        else CloseTimer.start();
    } else {
        // Another full-year run (the optimisation's, the report's) brought the results up
        // to date.
        resultsValid_ = true;
    }
    if (CloseTimer.isActive()) closing_ = true;
    else if (resultsValid_ && !project().RecalcNeeded) {
        showFigures();
        drawChart(false);
    }
    activating_ = false;
}

void Tjahreswmenue::calculate()
{
    xyGraph1->clear();
    resultsValid_ = false;
    if (context().calculate(kFullYear, qt(kCalculating, language()), this)) {
        resultsValid_ = true;
        project().RecalcNeeded = false;
    } else {
        CloseTimer.start();
    }
}

void Tjahreswmenue::leave()
{
    closeTopicWindow(this);
    closing_ = false;
}

void Tjahreswmenue::showFigures()
{
    const Session& s = context().session();
    const AnnualLabels shown = annualLabels(*s.results, s.economics, language());
    for (std::size_t i = 0; i < std::size(kLabelFields); ++i) labels_[i]->setText(qt(shown.*kLabelFields[i].text));
    // The lifetime is shown whether or not the cost window is open: it is the horizon the
    // payback and the annuity refer to.
    LabelLebensdauer->setText(qt(lifetimeLabel(project().get(Param::lebensdauer), language())));
    const CondensationLabel condensate = condensationLabel(condensationOfRun(project(), *s.results, &s.installation), language());
    LabelKondensat->setText(qt(condensate.line));
    LabelKondensat->setToolTip(qt(condensate.details));
}

void Tjahreswmenue::drawChart(bool whole)
{
    const Language l = language();
    const SimulationResults& r = *context().session().results;
    std::vector<QList<QPointF>> curves;
    if (mode_ == ChartMode::Temperatures) {
        curves.push_back(toPoints(outdoorTemperatureCurve(r)));
        curves.push_back(toPoints(outletTemperatureCurve(r)));
    } else {
        curves.push_back(toPoints(heatExchangeCurve(r)));
    }
    // Coming back to the window keeps the planner's zoom as long as the curves are those
    // already drawn.
    if (!whole && showsCurves(*xyGraph1, curves)) return;

    xyGraph1->clear();
    xyGraph1->setXRange(1, kHoursPerYear, kHourAxisStep);
    xyGraph1->setYAutoRange();
    if (mode_ == ChartMode::Temperatures) {
        xyGraph1->setTitle(qt(kTemperatureTitle, l));
        xyGraph1->setAxisTitles(qt(kHourAxis, l), qt(kTemperatureAxis, l));
        xyGraph1->setLegendVisible(true);
        xyGraph1->addSeries(qt(kOutdoorSeries, l), Qt::red);
        xyGraph1->addSeries(qt(kOutletSeries, l), kOutletGreen, SeriesStyle::Line, kOperatingGap);
    } else {
        xyGraph1->setTitle(qt(kHeatTitle, l));
        xyGraph1->setAxisTitles(qt(kHourAxis, l), qt(kHeatAxis, l));
        xyGraph1->setLegendVisible(false);
        xyGraph1->addSeries(qt(kHeatTitle, l), Qt::red, SeriesStyle::Line, kOperatingGap);
    }
    for (std::size_t i = 0; i < curves.size(); ++i) xyGraph1->setPoints(static_cast<int>(i), curves[i]);
}

void Tjahreswmenue::chartModeChosen(ChartMode mode)
{
    mode_ = mode;
    if (resultsValid_) drawChart(true);
}

void Tjahreswmenue::mousePressed(const ChartMouseEvent& e)
{
    if (e.button == Qt::LeftButton && e.shift) {
        if (e.insidePlot && resultsValid_) openDayOf(e.value.x());
        return;
    }
    if (e.button == Qt::RightButton || e.button == Qt::MiddleButton) {
        zoomInProgress_ = false;
        xyGraph1->hideZoomRectangle();
        if (resultsValid_) drawChart(true);
        return;
    }
    if (e.button != Qt::LeftButton) return;
    zoomInProgress_ = resultsValid_ && e.insidePlot && e.value.x() > 0;
    zoomStart_ = e.value.x();
}

void Tjahreswmenue::mouseMoved(const ChartMouseEvent& e)
{
    if (e.insidePlot) xyGraph1->showHint(qt(hintDate(e.value.x())), e.position + QPoint(0, kHintOffset));
    else xyGraph1->hideHint();
    if (zoomInProgress_) xyGraph1->showZoomRectangle(zoomStart_, e.value.x());
}

void Tjahreswmenue::mouseReleased(const ChartMouseEvent& e)
{
    if (e.button != Qt::LeftButton || !zoomInProgress_) return;
    zoomInProgress_ = false;
    xyGraph1->hideZoomRectangle();
    // A drag that ends beyond the axis zooms to the axis' end.
    const double end = std::clamp(e.value.x(), xyGraph1->xMin(), xyGraph1->xMax());
    const ZoomRange range = zoomRange(zoomStart_, end);
    xyGraph1->setXRange(range.min, range.max, 0);
}

void Tjahreswmenue::openDayOf(double x)
{
    Ttageswmenue* day = findTopicWindow<Ttageswmenue>(context());
    if (!day) return;
    const SelectedHour at = selectedHour(x);
    day->showHour(DayChoice{at.month - 1, at.dayOfMonth, at.hour});
    context().requestTopic(Topic::Tag);
    // Bringing the daily window up calculates the day; if it stays where it is, this does.
    QTimer::singleShot(0, day, &Ttageswmenue::calculatePending);
}

void Tjahreswmenue::DateiAusClick()
{
    const Language l = language();
    if (!resultsValid_) {
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(kNotCalculated, l));
        return;
    }
    const std::optional<QString> chosen =
        askSaveFile(this, {QString(), QString(), qt(kExportFilter, l) + QStringLiteral(";;") + qt(kCsvFileFilter, l),
                           QStringLiteral("tpj"), QStringLiteral("ExportDialog")});
    if (!chosen) return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tpj");
    const Session& s = context().session();
    // The hours for a spreadsheet, with the condensate when the humidity is known.
    if (QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
        const CondensationOfRun condensation = condensationOfRun(project(), *s.results, &s.installation);
        std::optional<std::vector<long double>> condensate;
        if (condensation.estimate) condensate = hourlyCondensate(*s.results, condensation.humidity.percent);
        if (const auto fault = writeCsvFile(std::filesystem::path(utf8(path)), annualCsvTable(*s.results, condensate, l), l))
            showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(fault->message(l)));
        return;
    }
    // Each file that could not be written is reported; the other is written all the same.
    for (const Message& failed : exportAnnualEvaluation(std::filesystem::path(utf8(path)), *s.results,
                                                        s.results->geometry.pipeLength, s.projectPath, l))
        showMessage(this, QMessageBox::Critical, qt(failed.title, l), qt(failed.text, l));
}

}  // namespace talp
