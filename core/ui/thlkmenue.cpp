#include "core/ui/thlkmenue.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "climate/ui/tfkalender.h"
#include "core/hvac.h"
#include "core/hvac_mode.h"
#include "core/ui/ventilation_file_dialog.h"
#include "files/input_changes.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Heizung/Lüftung/Klimatisierung", "TALP Heating/Ventilation/Air-Conditioning"};
constexpr Text kGebaeude{"Gebäude", "Building"};
constexpr Text kStroemung{"Strömung", "Air flow"};
constexpr Text kRegelung{"EWT-Regelung", "EHX control"};
constexpr Text kQuasistat{"Quasi-stationär", "Quasi-stationary"};
constexpr Text kDatei{"Datei", "File"};
constexpr Text kZeitraum{"Zeitraum", "Period"};
constexpr Text kZeitraumHint{"Betriebszeitraum im Kalender festlegen", "Set the period of operation in the calendar"};

// The four read-only fields, in the order of FanDisplay.
struct DisplaySpec {
    const char* name;
    Text caption;
};
constexpr std::array<DisplaySpec, 4> kDisplays{{
    {"druckabfallPam", {"Druckabfall in Pa/m", "Pressure drop in Pa/m"}},
    {"druckabfallPa_Ges", {"Ges.Druckabfall in Pa", "Total pressure drop in Pa"}},
    {"ventilatorleistungW", {"Ventilatorlstg. in W", "Fan power in W"}},
    {"ventilatorleistung", {"Spez. Energie in Wh/m³", "Specific energy in Wh/m³"}},
}};

// The temperatures the control by range uses; the control by period greys them.
constexpr std::array<Param, 4> kRangeInputs{Param::EWT_offset, Param::solltemp, Param::heizgrenztemp,
                                            Param::kuehlgrenztemp};

}  // namespace

