#include "evaluation/ui/ttageswmenue.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "chart/xy_chart.h"
#include "core/numeric.h"
#include "evaluation/chart_curves.h"
#include "evaluation/daily_export.h"
#include "evaluation/evaluation_csv.h"
#include "evaluation/evaluation_labels.h"
#include "evaluation/ui/activation.h"
#include "evaluation/ui/chart_points.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Tagesauswertung", "TALP daily analysis"};
constexpr Text kStart{"Starten", "Start"};
constexpr Text kSave{"Speichern", "Save"};
constexpr Text kTemperatures{"Temperaturen entlang des EWT", "Temperatures along EHX"};
constexpr Text kHeatFlux{"Wärmefluß im EWT", "Heat flux inside EHX"};
constexpr Text kCalculating{"Berechnung läuft ...", "Calculating ..."};
constexpr Text kExportFilter{"Talp-Tagesauswertung (*.tpt)", "Talp- daily analysis (*.tpt)"};
constexpr Text kNotCalculated{"Tageswerte wurden nicht korrekt berechnet", "Daily data was not correctly calculated"};

constexpr Text kPipeLengthAxis{"Rohrlänge in m", "Pipe length in m"};
constexpr Text kPipeAxis{"Rohrlänge", "Pipe length"};
constexpr Text kTemperatureAxis{"Temperatur in °C", "Temperature in °C"};
constexpr Text kHeatFluxAxis{"Wärmefluß in W/m²", "Heat flux in W/m²"};
constexpr Text kAirSeries{"Lufttemperatur im Rohr", "Air temperature inside pipe"};
constexpr Text kWallSeries{"Erdtemperatur an Rohrwand", "Soil temp. at pipe wall"};
constexpr Text kSoilSeries{"Erdtemperatur", "Soil temperature"};

// The hour's figures in the order shown.
constexpr std::pair<const char*, std::string DailyLabels::*> kLabelFields[] = {
    {"LabelBetrieb", &DailyLabels::LabelBetrieb},     {"LabelVentOrt", &DailyLabels::LabelVentOrt},
    {"Labelwrmefluss", &DailyLabels::Labelwrmefluss}, {"LabelTvor", &DailyLabels::LabelTvor},
    {"LabelTnach", &DailyLabels::LabelTnach},
};

const QColor kWallGreen(0, 128, 0);
const QColor kSoilRed(128, 0, 0);

// The groups of the window in the order of their fields in groups_.
enum GroupIndex { Monat, Tag, Stunde, Berechnung, Ausgabe, Diagramm, GroupCount };
constexpr std::array<Text, GroupCount> kGroupTitles{{{"Monat", "Month"},
                                                     {"Tag", "Day"},
                                                     {"Stunde", "Hour"},
                                                     {"Berechnung", "Calculation"},
                                                     {"Ausgabedatei", "Output file"},
                                                     {"Diagramm", "Diagram"}}};

}  // namespace

