#include "evaluation/ui/tvariantenmenue.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "chart/xy_chart.h"
#include "evaluation/condensation.h"
#include "evaluation/ui/tparameterstudiedlg.h"
#include "evaluation/variant_run.h"
#include "files/project_load.h"
#include "files/variant_set.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/main_window.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Variantenvergleich", "TALP Variant comparison"};
constexpr Text kKeep{"Variante merken", "Keep as variant"};
constexpr Text kRemove{"Entfernen", "Remove"};
constexpr Text kTakeOver{"In die Eingaben übernehmen", "Take over into the inputs"};
constexpr Text kOpen{"Öffnen ...", "Open ..."};
constexpr Text kSave{"Speichern ...", "Save ..."};
constexpr Text kCsv{"CSV ...", "CSV ..."};
constexpr Text kStudy{"Parameterstudie ...", "Parameter study ..."};
constexpr Text kName{"Name:", "Name:"};
constexpr Text kVariant{"Variante", "Variant"};
constexpr Text kCalculating{"Berechnung läuft ...", "Calculating ..."};
constexpr Text kTooMany{"Es können höchstens 8 Varianten verglichen werden. Entfernen Sie zuerst eine.",
                        "At most 8 variants can be compared. Remove one first."};
constexpr Text kSetFilter{"TALP-Varianten (*.tlv)", "TALP variants (*.tlv)"};
constexpr Text kMonthlyTitle{"Wärmeaufnahme (+) / -abgabe (−)", "Heat gain (+) / loss (−)"};
constexpr Text kMonthAxis{"Monat", "Month"};
constexpr Text kEnergyAxis{"Energie in kWh", "Energy in kWh"};
constexpr Text kOutletTitle{"Temperatur nach EWT", "EHX outlet temperature"};
constexpr Text kHourAxis{"Stunde im Jahr", "Hour of year"};
constexpr Text kTemperatureAxis{"Temperatur in °C", "Temperature in °C"};

// One colour per variant, the same in both charts.
const std::array<QColor, kMostVariants> kVariantColours{QColor(0, 70, 180), QColor(200, 30, 30), QColor(0, 128, 0),
                                                        QColor(230, 140, 0), QColor(130, 0, 160), QColor(0, 150, 160),
                                                        QColor(120, 80, 40), QColor(90, 90, 90)};
const QColor kDifferingInput(255, 246, 196);
const QColor kBestValue(198, 239, 198);
const QColor kChosenTint(0, 90, 200, 40);
// The bars of one month share this much of it.
constexpr double kMonthGroupWidth = 0.8;
// Hours further apart than this are not joined: the exchanger was off in between.
constexpr double kOperatingGap = 1;
constexpr double kHourAxisStep = 800;

}  // namespace

