#include "core/ui/tewtmenue.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

#include "core/air_velocity.h"
#include "core/numeric.h"
#include "core/scroll_bar.h"
#include "core/ui/pipe_schematic.h"
#include "core/ui/tdetails.h"
#include "core/ui/up_down_buttons.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr long double kLengthBarUnits = 10;  // the bar counts tenths of a metre

// The labels on the picture: which value each repeats, its step buttons and where it sits.
struct PictureLabelSpec {
    PipeLabel label;
    const char* name;
    Param input;
    const char* stepName;  // nullptr: the length has its scroll bar instead
    QPoint position;
};

constexpr std::array<PictureLabelSpec, 6> kPictureLabels{{
    {PipeLabel::Anzahl, "LabelAnzahl", Param::rohranzahl, "rohranzahl2", {64, 134}},
    {PipeLabel::Rohrlnge, "LabelRohrlnge", Param::rohrlnge, nullptr, {130, 244}},
    {PipeLabel::Rohrquer, "LabelRohrquer", Param::rohrdurchmesser, "rohrquerschnitt2", {64, 158}},
    {PipeLabel::Verlegungstiefe, "LabelVerlegungstiefe", Param::verlegungstiefe, "verlegungstiefe2", {34, 54}},
    {PipeLabel::AbsGebaeude, "LabelAbsGebaeude", Param::AbsGebaeude, "AbsGebaeude2", {214, 96}},
    {PipeLabel::AbstandzwRohren, "LabelAbstandzwRohren", Param::AbstandzwRohren, "AbstandzwRohren2", {70, 76}},
}};

const PictureLabelSpec& pictureLabelOf(Param input)
{
    for (const PictureLabelSpec& s : kPictureLabels)
        if (s.input == input) return s;
    return kPictureLabels.front();
}

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

constexpr Text kCaption{"TALP Erdwärmeaustauscher", "TALP Earth heat exchanger"};
constexpr Text kRohrsystem{"Rohrsystem", "Pipe system"};
constexpr Text kInstruction{"Bitte bestimmen Sie das Rohrsystem in der Graphik oder in den Eingabefeldern.",
                            "Please define the pipe system in the graphic or in the input fields."};
constexpr Text kVentilator{"Ventilator", "Fan"};
constexpr Text kVor{"vor", "Fan before EHX"};
constexpr Text kNach{"nach EWT", "Fan after EHX"};
constexpr Text kSegmentTableHint{"Werte je Rohrabschnitt", "Values per pipe segment"};

}  // namespace

