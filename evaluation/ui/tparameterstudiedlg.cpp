#include "evaluation/ui/tparameterstudiedlg.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <map>

#include "chart/xy_chart.h"
#include "core/numeric.h"
#include "evaluation/variant_comparison.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Parameterstudie", "TALP Parameter study"};
constexpr Text kInput{"Eingabe", "Input"};
constexpr Text kFrom{"von", "from"};
constexpr Text kTo{"bis", "to"};
constexpr Text kStep{"Schritt", "step"};
constexpr Text kNone{"(keine)", "(none)"};
constexpr Text kFigure{"Kennwert im Diagramm:", "Figure in the chart:"};
constexpr Text kCalculate{"Berechnen", "Calculate"};
constexpr Text kStop{"Stopp", "Stop"};
constexpr Text kCsv{"CSV ...", "CSV ..."};
constexpr Text kClose{"Schließen", "Close"};
constexpr Text kHelp{"Hilfe", "Help"};
constexpr Text kTooLarge{"Die Parameterstudie umfasst mehr als 10 000 Varianten. Bitte größere Schritte wählen.",
                         "The parameter study has more than 10 000 variants. Please choose larger steps."};
// A study from the window is a few hundred variants at most; beyond this the planner has
// mistyped a step, and the command line is the place for huge grids.
constexpr std::uint64_t kMostWindowVariants = 10000;
constexpr int kHelpStudy = 1504;

// The inputs a study can run over: every number of the input windows, and the fan position.
bool studied(const ParamSpec& entry)
{
    return entry.kind == ParamKind::Real || entry.kind == ParamKind::Integer || entry.id == Param::VentilatorVor;
}

const std::array<QColor, 10> kLineColours{QColor(0, 70, 180),  QColor(200, 30, 30), QColor(0, 128, 0),
                                          QColor(230, 140, 0), QColor(130, 0, 160), QColor(0, 150, 160),
                                          QColor(120, 80, 40), QColor(90, 90, 90),  QColor(255, 0, 255),
                                          QColor(0, 0, 0)};

// "250 mm" for an input whose heading names its unit ("Rohrdurchmesser in mm"), else
// "Rohranzahl = 3".
QString legendName(Param param, long double value, Language language)
{
    const std::string heading = inputHeading(param, language);
    const std::size_t in = heading.rfind(" in ");
    if (in == std::string::npos) return qt(heading + " = " + formatGeneral(value));
    return qt(formatGeneral(value) + " " + heading.substr(in + 4));
}

}  // namespace