Thlkmenue::Thlkmenue(ShellContext& context, QWidget* parent)
    : TopicWindow(Topic::Hlk, context, parent), inputs_([this](Param id, long double v) { inputEdited(id, v); })
{
    // Building: mode, file, volume, air change, air flow.
    gebaeude_ = new QGroupBox(this);
    auto* building = new QGridLayout(gebaeude_);
    hlk_quasistat = new QRadioButton(gebaeude_);
    hlk_quasistat->setObjectName(QStringLiteral("hlk_quasistat"));
    hlk_sim = new QRadioButton(gebaeude_);
    hlk_sim->setObjectName(QStringLiteral("hlk_sim"));
    SimButton = new QPushButton(gebaeude_);
    SimButton->setObjectName(QStringLiteral("SimButton"));
    LabelHLKDatei = new QLabel(gebaeude_);
    LabelHLKDatei->setObjectName(QStringLiteral("LabelHLKDatei"));
    auto* modes = new QHBoxLayout;
    modes->addWidget(hlk_quasistat);
    modes->addWidget(hlk_sim);
    modes->addWidget(SimButton);
    modes->addStretch(1);
    building->addLayout(modes, 0, 0, 1, 2);
    building->addWidget(LabelHLKDatei, 1, 0, 1, 2);
    int line = 2;
    for (Param id : {Param::geb_vol, Param::luftwechsel, Param::luftstrom}) {
        ParamSpinBox* box = inputs_.add(id, gebaeude_);
        connect(box, &QAbstractSpinBox::editingFinished, this, [this] { typingBase_.reset(); });
        inputSlots_[id] = addSlot(box, gebaeude_);
        building->addWidget(inputs_.caption(id), line, 0);
        building->addWidget(inputSlots_[id].stack, line++, 1);
    }
    connect(hlk_quasistat, &QRadioButton::clicked, this, &Thlkmenue::quasistatChosen);
    connect(hlk_sim, &QRadioButton::clicked, this, &Thlkmenue::fileChosen);
    connect(SimButton, &QPushButton::clicked, this, &Thlkmenue::fileChosen);

    // Air flow: the fixed pressure drop, the fan and what they cost.
    stroemung_ = new QGroupBox(this);
    auto* flow = new QGridLayout(stroemung_);
    line = 0;
    for (Param id : {Param::druckabfallPa_fest, Param::wirkungsgrad}) {
        inputSlots_[id] = addSlot(inputs_.add(id, stroemung_), stroemung_);
        flow->addWidget(inputs_.caption(id), line, 0);
        flow->addWidget(inputSlots_[id].stack, line++, 1);
    }
    std::array<QLineEdit**, 4> displays{&druckabfallPam, &druckabfallPa_Ges, &ventilatorleistungW, &ventilatorleistung};
    for (std::size_t i = 0; i < kDisplays.size(); ++i) {
        auto* field = new QLineEdit(stroemung_);
        field->setObjectName(QLatin1String(kDisplays[i].name));
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        *displays[i] = field;
        displayCaptions_[i] = new QLabel(stroemung_);
        displaySlots_[i] = addSlot(field, stroemung_);
        flow->addWidget(displayCaptions_[i], line, 0);
        flow->addWidget(displaySlots_[i].stack, line++, 1);
    }

    // Control of the exchanger: by temperature range or by period.
    regelung_ = new QGroupBox(this);
    auto* control = new QGridLayout(regelung_);
    auto* choice = new QWidget(regelung_);
    auto* choiceRow = new QHBoxLayout(choice);
    choiceRow->setContentsMargins(0, 0, 0, 0);
    EWT_Reg_offset = new QRadioButton(choice);
    EWT_Reg_offset->setObjectName(QStringLiteral("EWT_Reg_offset"));
    EWT_Reg_Zeitraum = new QRadioButton(choice);
    EWT_Reg_Zeitraum->setObjectName(QStringLiteral("EWT_Reg_Zeitraum"));
    zeitraumdetails = new QPushButton(QStringLiteral("..."), choice);
    zeitraumdetails->setObjectName(QStringLiteral("zeitraumdetails"));
    zeitraumdetails->setFixedWidth(26);
    choiceRow->addWidget(EWT_Reg_offset);
    choiceRow->addWidget(EWT_Reg_Zeitraum);
    choiceRow->addWidget(zeitraumdetails);
    choiceRow->addStretch(1);
    controlSlot_ = addSlot(choice, regelung_);
    control->addWidget(controlSlot_.stack, 0, 0, 1, 2);
    line = 1;
    for (Param id : {Param::solltemp, Param::heizgrenztemp, Param::kuehlgrenztemp, Param::EWT_offset}) {
        inputSlots_[id] = addSlot(inputs_.add(id, regelung_), regelung_);
        control->addWidget(inputs_.caption(id), line, 0);
        control->addWidget(inputSlots_[id].stack, line++, 1);
    }
    footnote = new QLabel(regelung_);
    footnote->setObjectName(QStringLiteral("Label_Fussnote"));
    footnote->setWordWrap(true);
    QFont small = footnote->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    footnote->setFont(small);
    control->addWidget(footnote, line, 0, 1, 2);
    control->setRowStretch(line + 1, 1);
    connect(EWT_Reg_offset, &QRadioButton::clicked, this, [this] { controlChosen(true); });
    connect(EWT_Reg_Zeitraum, &QRadioButton::clicked, this, [this] { controlChosen(false); });
    connect(zeitraumdetails, &QPushButton::clicked, this, &Thlkmenue::openCalendar);

    auto* left = new QVBoxLayout;
    left->addWidget(gebaeude_);
    left->addWidget(stroemung_);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(regelung_, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addLayout(columns);
    outer->addWidget(navigationBar());
    // Eleven rows beside the control group must fit the window's fixed height.
    for (QGridLayout* grid : {building, flow, control}) {
        grid->setVerticalSpacing(2);
        grid->setContentsMargins(6, 2, 6, 4);
    }
    columns->setSpacing(6);
    left->setSpacing(4);
    setFixedSize(640, 386);

    applyLanguage();
    refreshFromModel();
}

Thlkmenue::Slot Thlkmenue::addSlot(QWidget* control, QWidget* parent)
{
    Slot slot;
    slot.stack = new QStackedWidget(parent);
    slot.stack->addWidget(control);
    slot.fromFile = new QLabel(slot.stack);
    slot.stack->addWidget(slot.fromFile);
    return slot;
}

void Thlkmenue::showEvent(QShowEvent* event)
{
    TopicWindow::showEvent(event);
    showFanDisplay();
    (hlk_sim->isChecked() ? hlk_sim : hlk_quasistat)->setFocus();
}

bool Thlkmenue::inputShown(Param id) const
{
    const auto found = inputSlots_.find(id);
    return found != inputSlots_.end() && found->second.stack->currentIndex() == 0;
}

void Thlkmenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    gebaeude_->setTitle(qt(kGebaeude, l));
    stroemung_->setTitle(qt(kStroemung, l));
    regelung_->setTitle(qt(kRegelung, l));
    hlk_quasistat->setText(qt(kQuasistat, l));
    hlk_sim->setText(qt(kDatei, l));
    SimButton->setText(qt(hlk_text::kHlkDateiEinlesen, l));
    EWT_Reg_offset->setText(qt(paramSpec(Param::EWT_Reg_offset).caption, l));
    EWT_Reg_Zeitraum->setText(qt(kZeitraum, l));
    zeitraumdetails->setToolTip(qt(kZeitraumHint, l));
    for (std::size_t i = 0; i < kDisplays.size(); ++i) displayCaptions_[i]->setText(qt(kDisplays[i].caption, l));
    footnote->setText(qt(kOffsetFootnote, l));
    inputs_.applyLanguage(l);
    const QString fromFile = qt(hlk_text::kAusDatei, l);
    for (const auto& [id, slot] : inputSlots_) slot.fromFile->setText(fromFile);
    for (const Slot& slot : displaySlots_) slot.fromFile->setText(fromFile);
    controlSlot_.fromFile->setText(fromFile);
    showMode();
}