Ttageswmenue::Ttageswmenue(ShellContext& context, QWidget* parent) : TopicWindow(Topic::Tag, context, parent)
{
    for (int g = 0; g < GroupCount; ++g) {
        auto* group = new QGroupBox(this);
        auto* row = g == Diagramm ? static_cast<QBoxLayout*>(new QVBoxLayout(group)) : new QHBoxLayout(group);
        row->setContentsMargins(6, 2, 6, 4);
        row->setSpacing(2);
        groups_.push_back(group);
    }
    const auto place = [this](int group, QWidget* control) {
        control->setParent(groups_[static_cast<std::size_t>(group)]);
        groups_[static_cast<std::size_t>(group)]->layout()->addWidget(control);
    };

    monat = new QComboBox;
    monat->setObjectName(QStringLiteral("monat"));
    for (int m = 0; m < 12; ++m) monat->addItem(QString());
    place(Monat, monat);
    tag = new QSpinBox;
    tag->setObjectName(QStringLiteral("tag"));
    tag->setRange(0, 32);
    // The day is stepped, never typed: stepping past a month's end moves into the next.
    tag->findChild<QLineEdit*>()->setReadOnly(true);
    place(Tag, tag);
    stunde = new QSpinBox;
    stunde->setObjectName(QStringLiteral("stunde"));
    stunde->setRange(0, 25);
    stunde->findChild<QLineEdit*>()->setReadOnly(true);
    place(Stunde, stunde);
    berechnen = new QPushButton;
    berechnen->setObjectName(QStringLiteral("berechnen"));
    place(Berechnung, berechnen);
    DateiAus = new QPushButton;
    DateiAus->setObjectName(QStringLiteral("DateiAus"));
    place(Ausgabe, DateiAus);
    temperaturen = new QRadioButton;
    temperaturen->setObjectName(QStringLiteral("temperaturen"));
    temperaturen->setChecked(true);
    place(Diagramm, temperaturen);
    wrmefluss = new QRadioButton;
    wrmefluss->setObjectName(QStringLiteral("wrmefluss"));
    place(Diagramm, wrmefluss);
    showChoice();

    connect(monat, &QComboBox::currentIndexChanged, this, &Ttageswmenue::monatChange);
    connect(tag, &QSpinBox::valueChanged, this, &Ttageswmenue::tagChange);
    connect(stunde, &QSpinBox::valueChanged, this, &Ttageswmenue::stundeChange);
    connect(berechnen, &QPushButton::clicked, this, &Ttageswmenue::berechnenClick);
    connect(DateiAus, &QPushButton::clicked, this, &Ttageswmenue::DateiAusClick);
    connect(temperaturen, &QRadioButton::clicked, this, [this] { chartModeChosen(ChartMode::Temperatures); });
    connect(wrmefluss, &QRadioButton::clicked, this, [this] { chartModeChosen(ChartMode::HeatFlux); });

    xyGraph1 = new XyChart(this);
    xyGraph1->setObjectName(QStringLiteral("xyGraph1"));
    xyGraph1->setMinimumSize(330, 230);

    auto* figures = new QVBoxLayout;
    figures->setSpacing(2);
    for (const auto& [name, text] : kLabelFields) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        figures->addWidget(label);
        labels_.push_back(label);
    }
    figures->addSpacing(6);
    for (int g : {Berechnung, Ausgabe}) figures->addWidget(groups_[static_cast<std::size_t>(g)]);
    figures->addStretch(1);

    // The day's choice and the diagram's above, the figures and the actions beside the
    // chart: the legend of three curves needs the chart's width.
    auto* controls = new QHBoxLayout;
    for (int g : {Monat, Tag, Stunde, Diagramm}) controls->addWidget(groups_[static_cast<std::size_t>(g)]);
    controls->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(xyGraph1, 1);
    middle->addLayout(figures);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    outer->addLayout(controls);
    outer->addLayout(middle, 1);
    outer->addWidget(navigationBar());
    // The original fixed size, as the smallest; the chart takes whatever more the planner
    // gives the window.
    resize(640, 386);

    CloseTimer.setInterval(10);
    CloseTimer.setSingleShot(true);
    connect(&CloseTimer, &QTimer::timeout, this, &Ttageswmenue::leave);
    connect(new ActivationWatch(this), &ActivationWatch::activated, this, &Ttageswmenue::FormActivate);

    applyLanguage();
}

QLabel* Ttageswmenue::label(const char* name) const { return findChild<QLabel*>(QLatin1String(name)); }

void Ttageswmenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    for (int g = 0; g < GroupCount; ++g) groups_[static_cast<std::size_t>(g)]->setTitle(qt(kGroupTitles[g], l));
    {
        const QSignalBlocker quiet(monat);
        for (int m = 0; m < 12; ++m) monat->setItemText(m, qt(monthName(m, l == Language::English)));
    }
    berechnen->setText(qt(kStart, l));
    DateiAus->setText(qt(kSave, l));
    temperaturen->setText(qt(kTemperatures, l));
    wrmefluss->setText(qt(kHeatFlux, l));
    if (resultsValid_) showResults();
}

void Ttageswmenue::showChoice()
{
    const QSignalBlocker quietMonth(monat), quietDay(tag), quietHour(stunde);
    monat->setCurrentIndex(choice_.month);
    tag->setValue(choice_.day);
    stunde->setValue(choice_.hour);
}

void Ttageswmenue::FormActivate()
{
    if (closing_ || calculating_) return;
    temperaturen->setFocus();
    pendingDay_ = false;
    calculate();
}

void Ttageswmenue::berechnenClick() { calculate(); }

void Ttageswmenue::showHour(const DayChoice& choice)
{
    choice_ = choice;
    showChoice();
    invalidate();
    pendingDay_ = true;
}

void Ttageswmenue::calculatePending()
{
    if (!pendingDay_) return;
    pendingDay_ = false;
    if (isVisible()) calculate();
}

void Ttageswmenue::invalidate()
{
    resultsValid_ = false;
    xyGraph1->clear();
}