Tewtmenue::Tewtmenue(ShellContext& context, QWidget* parent)
    : TopicWindow(Topic::Ewt, context, parent), inputs_([this](Param id, long double v) { inputEdited(id, v); })
{
    picture_ = new PipeSchematic(this);
    for (const PictureLabelSpec& s : kPictureLabels) {
        PictureLabel& entry = labels_[static_cast<std::size_t>(s.label)];
        entry.frame = new QWidget(picture_);
        auto* row = new QHBoxLayout(entry.frame);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(2);
        entry.text = new QLabel(entry.frame);
        entry.text->setObjectName(QLatin1String(s.name));
        setTextColour(entry.text, kSilver);
        row->addWidget(entry.text);
        if (s.stepName) {
            entry.steps = new UpDownButtons(QLatin1String(s.stepName), entry.frame);
            const Param input = s.input;
            connect(entry.steps, &UpDownButtons::stepped, this, [this, input](int d) { stepInput(input, d); });
            row->addWidget(entry.steps);
        }
        entry.frame->move(s.position);
    }
    rohrlnge2 = new QScrollBar(Qt::Horizontal, picture_);
    rohrlnge2->setObjectName(QStringLiteral("rohrlnge2"));
    rohrlnge2->setRange(1, 2000);
    rohrlnge2->setSingleStep(1);
    rohrlnge2->setPageStep(10);
    rohrlnge2->setGeometry(40, 266, 280, 16);
    rohrlnge2->setValue(500);
    connect(rohrlnge2, &QScrollBar::valueChanged, this, &Tewtmenue::lengthBarMoved);

    rohrsystem_ = new QGroupBox(this);
    rohrsystem_->setObjectName(QStringLiteral("GroupBox1"));
    auto* form = new QGridLayout(rohrsystem_);
    instruction_ = new QLabel(rohrsystem_);
    instruction_->setWordWrap(true);
    form->addWidget(instruction_, 0, 0, 1, 3);
    const Param order[] = {Param::rohranzahl, Param::rohrlnge, Param::rohrdurchmesser, Param::verlegungstiefe,
                           Param::AbstandzwRohren, Param::AbsGebaeude};
    int line = 1;
    for (Param id : order) {
        ParamSpinBox* box = inputs_.add(id, rohrsystem_);
        box->setMinimumWidth(80);
        form->addWidget(inputs_.caption(id), line, 0);
        form->addWidget(box, line, 1);
        ++line;
    }
    Button2 = new QPushButton(QStringLiteral("..."), rohrsystem_);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("..."), rohrsystem_);
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {Button1, Button2}) b->setFixedWidth(26);
    form->addWidget(Button2, 4, 2);
    form->addWidget(Button1, 6, 2);
    connect(Button2, &QPushButton::clicked, this, [this] { openSegmentTable(SegmentMode::Depth); });
    connect(Button1, &QPushButton::clicked, this, [this] { openSegmentTable(SegmentMode::BuildingDistance); });

    ventilator_ = new QGroupBox(rohrsystem_);
    ventilator_->setObjectName(QStringLiteral("Ventilator"));
    auto* fanRow = new QHBoxLayout(ventilator_);
    VentilatorVor = new QRadioButton(ventilator_);
    VentilatorVor->setObjectName(QStringLiteral("VentilatorVor"));
    VentilatorNach = new QRadioButton(ventilator_);
    VentilatorNach->setObjectName(QStringLiteral("VentilatorNach"));
    fanRow->addWidget(VentilatorVor);
    fanRow->addWidget(VentilatorNach);
    form->addWidget(ventilator_, line, 0, 1, 3);
    LabelLuftgeschwindigkeit = new QLabel(rohrsystem_);
    LabelLuftgeschwindigkeit->setObjectName(QStringLiteral("LabelLuftgeschwindigkeit"));
    form->addWidget(LabelLuftgeschwindigkeit, line + 1, 0, 1, 3);
    form->setRowStretch(line + 2, 1);
    connect(VentilatorVor, &QRadioButton::clicked, this, &Tewtmenue::fanChosen);
    connect(VentilatorNach, &QRadioButton::clicked, this, &Tewtmenue::fanChosen);

    auto* body = new QHBoxLayout;
    body->addWidget(rohrsystem_, 1);
    body->addWidget(picture_, 0, Qt::AlignTop);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body);
    outer->addWidget(navigationBar());

    applyLanguage();
    refreshFromModel();
}

void Tewtmenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    rohrsystem_->setTitle(qt(kRohrsystem, l));
    instruction_->setText(qt(kInstruction, l));
    ventilator_->setTitle(qt(kVentilator, l));
    VentilatorVor->setText(qt(kVor, l));
    VentilatorNach->setText(qt(kNach, l));
    for (QPushButton* b : {Button1, Button2}) b->setToolTip(qt(kSegmentTableHint, l));
    inputs_.applyLanguage(l);
    for (const PictureLabelSpec& s : kPictureLabels) showLabel(s.label);
    showAirVelocity();
}

void Tewtmenue::refreshFromModel()
{
    const Project& p = project();
    inputs_.showValues(p);
    {
        const QSignalBlocker quietVor(VentilatorVor), quietNach(VentilatorNach);
        (p.isChecked(Param::VentilatorVor) ? VentilatorVor : VentilatorNach)->setChecked(true);
    }
    // A loaded length keeps its value; only the bar follows it.
    followLengthWithBar(false);
    showSpacingApplies();
    showTablesInUse();
    for (const PictureLabelSpec& s : kPictureLabels) showLabel(s.label);
    picture_->setFanBefore(p.isChecked(Param::VentilatorVor));
    picture_->setVariable(p.SegmentDepth.variable, p.SegmentBuildingDistance.variable);
    showAirVelocity();
}

