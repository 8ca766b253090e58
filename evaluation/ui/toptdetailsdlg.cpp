#include "evaluation/ui/toptdetailsdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/shell_context.h"

namespace talp {

namespace {

constexpr Text kCaption{"Optimum - Optionen", "Optimum - Options"};
constexpr Text kMinimum{"Minimum", "Minimum"};
constexpr Text kMaximum{"Maximum", "Maximum"};
constexpr std::array<Text, kCatalogueParams> kParameterCaptions{{
    {"Rohranzahl", "Number of pipes"},
    {"Rohrlänge in m", "Pipe length in m"},
    {"Rohrdurchmesser in mm", "Pipe diameter in mm"},
    {"Abstand zwischen den Rohren in m", "Distance between pipes in m"},
    {"Verlegungstiefe in m", "Depth of pipes in m"},
}};
constexpr Text kFanCaption{"Ventilatorposition", "Fan position"};
// In the order of FanPosition.
constexpr std::array<Text, 3> kFanPositions{{
    {"vor oder nach EWT", "before or after EHX"},
    {"vor EWT", "before EHX"},
    {"nach EWT", "after EHX"},
}};
constexpr Text kExhaustive{"Vollständige Suche (jede Kombination einmal)", "Exhaustive search (every combination once)"};
constexpr Text kVelocityLimit{"Höchste Luftgeschwindigkeit in m/s", "Maximum air velocity in m/s"};
// What a planner's rule of thumb allows, offered when the limit is switched on.
constexpr double kProposedVelocityLimit = 3.0;
constexpr Text kOk{"OK", "OK"};
constexpr Text kCancel{"Abbrechen", "Cancel"};
constexpr Text kHelp{"Hilfe", "Help"};
constexpr int kHelpContext = 1402;

constexpr std::array<const char*, kCatalogueParams> kMinimumNames{
    "MinRohranzahl", "MinRohrlaenge", "MinRohrdurchmesser", "MinAbszwRohren", "MinVerlegungstiefe"};
constexpr std::array<const char*, kCatalogueParams> kMaximumNames{
    "MaxRohranzahl", "MaxRohrlaenge", "MaxRohrdurchmesser", "MaxAbszwRohren", "MaxVerlegungstiefe"};

QComboBox* catalogueBox(CatalogueParam p, const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (long double value : catalogue(p)) box->addItem(QString::number(static_cast<double>(value)));
    return box;
}

}  // namespace

Toptdetailsdlg::Toptdetailsdlg(ShellContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("optdetailsdlg"));
    auto* grid = new QGridLayout;
    minimumHeading_ = new QLabel(this);
    maximumHeading_ = new QLabel(this);
    grid->addWidget(minimumHeading_, 0, 1);
    grid->addWidget(maximumHeading_, 0, 2);
    for (int i = 0; i < kCatalogueParams; ++i) {
        const auto p = static_cast<CatalogueParam>(i);
        const auto at = static_cast<std::size_t>(i);
        captions_[at] = new QLabel(this);
        minimum_[at] = catalogueBox(p, kMinimumNames[at], this);
        maximum_[at] = catalogueBox(p, kMaximumNames[at], this);
        grid->addWidget(captions_[at], i + 1, 0);
        grid->addWidget(minimum_[at], i + 1, 1);
        grid->addWidget(maximum_[at], i + 1, 2);
        for (QComboBox* box : {minimum_[at], maximum_[at]})
            connect(box, &QComboBox::currentIndexChanged, this, [this, p] { rangeChosen(p); });
    }
    MinRohranzahl = minimum(CatalogueParam::PipeCount);
    MaxRohranzahl = maximum(CatalogueParam::PipeCount);
    MinRohrlaenge = minimum(CatalogueParam::Length);
    MaxRohrlaenge = maximum(CatalogueParam::Length);
    MinRohrdurchmesser = minimum(CatalogueParam::Diameter);
    MaxRohrdurchmesser = maximum(CatalogueParam::Diameter);
    MinAbszwRohren = minimum(CatalogueParam::Spacing);
    MaxAbszwRohren = maximum(CatalogueParam::Spacing);
    MinVerlegungstiefe = minimum(CatalogueParam::Depth);
    MaxVerlegungstiefe = maximum(CatalogueParam::Depth);