void Thlkmenue::refreshFromModel()
{
    typingBase_.reset();
    inputs_.showValues(project());
    {
        const QSignalBlocker quietRange(EWT_Reg_offset), quietPeriod(EWT_Reg_Zeitraum);
        (project().isChecked(Param::EWT_Reg_offset) ? EWT_Reg_offset : EWT_Reg_Zeitraum)->setChecked(true);
    }
    showMode();
}

void Thlkmenue::showMode()
{
    const Project& p = project();
    const bool simMode = p.HlkModus == "sim";
    {
        const QSignalBlocker quietQuasistat(hlk_quasistat), quietSim(hlk_sim);
        (simMode ? hlk_sim : hlk_quasistat)->setChecked(true);
    }
    LabelHLKDatei->setVisible(ventilationFileInUse(p));
    LabelHLKDatei->setText(qt(hvacFileLabel(p.buildingCoupling, language())));
    SimButton->setVisible(simMode);
    SimButton->setEnabled(simMode);

    // The simulation applies exactly the rules of the inputs shown here.
    const HvacVisibility v = hvacVisibility(p);
    for (Param id : {Param::geb_vol, Param::luftwechsel, Param::luftstrom}) inputSlots_[id].show(v.flowInputs);
    inputSlots_[Param::solltemp].show(v.setPoint);
    inputSlots_[Param::heizgrenztemp].show(v.limits);
    inputSlots_[Param::kuehlgrenztemp].show(v.limits);
    inputSlots_[Param::druckabfallPa_fest].show(v.fixedPressureDrop);
    inputSlots_[Param::wirkungsgrad].show(v.efficiency);
    inputSlots_[Param::EWT_offset].show(v.offset);
    for (const Slot& slot : displaySlots_) slot.show(v.fanDisplays);
    controlSlot_.show(v.controlChoice);
    // While a file drives the building the typed fan energy is only an estimate.
    QPalette palette = ventilatorleistung->palette();
    palette.setColor(QPalette::Text, simMode ? QColor(128, 128, 128) : palette.color(QPalette::WindowText));
    ventilatorleistung->setPalette(palette);
    showControl();
    showFanDisplay();
}

void Thlkmenue::showControl()
{
    const bool byRange = project().isChecked(Param::EWT_Reg_offset);
    for (Param id : kRangeInputs) inputs_.box(id)->setEnabled(byRange);
    zeitraumdetails->setVisible(hvacVisibility(project()).periodButton);
}

void Thlkmenue::showFanDisplay()
{
    const FanDisplay d = VentLstgUpdate(project());
    druckabfallPam->setText(qt(d.druckabfallPam));
    druckabfallPa_Ges->setText(qt(d.druckabfallPa_Ges));
    ventilatorleistungW->setText(qt(d.ventilatorleistungW));
    ventilatorleistung->setText(qt(d.ventilatorleistung));
}

void Thlkmenue::inputEdited(Param id, long double value)
{
    Project& p = project();
    if (id == Param::geb_vol || id == Param::luftwechsel || id == Param::luftstrom) {
        if (!typingBase_ || typingBase_->field != id)
            typingBase_ = AirValues{id, p.get(Param::geb_vol), p.get(Param::luftwechsel), p.get(Param::luftstrom)};
        p.set(Param::geb_vol, typingBase_->volume);
        p.set(Param::luftwechsel, typingBase_->airChange);
        p.set(Param::luftstrom, typingBase_->flow);
    }
    setAsTyped(p, id, value);
    for (Param shown : {id, Param::luftwechsel, Param::luftstrom}) inputs_.showValue(p, shown);
    showFanDisplay();
    edited(InputWindow::Hvac);
}


void Thlkmenue::quasistatChosen()
{
    applyQuasistatMode(project());
    showMode();
    edited(InputWindow::Hvac);
}

void Thlkmenue::fileChosen()
{
    bool accepted = false;
    if (fileDialog_) {
        accepted = fileDialog_->chooseBuildingFile(this);
    } else {
        showMessage(this, QMessageBox::Information, windowTitle(), qt(hlk_text::kNoFileDialog, language()));
    }
    // A cancelled dialog leaves the building quasi-stationary.
    if (accepted) applySimMode(project());
    else applyQuasistatMode(project());
    showMode();
    edited(InputWindow::Hvac);
}

void Thlkmenue::controlChosen(bool byRange)
{
    project().set(Param::EWT_Reg_offset, byRange ? 1 : 0);
    showControl();
    edited(InputWindow::Hvac);
    if (!byRange) openCalendar();
}

void Thlkmenue::openCalendar()
{
    TFKalender calendar(context(), this);
    calendar.edit();
}

}  // namespace talp