void Tewtmenue::inputEdited(Param id, long double value)
{
    project().set(id, value);
    inputs_.showValue(project(), id);  // a value outside the bounds shows as corrected
    inputChanged(id);
    edited(InputWindow::Pipe);
}

void Tewtmenue::stepInput(Param id, int direction)
{
    const ParamSpec& s = paramSpec(id);
    // Rounded to the step so that ten steps of 0.1 m make exactly one metre.
    project().set(id, RundeStellen(stepDecimals(s), project().get(id) + direction * s.step));
    inputs_.showValue(project(), id);
    inputChanged(id);
    edited(InputWindow::Pipe);
}

void Tewtmenue::inputChanged(Param id)
{
    if (id == Param::rohranzahl) {
        showSpacingApplies();
        picture_->setPipeCount(project().getInt(Param::rohranzahl));
    }
    if (id == Param::rohrlnge) followLengthWithBar(true);
    showLabel(pictureLabelOf(id).label);
    showAirVelocity();
}

void Tewtmenue::showSpacingApplies()
{
    const bool applies = pipeSpacingApplies(project().getInt(Param::rohranzahl));
    inputs_.box(Param::AbstandzwRohren)->setEnabled(applies);
    const PictureLabel& spacing = labels_[static_cast<std::size_t>(PipeLabel::AbstandzwRohren)];
    spacing.steps->setEnabled(applies);
    setTextColour(spacing.text, applies ? kSilver : kGrey);
    picture_->setPipeCount(project().getInt(Param::rohranzahl));
}

void Tewtmenue::showTablesInUse()
{
    // While a segment table is in use the single value is only its mean: typing it would
    // change labels and costs but not the simulation, so it is not offered.
    const Project& p = project();
    for (const auto& [input, label, table] : {std::tuple{Param::verlegungstiefe, PipeLabel::Verlegungstiefe, &p.SegmentDepth},
                                              std::tuple{Param::AbsGebaeude, PipeLabel::AbsGebaeude, &p.SegmentBuildingDistance}}) {
        const bool single = !table->variable;
        inputs_.box(input)->setEnabled(single);
        labels_[static_cast<std::size_t>(label)].steps->setEnabled(single);
    }
}

void Tewtmenue::showLabel(PipeLabel which)
{
    for (const PictureLabelSpec& s : kPictureLabels) {
        if (s.label != which) continue;
        const PictureLabel& entry = labels_[static_cast<std::size_t>(which)];
        entry.text->setText(qt(pipeLabelText(which, project().get(s.input), language())));
        entry.frame->adjustSize();
    }
}

void Tewtmenue::showAirVelocity()
{
    LabelLuftgeschwindigkeit->setText(qt(airVelocityText(airVelocityOf(project()), language())));
}

void Tewtmenue::followLengthWithBar(bool writeBack)
{
    const long double length = project().get(Param::rohrlnge);
    if (scrollBarShows(rohrlnge2->value(), length, kLengthBarUnits)) return;
    {
        const QSignalBlocker quiet(rohrlnge2);
        rohrlnge2->setValue(scrollBarPosition(length, kLengthBarUnits));
    }
    if (writeBack) lengthBarMoved(rohrlnge2->value());
}

void Tewtmenue::lengthBarMoved(int position)
{
    if (scrollBarShows(position, project().get(Param::rohrlnge), kLengthBarUnits)) return;
    project().set(Param::rohrlnge, scrollBarValue(position, kLengthBarUnits));
    inputs_.showValue(project(), Param::rohrlnge);
    // Positions below 10 stand for less than the shortest pipe: the bar follows the
    // corrected length.
    followLengthWithBar(false);
    showLabel(PipeLabel::Rohrlnge);
    edited(InputWindow::Pipe);
}

void Tewtmenue::fanChosen()
{
    project().set(Param::VentilatorVor, VentilatorVor->isChecked() ? 1 : 0);
    picture_->setFanBefore(VentilatorVor->isChecked());
    edited(InputWindow::Pipe);
}

void Tewtmenue::openSegmentTable(SegmentMode mode)
{
    TDetails details(context(), mode, this);
    dialogs().exec(details);
    refreshFromModel();
}

}  // namespace talp