    fanCaption_ = new QLabel(this);
    Ventilatorposition = new QComboBox(this);
    Ventilatorposition->setObjectName(QStringLiteral("Ventilatorposition"));
    const int fanRow = kCatalogueParams + 1;
    grid->addWidget(fanCaption_, fanRow, 0);
    grid->addWidget(Ventilatorposition, fanRow, 1, 1, 2);
    VollstaendigeSuche = new QCheckBox(this);
    VollstaendigeSuche->setObjectName(QStringLiteral("VollstaendigeSuche"));
    grid->addWidget(VollstaendigeSuche, fanRow + 1, 0, 1, 3);
    GeschwindigkeitBegrenzt = new QCheckBox(this);
    GeschwindigkeitBegrenzt->setObjectName(QStringLiteral("GeschwindigkeitBegrenzt"));
    MaxGeschwindigkeit = new QDoubleSpinBox(this);
    MaxGeschwindigkeit->setObjectName(QStringLiteral("MaxGeschwindigkeit"));
    MaxGeschwindigkeit->setLocale(QLocale::c());
    MaxGeschwindigkeit->setDecimals(2);
    MaxGeschwindigkeit->setRange(0.1, 100);
    MaxGeschwindigkeit->setSingleStep(0.5);
    MaxGeschwindigkeit->setValue(kProposedVelocityLimit);
    grid->addWidget(GeschwindigkeitBegrenzt, fanRow + 2, 0);
    grid->addWidget(MaxGeschwindigkeit, fanRow + 2, 1);
    connect(VollstaendigeSuche, &QCheckBox::toggled, this, &Toptdetailsdlg::enableVelocityLimit);
    connect(GeschwindigkeitBegrenzt, &QCheckBox::toggled, this, &Toptdetailsdlg::enableVelocityLimit);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    HelpBtn = buttons->addButton(QString(), QDialogButtonBox::HelpRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn->setObjectName(QStringLiteral("Hilfe"));
    OKBtn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { context_.showHelp(kHelpContext); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { context_.showHelp(kHelpContext); });

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addWidget(buttons);
    applyLanguage();
}

void Toptdetailsdlg::applyLanguage()
{
    const Language l = context_.language();
    setWindowTitle(qt(kCaption, l));
    minimumHeading_->setText(qt(kMinimum, l));
    maximumHeading_->setText(qt(kMaximum, l));
    for (std::size_t i = 0; i < captions_.size(); ++i) captions_[i]->setText(qt(kParameterCaptions[i], l));
    fanCaption_->setText(qt(kFanCaption, l));
    const int fan = std::max(0, Ventilatorposition->currentIndex());
    const QSignalBlocker quiet(Ventilatorposition);
    Ventilatorposition->clear();
    for (const Text& position : kFanPositions) Ventilatorposition->addItem(qt(position, l));
    Ventilatorposition->setCurrentIndex(fan);
    VollstaendigeSuche->setText(qt(kExhaustive, l));
    GeschwindigkeitBegrenzt->setText(qt(kVelocityLimit, l));
    OKBtn->setText(qt(kOk, l));
    CancelBtn->setText(qt(kCancel, l));
    HelpBtn->setText(qt(kHelp, l));
}

OptimisationOptions Toptdetailsdlg::edit(const OptimisationOptions& options)
{
    applyLanguage();
    showOptions(options);
    return dialogs().exec(*this) == QDialog::Accepted ? shownOptions() : options;
}

void Toptdetailsdlg::showOptions(const OptimisationOptions& options)
{
    showing_ = true;
    for (int i = 0; i < kCatalogueParams; ++i) {
        const IndexRange& range = options.range(static_cast<CatalogueParam>(i));
        minimum_[static_cast<std::size_t>(i)]->setCurrentIndex(range.min);
        maximum_[static_cast<std::size_t>(i)]->setCurrentIndex(range.max);
    }
    Ventilatorposition->setCurrentIndex(static_cast<int>(options.fan));
    VollstaendigeSuche->setChecked(options.exhaustive);
    GeschwindigkeitBegrenzt->setChecked(options.maxAirVelocity.has_value());
    MaxGeschwindigkeit->setValue(static_cast<double>(options.maxAirVelocity.value_or(kProposedVelocityLimit)));
    showing_ = false;
    enableSpacing();
    enableVelocityLimit();
}

OptimisationOptions Toptdetailsdlg::shownOptions() const
{
    OptimisationOptions options;
    for (int i = 0; i < kCatalogueParams; ++i) {
        const auto at = static_cast<std::size_t>(i);
        options.range(static_cast<CatalogueParam>(i)) = IndexRange{minimum_[at]->currentIndex(), maximum_[at]->currentIndex()};
    }
    options.fan = static_cast<FanPosition>(Ventilatorposition->currentIndex());
    options.exhaustive = VollstaendigeSuche->isChecked();
    // The limit belongs to the exhaustive search; the random search keeps none.
    if (options.exhaustive && GeschwindigkeitBegrenzt->isChecked())
        options.maxAirVelocity = roundedAirVelocityLimit(MaxGeschwindigkeit->value());
    return options;
}

void Toptdetailsdlg::rangeChosen(CatalogueParam p)
{
    if (showing_) return;
    QComboBox* low = minimum(p);
    QComboBox* high = maximum(p);
    const IndexRange range = orderedRange(low->currentIndex(), high->currentIndex());
    {
        const QSignalBlocker quietLow(low);
        const QSignalBlocker quietHigh(high);
        low->setCurrentIndex(range.min);
        high->setCurrentIndex(range.max);
    }
    if (p == CatalogueParam::PipeCount) enableSpacing();
}

void Toptdetailsdlg::enableVelocityLimit()
{
    GeschwindigkeitBegrenzt->setEnabled(VollstaendigeSuche->isChecked());
    MaxGeschwindigkeit->setEnabled(VollstaendigeSuche->isChecked() && GeschwindigkeitBegrenzt->isChecked());
}

void Toptdetailsdlg::enableSpacing()
{
    // A single pipe has no neighbour: its spacing is fixed at 1.0 and the range unused.
    const bool severalPipes = MaxRohranzahl->currentIndex() > 0;
    MinAbszwRohren->setEnabled(severalPipes);
    MaxAbszwRohren->setEnabled(severalPipes);
}

}  // namespace talp