Tvariantenmenue::Tvariantenmenue(ShellContext& context, QWidget* parent) : TopicWindow(Topic::Varianten, context, parent)
{
    const auto button = [this](const char* name, void (Tvariantenmenue::*click)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    BtnMerken = button("BtnMerken", &Tvariantenmenue::BtnMerkenClick);
    BtnEntfernen = button("BtnEntfernen", &Tvariantenmenue::BtnEntfernenClick);
    BtnUebernehmen = button("BtnUebernehmen", &Tvariantenmenue::BtnUebernehmenClick);
    BtnOeffnen = button("BtnOeffnen", &Tvariantenmenue::BtnOeffnenClick);
    BtnSpeichern = button("BtnSpeichern", &Tvariantenmenue::BtnSpeichernClick);
    BtnCsv = button("BtnCsv", &Tvariantenmenue::BtnCsvClick);
    BtnStudie = button("BtnStudie", &Tvariantenmenue::BtnStudieClick);

    VariantenName = new QLineEdit(this);
    VariantenName->setObjectName(QStringLiteral("VariantenName"));
    connect(VariantenName, &QLineEdit::textEdited, this, &Tvariantenmenue::renameCurrent);
    auto* nameLabel = new QLabel(this);
    nameLabel->setObjectName(QStringLiteral("LabelName"));
    nameLabel->setBuddy(VariantenName);

    VariantenTabelle = new QTableWidget(this);
    VariantenTabelle->setObjectName(QStringLiteral("VariantenTabelle"));
    VariantenTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VariantenTabelle->setSelectionBehavior(QAbstractItemView::SelectColumns);
    VariantenTabelle->setSelectionMode(QAbstractItemView::ExtendedSelection);
    VariantenTabelle->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    VariantenTabelle->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The chosen columns are tinted, not covered: their marked values stay visible.
    QPalette tint = VariantenTabelle->palette();
    tint.setColor(QPalette::Highlight, kChosenTint);
    tint.setColor(QPalette::HighlightedText, tint.color(QPalette::Text));
    VariantenTabelle->setPalette(tint);
    connect(VariantenTabelle, &QTableWidget::itemSelectionChanged, this, [this] {
        const std::optional<std::size_t> current = currentVariant();
        const QSignalBlocker quiet(VariantenName);
        VariantenName->setText(current ? qt(variants_[*current].name) : QString());
        drawCharts();
        enableButtons();
    });

    MonatsDiagramm = new XyChart(this);
    MonatsDiagramm->setObjectName(QStringLiteral("MonatsDiagramm"));
    MonatsDiagramm->setMinimumSize(300, 200);
    TemperaturDiagramm = new XyChart(this);
    TemperaturDiagramm->setObjectName(QStringLiteral("TemperaturDiagramm"));
    TemperaturDiagramm->setMinimumSize(300, 200);

    auto* keepRow = new QHBoxLayout;
    keepRow->addWidget(BtnMerken);
    keepRow->addWidget(nameLabel);
    keepRow->addWidget(VariantenName, 1);
    keepRow->addWidget(BtnEntfernen);
    keepRow->addWidget(BtnUebernehmen);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(BtnOeffnen);
    fileRow->addWidget(BtnSpeichern);
    fileRow->addWidget(BtnCsv);
    fileRow->addStretch(1);
    fileRow->addWidget(BtnStudie);

    auto* charts = new QSplitter(Qt::Vertical, this);
    charts->addWidget(MonatsDiagramm);
    charts->addWidget(TemperaturDiagramm);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(VariantenTabelle);
    split->addWidget(charts);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    outer->addLayout(keepRow);
    outer->addWidget(split, 1);
    outer->addLayout(fileRow);
    outer->addWidget(navigationBar());
    resize(980, 600);

    saveChangesFirst = [this] { return saveChangesBeforeReplacing(this); };
    applyLanguage();  // also shows the (empty) table and charts
}

void Tvariantenmenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    BtnMerken->setText(qt(kKeep, l));
    BtnEntfernen->setText(qt(kRemove, l));
    BtnUebernehmen->setText(qt(kTakeOver, l));
    BtnOeffnen->setText(qt(kOpen, l));
    BtnSpeichern->setText(qt(kSave, l));
    BtnCsv->setText(qt(kCsv, l));
    BtnStudie->setText(qt(kStudy, l));
    findChild<QLabel*>(QStringLiteral("LabelName"))->setText(qt(kName, l));
    showVariants();
}

std::optional<std::size_t> Tvariantenmenue::currentVariant() const
{
    const int column = VariantenTabelle->currentColumn();
    if (column < 0 || static_cast<std::size_t>(column) >= variants_.size()) return std::nullopt;
    return static_cast<std::size_t>(column);
}

void Tvariantenmenue::selectVariant(std::size_t index)
{
    VariantenTabelle->setCurrentCell(0, static_cast<int>(index), QItemSelectionModel::ClearAndSelect |
                                                                     QItemSelectionModel::Columns);
}

std::vector<std::size_t> Tvariantenmenue::chosenVariants() const
{
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < variants_.size(); ++i)
        if (VariantenTabelle->selectionModel()->isColumnSelected(static_cast<int>(i), {})) chosen.push_back(i);
    if (chosen.empty())
        for (std::size_t i = 0; i < variants_.size(); ++i) chosen.push_back(i);
    return chosen;
}