TParameterstudieDlg::TParameterstudieDlg(ShellContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    const Language l = context.language();
    setObjectName(QStringLiteral("parameterstudiedlg"));
    setWindowTitle(qt(kCaption, l));
    auto* grid = new QGridLayout;
    for (int row = 0; row < 2; ++row) {
        const QString n = QString::number(row + 1);
        Eingabe[row] = new QComboBox(this);
        Eingabe[row]->setObjectName(QStringLiteral("Eingabe") + n);
        if (row == 1) Eingabe[row]->addItem(qt(kNone, l), static_cast<int>(Param::Count));
        for (const ParamSpec& entry : parameterTable())
            if (studied(entry)) Eingabe[row]->addItem(qt(inputHeading(entry.id, l)), static_cast<int>(entry.id));
        const auto spin = [this](const QString& name) {
            auto* box = new QDoubleSpinBox(this);
            box->setObjectName(name);
            box->setDecimals(3);
            box->setMinimumWidth(90);
            return box;
        };
        Von[row] = spin(QStringLiteral("Von") + n);
        Bis[row] = spin(QStringLiteral("Bis") + n);
        Schritt[row] = spin(QStringLiteral("Schritt") + n);
        grid->addWidget(new QLabel(qt(kInput, l) + QLatin1Char(' ') + n, this), row, 0);
        grid->addWidget(Eingabe[row], row, 1);
        grid->addWidget(new QLabel(qt(kFrom, l), this), row, 2);
        grid->addWidget(Von[row], row, 3);
        grid->addWidget(new QLabel(qt(kTo, l), this), row, 4);
        grid->addWidget(Bis[row], row, 5);
        grid->addWidget(new QLabel(qt(kStep, l), this), row, 6);
        grid->addWidget(Schritt[row], row, 7);
        connect(Eingabe[row], &QComboBox::currentIndexChanged, this, [this, row] { inputChosen(row); });
    }
    grid->setColumnStretch(1, 1);

    const auto button = [this](const char* name, const Text& caption) {
        auto* b = new QPushButton(qt(caption, context_.language()), this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    BtnBerechnen = button("BtnBerechnen", kCalculate);
    BtnStopp = button("BtnStopp", kStop);
    BtnCsv = button("BtnCsv", kCsv);
    BtnSchliessen = button("BtnSchliessen", kClose);
    Hilfe = button("Hilfe", kHelp);
    BtnBerechnen->setDefault(true);
    connect(BtnBerechnen, &QPushButton::clicked, this, &TParameterstudieDlg::BtnBerechnenClick);
    connect(BtnStopp, &QPushButton::clicked, this, &TParameterstudieDlg::BtnStoppClick);
    connect(BtnCsv, &QPushButton::clicked, this, &TParameterstudieDlg::BtnCsvClick);
    connect(BtnSchliessen, &QPushButton::clicked, this, &TParameterstudieDlg::reject);
    connect(Hilfe, &QPushButton::clicked, this, [this] { context_.showHelp(kHelpStudy); });
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(BtnBerechnen);
    runRow->addWidget(BtnStopp);
    runRow->addWidget(Fortschritt, 1);

    Kennwert = new QComboBox(this);
    Kennwert->setObjectName(QStringLiteral("Kennwert"));
    for (const FigureSpec& entry : figureTable()) Kennwert->addItem(qt(figureHeading(entry, l)), qt(entry.key));
    connect(Kennwert, &QComboBox::currentIndexChanged, this, &TParameterstudieDlg::drawChart);

    Ergebnisse = new QTableWidget(this);
    Ergebnisse->setObjectName(QStringLiteral("Ergebnisse"));
    Ergebnisse->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StudienDiagramm = new XyChart(this);
    StudienDiagramm->setObjectName(QStringLiteral("StudienDiagramm"));
    StudienDiagramm->setMinimumSize(360, 240);
    // Up to a dozen values of the second input: listed beside the plot, where each name has
    // room, instead of shortened in one row below it.
    StudienDiagramm->chart()->legend()->setAlignment(Qt::AlignRight);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(Ergebnisse);
    split->addWidget(StudienDiagramm);

    auto* figureRow = new QHBoxLayout;
    figureRow->addWidget(new QLabel(qt(kFigure, l), this));
    figureRow->addWidget(Kennwert, 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addWidget(BtnCsv);
    closeRow->addStretch(1);
    closeRow->addWidget(Hilfe);
    closeRow->addWidget(BtnSchliessen);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(runRow);
    outer->addLayout(figureRow);
    outer->addWidget(split, 1);
    outer->addLayout(closeRow);
    resize(980, 620);

    poll_.setInterval(50);
    connect(&poll_, &QTimer::timeout, this, &TParameterstudieDlg::pollProgress);

    // A first study that shows what one is: pipe length against diameter, 10 × 10 variants.
    setAxis(0, Param::rohrlnge, 20, 110, 10);
    setAxis(1, Param::rohrdurchmesser, 100, 1000, 100);
    Kennwert->setCurrentIndex(Kennwert->findData(QStringLiteral("HeatingEnergy")));
    BtnStopp->setEnabled(false);
    BtnCsv->setEnabled(false);
}

TParameterstudieDlg::~TParameterstudieDlg()
{
    if (worker_) {
        cancel_ = true;
        worker_->join();
    }
}

void TParameterstudieDlg::inputChosen(int row)
{
    const Param param = static_cast<Param>(Eingabe[row]->currentData().toInt());
    const bool used = param != Param::Count;
    for (QDoubleSpinBox* box : {Von[row], Bis[row], Schritt[row]}) box->setEnabled(used);
    if (!used) return;
    const ParamSpec& entry = paramSpec(param);
    const int decimals = entry.kind == ParamKind::Real ? 3 : 0;
    for (QDoubleSpinBox* box : {Von[row], Bis[row]}) {
        box->setDecimals(decimals);
        box->setRange(static_cast<double>(entry.minValue), static_cast<double>(entry.maxValue));
        box->setSingleStep(static_cast<double>(entry.step));
    }
    Schritt[row]->setDecimals(decimals);
    Schritt[row]->setRange(static_cast<double>(entry.step), static_cast<double>(entry.maxValue - entry.minValue));
    // From the project's value over ten steps of the input.
    const long double value = context_.project().get(param);
    Von[row]->setValue(static_cast<double>(value));
    Bis[row]->setValue(static_cast<double>(std::min(entry.maxValue, value + 9 * entry.step)));
    Schritt[row]->setValue(static_cast<double>(entry.step));
}

void TParameterstudieDlg::setAxis(int row, Param param, double from, double to, double step)
{
    Eingabe[row]->setCurrentIndex(Eingabe[row]->findData(static_cast<int>(param)));
    inputChosen(row);
    if (param == Param::Count) return;
    Von[row]->setValue(from);
    Bis[row]->setValue(to);
    Schritt[row]->setValue(step);
}

std::variant<std::vector<StudyAxis>, std::string> TParameterstudieDlg::axes() const
{
    std::vector<StudyAxis> axes;
    for (int row = 0; row < 2; ++row) {
        const Param param = static_cast<Param>(Eingabe[row]->currentData().toInt());
        if (param == Param::Count) continue;
        const std::string range = std::string(paramSpec(param).name) + "=" + formatGeneral(Von[row]->value()) + ".." +
                                  formatGeneral(Bis[row]->value()) + ":" + formatGeneral(Schritt[row]->value());
        auto axis = parseStudyAxis(range);
        if (const auto* fault = std::get_if<std::string>(&axis)) return *fault;
        if (const auto fault = axisFault(std::get<StudyAxis>(axis))) return *fault;
        axes.push_back(std::get<StudyAxis>(axis));
    }
    if (axes.size() == 2 && axes[0].param == axes[1].param) axes.pop_back();
    return axes;
}

void TParameterstudieDlg::BtnBerechnenClick()
{
    if (worker_) return;
    const Language l = context_.language();
    auto chosen = axes();
    if (const auto* fault = std::get_if<std::string>(&chosen)) {
        showMessage(this, QMessageBox::Warning, windowTitle(), qt(*fault));
        return;
    }
    axes_ = std::get<std::vector<StudyAxis>>(chosen);
    if (gridSize(axes_) > kMostWindowVariants) {
        showMessage(this, QMessageBox::Warning, windowTitle(), qt(kTooLarge, l));
        return;
    }
    points_.clear();
    cancel_ = false;
    finished_ = false;
    done_ = 0;
    total_ = static_cast<std::size_t>(gridSize(axes_));
    Fortschritt->setRange(0, static_cast<int>(total_));
    Fortschritt->setValue(0);
    BtnBerechnen->setEnabled(false);
    BtnStopp->setEnabled(true);
    BtnCsv->setEnabled(false);

    const Session& s = context_.session();
    StudyRequest request;
    request.variant.openHourlyFile = s.openHourlyFile;
    request.variant.installation = &s.installation;
    request.variant.cancel = &cancel_;
    request.progress = [this](std::size_t done, std::size_t) { done_ = done; };
    // The worker works on copies: the planner may go on editing while the study runs.
    worker_ = std::make_unique<std::thread>([this, base = s.project, axes = axes_, request] {
        points_ = runStudy(base, axes, request);
        finished_ = true;
    });
    poll_.start();
}

void TParameterstudieDlg::BtnStoppClick() { cancel_ = true; }

void TParameterstudieDlg::pollProgress()
{
    Fortschritt->setValue(static_cast<int>(done_.load()));
    if (finished_) finishStudy();
}

void TParameterstudieDlg::finishStudy()
{
    poll_.stop();
    worker_->join();
    worker_.reset();
    BtnBerechnen->setEnabled(true);
    BtnStopp->setEnabled(false);
    BtnCsv->setEnabled(!points_.empty());
    showResults();
    drawChart();
}

void TParameterstudieDlg::reject()
{
    if (worker_) {
        cancel_ = true;
        finishStudy();
    }
    QDialog::reject();
}

void TParameterstudieDlg::showResults()
{
    const Language l = context_.language();
    const std::span<const FigureSpec> figures = figureTable();
    Ergebnisse->clear();
    Ergebnisse->setRowCount(static_cast<int>(points_.size()));
    Ergebnisse->setColumnCount(static_cast<int>(axes_.size() + figures.size()));
    QStringList headings;
    for (const StudyAxis& axis : axes_) headings << qt(inputHeading(axis.param, l));
    for (const FigureSpec& entry : figures) headings << qt(figureHeading(entry, l));
    Ergebnisse->setHorizontalHeaderLabels(headings);
    for (std::size_t r = 0; r < points_.size(); ++r) {
        std::vector<std::string> cells;
        for (const long double value : points_[r].values) cells.push_back(formatGeneral(value));
        for (const FigureSpec& entry : figures)
            cells.push_back(points_[r].run.ok ? shownFigure(entry, points_[r].run.figures) : std::string("–"));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(qt(cells[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Ergebnisse->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    Ergebnisse->resizeColumnsToContents();
}

void TParameterstudieDlg::drawChart()
{
    const Language l = context_.language();
    StudienDiagramm->clear();
    if (axes_.empty() || Kennwert->currentIndex() < 0) return;
    const FigureSpec& entry = figure(utf8(Kennwert->currentData().toString()));
    StudienDiagramm->setTitle(qt(figureHeading(entry, l)));
    StudienDiagramm->setAxisTitles(qt(inputHeading(axes_[0].param, l)), qt(figureHeading(entry, l)));
    // The x axis spans the first input's range, not a rounder one around it, so that the
    // lines fill the plot.
    const StudyAxis& first = axes_[0];
    if (first.from < first.to)
        StudienDiagramm->setXRange(static_cast<double>(first.from), static_cast<double>(first.to), 0);
    else
        StudienDiagramm->setXAutoRange();
    StudienDiagramm->setYAutoRange();
    // One line per value of the second input, in the order of the grid.
    std::map<long double, QList<QPointF>> lines;
    for (const StudyPoint& point : points_) {
        const std::optional<long double> value = point.run.ok ? entry.value(point.run.figures) : std::nullopt;
        if (!value) continue;
        lines[axes_.size() > 1 ? point.values[1] : 0].append(
            QPointF(static_cast<double>(point.values[0]), static_cast<double>(*value)));
    }
    StudienDiagramm->setLegendVisible(axes_.size() > 1);
    std::size_t colour = 0;
    for (const auto& [second, points] : lines) {
        const QString name = axes_.size() > 1 ? legendName(axes_[1].param, second, l) : qt(figureHeading(entry, l));
        const int series = StudienDiagramm->addSeries(name, kLineColours[colour++ % kLineColours.size()]);
        StudienDiagramm->setPoints(series, points);
    }
}

void TParameterstudieDlg::BtnCsvClick()
{
    const Language l = context_.language();
    const std::optional<QString> file = askSaveFile(
        this, {qt(kCsv, l), QString(), qt(kCsvFileFilter, l), QStringLiteral("csv"), QStringLiteral("StudieCsv")});
    if (!file) return;
    if (const auto fault = writeCsvFile(std::filesystem::path(utf8(*file)), studyTable(axes_, points_, l), l))
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(fault->message(l)));
}

}  // namespace talp