void Ttageswmenue::calculate()
{
    if (calculating_) return;
    calculating_ = true;
    invalidate();
    if (context().calculate(dayOfYear(choice_), qt(kCalculating, language()), this)) {
        resultsValid_ = true;
        firstTime_ = false;
        showResults();
    } else {
        closing_ = true;
        CloseTimer.start();
    }
    calculating_ = false;
}

void Ttageswmenue::leave()
{
    closeTopicWindow(this);
    closing_ = false;
}

void Ttageswmenue::showResults(bool steppedWithinDay)
{
    drawChart();
    const SimulationResults& r = *context().session().results;
    const bool fanBefore = r.geometry.fanBefore;
    const DailyLabels shown = steppedWithinDay ? dailyHourLabels(r, choice_.hour, fanBefore, language())
                                               : dailyLabels(r, choice_.hour, fanBefore, language());
    for (std::size_t i = 0; i < std::size(kLabelFields); ++i) labels_[i]->setText(qt(shown.*kLabelFields[i].second));
}

void Ttageswmenue::drawChart()
{
    const Language l = language();
    const SimulationResults& r = *context().session().results;
    const long double length = r.geometry.pipeLength;
    const int h = choice_.hour;
    xyGraph1->clear();
    xyGraph1->setXRange(0, static_cast<double>(length), 0);
    xyGraph1->setYAutoRange();
    const bool temperatures = mode_ == ChartMode::Temperatures;
    xyGraph1->setTitle(qt(temperatures ? kTemperatures : kHeatFlux, l));
    xyGraph1->setAxisTitles(qt(temperatures ? kPipeLengthAxis : kPipeAxis, l),
                            qt(temperatures ? kTemperatureAxis : kHeatFluxAxis, l));
    xyGraph1->setLegendVisible(temperatures);
    if (temperatures) {
        xyGraph1->setPoints(xyGraph1->addSeries(qt(kAirSeries, l), Qt::red), toPoints(pipeProfile(r.DayAirTemp, h, length)));
        xyGraph1->setPoints(xyGraph1->addSeries(qt(kWallSeries, l), kWallGreen),
                            toPoints(pipeProfile(r.DayWallTemp, h, length)));
        xyGraph1->setPoints(xyGraph1->addSeries(qt(kSoilSeries, l), kSoilRed),
                            toPoints(pipeProfile(r.DaySoilTemp, h, length)));
    } else {
        xyGraph1->setPoints(xyGraph1->addSeries(qt(kHeatFlux, l), Qt::red),
                            toPoints(pipeProfile(r.DayHeatFluxDensity, h, length)));
    }
}

void Ttageswmenue::monatChange(int month)
{
    // A day past the new month's end (31 in February) becomes its last day.
    choice_.month = month;
    choice_.day = std::min(choice_.day, kMonthLengths[static_cast<std::size_t>(month)]);
    showChoice();
    invalidate();
}

void Ttageswmenue::tagChange(int day)
{
    choice_ = withDay(choice_, day);
    showChoice();
    invalidate();
}

void Ttageswmenue::stundeChange(int hour)
{
    const DayChoice next = withHour(choice_, hour);
    const bool sameDay = !otherDay(choice_, next);
    choice_ = next;
    showChoice();
    if (sameDay && resultsValid_) showResults(true);
    // A hidden window calculates when it is brought up.
    else if (isVisible()) calculate();
}

void Ttageswmenue::chartModeChosen(ChartMode mode)
{
    mode_ = mode;
    if (!firstTime_ && resultsValid_) drawChart();
}

void Ttageswmenue::DateiAusClick()
{
    const Language l = language();
    if (!resultsValid_) {
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(kNotCalculated, l));
        return;
    }
    const std::optional<QString> chosen =
        askSaveFile(this, {QString(), QString(), qt(kExportFilter, l) + QStringLiteral(";;") + qt(kCsvFileFilter, l),
                           QStringLiteral("tpt"), QStringLiteral("ExportDialog")});
    if (!chosen) return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tpt");
    const Session& s = context().session();
    const ShownHour shown{choice_.day, choice_.month, choice_.hour};
    if (QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
        const CsvTable table = dailyCsvTable(*s.results, shown, s.results->geometry.pipeLength, l);
        if (const auto fault = writeCsvFile(std::filesystem::path(utf8(path)), table, l))
            showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(fault->message(l)));
        return;
    }
    if (const std::optional<Message> failed = exportDailyEvaluation(
            std::filesystem::path(utf8(path)), *s.results, shown, s.results->geometry.pipeLength, s.projectPath, l))
        showMessage(this, QMessageBox::Critical, qt(failed->title, l), qt(failed->text, l));
}

}  // namespace talp