void Tvariantenmenue::showVariants()
{
    const std::optional<std::size_t> current = currentVariant();
    const std::vector<ComparisonRow> rows = variants_.empty() ? std::vector<ComparisonRow>{}
                                                              : comparisonRows(variants_, language());
    const QSignalBlocker quiet(VariantenTabelle);
    VariantenTabelle->clear();
    VariantenTabelle->setColumnCount(static_cast<int>(variants_.size()));
    VariantenTabelle->setRowCount(static_cast<int>(rows.size()));
    QStringList names;
    for (const Variant& v : variants_) names << qt(v.name);
    VariantenTabelle->setHorizontalHeaderLabels(names);
    QStringList headings;
    for (const ComparisonRow& row : rows) headings << qt(row.heading);
    VariantenTabelle->setVerticalHeaderLabels(headings);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < variants_.size(); ++c) {
            auto* item = new QTableWidgetItem(qt(rows[r].cells[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (rows[r].differingInput) item->setBackground(kDifferingInput);
            if (rows[r].best[c]) {
                item->setBackground(kBestValue);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            VariantenTabelle->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    VariantenTabelle->resizeColumnsToContents();
    if (!variants_.empty()) selectVariant(std::min(current.value_or(variants_.size() - 1), variants_.size() - 1));
    const QSignalBlocker quietName(VariantenName);
    const std::optional<std::size_t> shown = currentVariant();
    VariantenName->setText(shown ? qt(variants_[*shown].name) : QString());
    drawCharts();
    enableButtons();
}

void Tvariantenmenue::drawCharts()
{
    const Language l = language();
    MonatsDiagramm->clear();
    MonatsDiagramm->setTitle(qt(kMonthlyTitle, l));
    MonatsDiagramm->setAxisTitles(qt(kMonthAxis, l), qt(kEnergyAxis, l));
    MonatsDiagramm->setLegendVisible(!variants_.empty());
    MonatsDiagramm->setXRange(0.5, 12.5, 1);
    MonatsDiagramm->setYAutoRange();
    TemperaturDiagramm->clear();
    TemperaturDiagramm->setTitle(qt(kOutletTitle, l));
    TemperaturDiagramm->setAxisTitles(qt(kHourAxis, l), qt(kTemperatureAxis, l));
    TemperaturDiagramm->setLegendVisible(!variants_.empty());
    TemperaturDiagramm->setXRange(1, kHoursPerYear, kHourAxisStep);
    TemperaturDiagramm->setYAutoRange();

    const double width = kMonthGroupWidth / static_cast<double>(std::max<std::size_t>(variants_.size(), 1));
    for (std::size_t i = 0; i < variants_.size(); ++i) {
        const Variant& v = variants_[i];
        const double shift = (static_cast<double>(i) - (static_cast<double>(variants_.size()) - 1) / 2) * width;
        QList<QPointF> bars;
        for (int m = 0; m < 12; ++m) {
            const std::size_t month = static_cast<std::size_t>(m);
            bars << QPointF(m + 1 + shift, static_cast<double>(v.figures.monthlyHeating[month]));
            if (v.figures.monthlyCooling[month] > 0)
                bars << QPointF(m + 1 + shift, -static_cast<double>(v.figures.monthlyCooling[month]));
        }
        const int series = MonatsDiagramm->addSeries(qt(v.name), kVariantColours[i], SeriesStyle::Bars, width * 0.9);
        MonatsDiagramm->setPoints(series, bars);
    }
    for (const std::size_t i : chosenVariants()) {
        QList<QPointF> outlet;
        const std::vector<double>& hours = variants_[i].figures.outletTemp;
        for (std::size_t h = 0; h < hours.size(); ++h)
            if (!std::isnan(hours[h])) outlet << QPointF(static_cast<double>(h + 1), hours[h]);
        const int series = TemperaturDiagramm->addSeries(qt(variants_[i].name), kVariantColours[i], SeriesStyle::Line,
                                                         kOperatingGap);
        TemperaturDiagramm->setPoints(series, outlet);
    }
}

void Tvariantenmenue::enableButtons()
{
    const bool chosen = currentVariant().has_value();
    BtnEntfernen->setEnabled(chosen);
    BtnUebernehmen->setEnabled(chosen);
    VariantenName->setEnabled(chosen);
    BtnSpeichern->setEnabled(!variants_.empty());
    BtnCsv->setEnabled(!variants_.empty());
}

void Tvariantenmenue::BtnMerkenClick()
{
    const Language l = language();
    if (variants_.size() >= kMostVariants) {
        showMessage(this, QMessageBox::Information, QStringLiteral("TALP"), qt(kTooMany, l));
        return;
    }
    // The figures are those of the project as it is now: an out-of-date year is calculated
    // first, as the annual window does.
    if (project().RecalcNeeded) {
        if (!context().calculate(kFullYear, qt(kCalculating, l), this)) return;
        project().RecalcNeeded = false;
    }
    const Session& s = context().session();
    const CondensationOfRun condensation = condensationOfRun(project(), *s.results, &s.installation);
    variants_.push_back({std::string(kVariant.in(l)) + " " + std::to_string(nextNumber_++), project(),
                         variantFigures(project(), *s.results, s.economics, condensation.estimate)});
    showVariants();
    selectVariant(variants_.size() - 1);
}

void Tvariantenmenue::BtnEntfernenClick()
{
    const std::optional<std::size_t> current = currentVariant();
    if (!current) return;
    variants_.erase(variants_.begin() + static_cast<std::ptrdiff_t>(*current));
    showVariants();
}

void Tvariantenmenue::renameCurrent(const QString& name)
{
    const std::optional<std::size_t> current = currentVariant();
    if (!current) return;
    variants_[*current].name = utf8(name);
    VariantenTabelle->horizontalHeaderItem(static_cast<int>(*current))->setText(name);
    VariantenTabelle->resizeColumnToContents(static_cast<int>(*current));
    drawCharts();
}

void Tvariantenmenue::BtnUebernehmenClick()
{
    const std::optional<std::size_t> current = currentVariant();
    if (!current) return;
    const Project& chosen = variants_[*current].project;
    if (chosen == project()) return;
    if (project().modified && !saveChangesFirst()) return;
    // The variant's inputs in the forms; the project keeps its file name and now differs
    // from it.
    project() = chosen;
    project().modified = true;
    project().RecalcNeeded = true;
    project().OptRecalcNeeded = true;
    emit context().projectReplaced();
}

bool Tvariantenmenue::openVariantSet(const QString& file)
{
    const Language l = language();
    auto read = readVariantSet(std::filesystem::path(utf8(file)));
    if (const FileFault* fault = std::get_if<FileFault>(&read)) {
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(fault->message(l)));
        return false;
    }
    Session& s = context().session();
    std::vector<Variant> opened;
    SimulationResults scratch;
    for (const StoredVariant& stored : std::get<std::vector<StoredVariant>>(read)) {
        Variant variant{stored.name, Project{}, {}};
        ClimateContext climate = s.climate;  // the climate window's selections stay as they are
        applyRecord(variant.project, stored.record, {l, &climate});
        const VariantRun run = calculateVariant(variant.project, {s.openHourlyFile, &s.installation, true, 0, nullptr}, scratch);
        if (!run.ok) {
            for (const Message& m : run.messages) showMessage(this, m, l);
            return false;
        }
        variant.figures = run.figures;
        opened.push_back(std::move(variant));
    }
    variants_ = std::move(opened);
    nextNumber_ = static_cast<int>(variants_.size()) + 1;
    showVariants();
    return true;
}

void Tvariantenmenue::BtnOeffnenClick()
{
    const Language l = language();
    const std::optional<QString> file =
        askOpenFile(this, {qt(kOpen, l), QString(), qt(kSetFilter, l), QStringLiteral("tlv"), QStringLiteral("VariantenOeffnen")});
    if (file) openVariantSet(*file);
}

void Tvariantenmenue::BtnSpeichernClick()
{
    const Language l = language();
    const std::optional<QString> file =
        askSaveFile(this, {qt(kSave, l), QString(), qt(kSetFilter, l), QStringLiteral("tlv"), QStringLiteral("VariantenSpeichern")});
    if (!file) return;
    std::vector<StoredVariant> stored;
    for (const Variant& v : variants_) stored.push_back({v.name, encodeProject(v.project)});
    if (const auto fault = writeVariantSet(std::filesystem::path(utf8(*file)), stored))
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(fault->message(l)));
}

void Tvariantenmenue::BtnCsvClick()
{
    const Language l = language();
    const std::optional<QString> file =
        askSaveFile(this, {qt(kCsv, l), QString(), qt(kCsvFileFilter, l), QStringLiteral("csv"), QStringLiteral("VariantenCsv")});
    if (!file) return;
    if (const auto fault = writeCsvFile(std::filesystem::path(utf8(*file)), comparisonTable(variants_, l), l))
        showMessage(this, QMessageBox::Critical, QStringLiteral("TALP"), qt(fault->message(l)));
}

void Tvariantenmenue::BtnStudieClick()
{
    TParameterstudieDlg study(context(), this);
    dialogs().exec(study);
}

}  // namespace talp
