#include "core/ui/terdemenue.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/numeric.h"
#include "core/scroll_bar.h"
#include "core/ui/groundwater_picture.h"
#include "core/ui/up_down_buttons.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

// Each soil value with its scroll bar (in units of the value) and its label.
struct SoilValueSpec {
    SoilValue which;
    Param input;
    const char* barName;
    const char* labelName;
    long double barUnits;
    int barMin, barMax;
};

constexpr std::array<SoilValueSpec, 3> kSoilValues{{
    {SoilValue::Density, Param::dichte, "dichte2", "LabelDichte", 1, 500, 3000},
    {SoilValue::HeatCapacity, Param::wrmekapazitt, "wrmekapazitt2", "LabelWkapazitt", 100, 50, 300},
    {SoilValue::Conductivity, Param::wrmeleitfhigkeit, "wrmeleitfhigkeit2", "LabelWleitfhigkeit", 100, 10, 500},
}};

const SoilValueSpec& soilValueSpec(SoilValue which) { return kSoilValues[static_cast<std::size_t>(which)]; }

constexpr Text kCaption{"TALP Erdreich", "TALP Soil"};
constexpr Text kSoilGroup{"Erdreich", "Soil"};
constexpr Text kSoilType{"Bodentyp", "Type of soil"};
constexpr Text kGroundwaterGroup{"Grundwasser", "Ground water"};

}  // namespace

Terdemenue::Terdemenue(ShellContext& context, QWidget* parent)
    : TopicWindow(Topic::Erde, context, parent), inputs_([this](Param id, long double v) { inputEdited(id, v); })
{
    soilGroup_ = new QGroupBox(this);
    auto* grid = new QGridLayout(soilGroup_);
    grid->setColumnStretch(2, 1);

    soilTypeCaption_ = new QLabel(soilGroup_);
    erdreich = new QComboBox(soilGroup_);
    erdreich->setObjectName(QStringLiteral("erdreich"));
    erdreich->setEditable(true);
    erdreich->setInsertPolicy(QComboBox::NoInsert);
    erdreich->setMinimumWidth(180);
    soilTypeCaption_->setBuddy(erdreich);
    grid->addWidget(soilTypeCaption_, 0, 0);
    grid->addWidget(erdreich, 0, 1, 1, 2, Qt::AlignLeft);
    connect(erdreich, &QComboBox::activated, this, &Terdemenue::presetChosen);
    connect(erdreich->lineEdit(), &QLineEdit::textEdited, this, &Terdemenue::soilTypeTyped);

    int line = 1;
    for (const SoilValueSpec& s : kSoilValues) {
        ParamSpinBox* box = inputs_.add(s.input, soilGroup_);
        box->setMinimumWidth(90);
        auto* bar = new QScrollBar(Qt::Horizontal, soilGroup_);
        bar->setObjectName(QLatin1String(s.barName));
        bar->setRange(s.barMin, s.barMax);
        bar->setPageStep(s.barUnits == 1 ? 50 : 10);
        bar->setMinimumWidth(160);
        auto* label = new QLabel(soilGroup_);
        label->setObjectName(QLatin1String(s.labelName));
        label->setMinimumWidth(220);
        const SoilValue which = s.which;
        connect(bar, &QScrollBar::valueChanged, this, [this, which](int position) { barMoved(which, position, Source::User); });
        bars_[static_cast<std::size_t>(s.which)] = bar;
        labels_[static_cast<std::size_t>(s.which)] = label;
        grid->addWidget(inputs_.caption(s.input), line, 0);
        grid->addWidget(box, line, 1);
        grid->addWidget(bar, line, 2);
        grid->addWidget(label, line + 1, 1, 1, 2);
        line += 2;
    }

    groundwaterGroup_ = new QGroupBox(this);
    auto* water = new QHBoxLayout(groundwaterGroup_);
    ParamSpinBox* depth = inputs_.add(Param::Grundwassertiefe, groundwaterGroup_);
    depth->setMinimumWidth(90);
    Grundwassertiefe2 = new UpDownButtons(QStringLiteral("Grundwassertiefe2"), groundwaterGroup_);
    connect(Grundwassertiefe2, &UpDownButtons::stepped, this, &Terdemenue::stepGroundwater);
    LabelAbsGrund = new QLabel(groundwaterGroup_);
    LabelAbsGrund->setObjectName(QStringLiteral("LabelAbsGrund"));
    picture_ = new GroundwaterPicture(LabelAbsGrund, groundwaterGroup_);
    water->addWidget(inputs_.caption(Param::Grundwassertiefe));
    water->addWidget(depth);
    water->addWidget(Grundwassertiefe2);
    water->addStretch(1);
    water->addWidget(picture_);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(soilGroup_);
    outer->addWidget(groundwaterGroup_);
    outer->addStretch(1);
    outer->addWidget(navigationBar());

    applyLanguage();
    refreshFromModel();
}

void Terdemenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    soilGroup_->setTitle(qt(kSoilGroup, l));
    groundwaterGroup_->setTitle(qt(kGroundwaterGroup, l));
    soilTypeCaption_->setText(qt(kSoilType, l));
    inputs_.applyLanguage(l);
    {
        const QSignalBlocker quiet(erdreich);
        erdreich->clear();
        for (const SoilPreset& preset : soilPresets()) erdreich->addItem(qt(preset.name, l));
    }
    showSoilType();
    showLabels();
}

void Terdemenue::refreshFromModel()
{
    inputs_.showValues(project());
    // A loaded value keeps its decimals; only the bars follow it.
    for (const SoilValueSpec& s : kSoilValues) {
        QScrollBar* bar = bars_[static_cast<std::size_t>(s.which)];
        const QSignalBlocker quiet(bar);
        bar->setValue(scrollBarPosition(project().get(s.input), s.barUnits));
    }
    showSoilType();
    showLabels();
}

void Terdemenue::showSoilType()
{
    const QSignalBlocker quiet(erdreich);
    const QString name = qt(soilTypeName(project().erdreich, language()));
    const int index = erdreich->findText(name);
    if (index >= 0) erdreich->setCurrentIndex(index);
    erdreich->setEditText(name);
}

void Terdemenue::showLabels()
{
    for (const SoilValueSpec& s : kSoilValues)
        labels_[static_cast<std::size_t>(s.which)]->setText(
            qt(soilValueLabel(s.which, project().get(s.input), language())));
    LabelAbsGrund->setText(qt(groundwaterLabel(project().get(Param::Grundwassertiefe), language())));
    picture_->setDepths(project().get(Param::verlegungstiefe), project().get(Param::Grundwassertiefe));
}

void Terdemenue::inputEdited(Param id, long double value)
{
    project().set(id, value);
    inputs_.showValue(project(), id);
    for (const SoilValueSpec& s : kSoilValues)
        if (s.input == id) soilValueChanged(s.which, Source::User);
    showLabels();
    edited(InputWindow::Soil);
}

void Terdemenue::soilValueChanged(SoilValue which, Source source)
{
    const SoilValueSpec& s = soilValueSpec(which);
    QScrollBar* bar = bars_[static_cast<std::size_t>(which)];
    const long double value = project().get(s.input);
    if (!scrollBarShows(bar->value(), value, s.barUnits)) {
        {
            const QSignalBlocker quiet(bar);
            bar->setValue(scrollBarPosition(value, s.barUnits));
        }
        barMoved(which, bar->value(), source);
    }
    if (source == Source::User) {
        markSoilUserDefined(project(), language());
        showSoilType();
    }
}

void Terdemenue::barMoved(SoilValue which, int position, Source source)
{
    const SoilValueSpec& s = soilValueSpec(which);
    if (scrollBarShows(position, project().get(s.input), s.barUnits)) return;
    project().set(s.input, scrollBarValue(position, s.barUnits));
    inputs_.showValue(project(), s.input);
    showLabels();
    if (source == Source::User) {
        markSoilUserDefined(project(), language());
        showSoilType();
        edited(InputWindow::Soil);
    }
}

void Terdemenue::presetChosen(int index)
{
    applySoilPreset(project(), index, language());
    inputs_.showValues(project());
    // A preset value between two bar positions (0.714 W/(m K)) takes the bar's value, but
    // the soil keeps its name: the planner chose it, not a value of their own.
    for (const SoilValueSpec& s : kSoilValues) soilValueChanged(s.which, Source::Preset);
    showSoilType();
    showLabels();
    edited(InputWindow::Soil);
}

void Terdemenue::soilTypeTyped(const QString& text)
{
    project().erdreich = utf8(text);
    edited(InputWindow::Soil);
}

void Terdemenue::stepGroundwater(int direction)
{
    const ParamSpec& s = paramSpec(Param::Grundwassertiefe);
    inputEdited(Param::Grundwassertiefe, RundeStellen(stepDecimals(s), project().get(Param::Grundwassertiefe) + direction * s.step));
}

}  // namespace talp
