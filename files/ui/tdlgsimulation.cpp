#include "files/ui/tdlgsimulation.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "files/hourly_format.h"
#include "files/weather_import.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"Simulation", "Simulation"};
constexpr Text kDateiAuswaehlen{"Datei auswählen", "Choose file"};
constexpr Text kZeilen{"Zeilen am Anfang überspringen:", "Skip lines at the beginning:"};
constexpr Text kFormatGroup{"Formateinstellung", "Format settings"};
constexpr Text kOk{"OK", "OK"};
constexpr Text kCancel{"Abbrechen", "Cancel"};
constexpr Text kHelp{"Hilfe", "Help"};
constexpr Text kAllFiles{"Alle Dateien (*)", "All files (*)"};
constexpr Text kWetterImport{"Wetterdatei importieren ...", "Import weather file ..."};
constexpr Text kWeatherFilter{"Wetterdateien: Testreferenzjahre, EPW (*.dat *.txt *.try *.epw);;Alle Dateien (*)",
                              "Weather files: test reference years, EPW (*.dat *.txt *.try *.epw);;All files (*)"};
constexpr Text kWeatherDialogTitle{"Wetterdatei importieren", "Import weather file"};

// The texts that differ between the two kinds of file.
struct KindTexts {
    Text group;
    Text fileLabel;
    std::array<Text, 3> formatLines;  // empty lines are not shown
    int helpContext;
};

const KindTexts& textsOf(CouplingKind kind)
{
    static const KindTexts climate{{"Klimadatei einlesen", "Read climate file"},
                                   {"Klimadatei:", "Climate file:"},
                                   {{{"Format für Außentemperatur (A) in °C", "Format outdoor temperature (A) in °C"}}},
                                   904};
    static const KindTexts building{{"HLK-Datei einlesen", "Read HVAC-file"},
                                    {"HLK-Datei:", "HVAC-file:"},
                                    {{{"Format für Ventilationsstrom (V) in m³/h,", "Format ventilation flow (V) in m³/h,"},
                                      {"Format für Solltemp. (S) in °C", "Format set point temperature (S) in °C"},
                                      {"Format für Ventilatorleistung (P) in W", "Format fan power (P) in W"}}},
                                    1003};
    return kind == CouplingKind::Climate ? climate : building;
}

std::string_view lettersOf(CouplingKind kind) { return kind == CouplingKind::Climate ? kClimateLetters : kBuildingLetters; }

constexpr int kMaxHeaderLines = 100;
constexpr int kReimportDelayMs = 1000;

}  // namespace

TDlgSimulation::TDlgSimulation(ShellContext& context, CouplingKind kind, QWidget* parent)
    : QDialog(parent), context_(context), kind_(kind)
{
    setObjectName(QStringLiteral("DlgSimulation"));
    setModal(true);

    fileGroup = new QGroupBox(this);
    auto* file = new QGridLayout(fileGroup);
    LabelDatei = new QLabel(fileGroup);
    EditDateiname = new QLineEdit(fileGroup);
    EditDateiname->setObjectName(QStringLiteral("EditDateiname"));
    EditDateiname->setMinimumWidth(300);
    LabelDatei->setBuddy(EditDateiname);
    DateiOeffnen = new QPushButton(fileGroup);
    DateiOeffnen->setObjectName(QStringLiteral("DateiOeffnen"));
    DateiOeffnen->setAutoDefault(false);
    LabelZeilen = new QLabel(fileGroup);
    AnzahlZeilen = new QSpinBox(fileGroup);
    AnzahlZeilen->setObjectName(QStringLiteral("AnzahlZeilen"));
    AnzahlZeilen->setRange(0, kMaxHeaderLines);
    AnzahlZeilen->setValue(4);
    LabelZeilen->setBuddy(AnzahlZeilen);
    file->addWidget(LabelDatei, 0, 0, 1, 3);
    file->addWidget(EditDateiname, 1, 0, 1, 2);
    file->addWidget(DateiOeffnen, 1, 2);
    // Test reference years and EPW files are converted into a climate file of the
    // installation's layout, so that the coupling and the project file stay as they are.
    WetterImport = new QPushButton(fileGroup);
    WetterImport->setObjectName(QStringLiteral("WetterImport"));
    WetterImport->setAutoDefault(false);
    WetterImport->setVisible(kind == CouplingKind::Climate);
    file->addWidget(WetterImport, 3, 0, 1, 3, Qt::AlignLeft);
    file->addWidget(LabelZeilen, 2, 0);
    file->addWidget(AnzahlZeilen, 2, 1, Qt::AlignLeft);
    file->setColumnStretch(1, 1);

    formatGroup = new QGroupBox(this);
    auto* format = new QVBoxLayout(formatGroup);
    for (QLabel*& line : LabelFormat) {
        line = new QLabel(formatGroup);
        format->addWidget(line);
    }
    FormatString = new QLineEdit(formatGroup);
    FormatString->setObjectName(QStringLiteral("FormatString"));
    // The columns are counted character by character: a fixed-width font lines the
    // format up with the file's lines.
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    FormatString->setFont(fixed);
    FormatString->installEventFilter(this);
    LabelFormat[0]->setBuddy(FormatString);
    format->addWidget(FormatString);

    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    Help = new QPushButton(this);
    Help->setObjectName(QStringLiteral("Help"));
    Help->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(Help);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(fileGroup);
    outer->addWidget(formatGroup);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kReimportDelayMs);
    connect(Timer1, &QTimer::timeout, this, [this] {
        // The timer may only confirm the dialog it was started for.
        if (!isVisible()) return;
        confirmedByTimer_ = true;
        OKBtnClick();
    });

    connect(DateiOeffnen, &QPushButton::clicked, this, &TDlgSimulation::DateiOeffnenClick);
    connect(WetterImport, &QPushButton::clicked, this, &TDlgSimulation::WetterImportClick);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        confirmedByTimer_ = false;
        OKBtnClick();
    });
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        EditDateiname->setFocus();
        reject();
    });
    connect(Help, &QPushButton::clicked, this, [this] { context_.showHelp(textsOf(kind_).helpContext); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, Help, &QPushButton::click);

    applyLanguage();
    showStoredChoice();
}

void TDlgSimulation::applyLanguage()
{
    const Language l = context_.language();
    const KindTexts& texts = textsOf(kind_);
    setWindowTitle(qt(kCaption, l));
    fileGroup->setTitle(qt(texts.group, l));
    LabelDatei->setText(qt(texts.fileLabel, l));
    DateiOeffnen->setText(qt(kDateiAuswaehlen, l));
    WetterImport->setText(qt(kWetterImport, l));
    LabelZeilen->setText(qt(kZeilen, l));
    formatGroup->setTitle(qt(kFormatGroup, l));
    for (std::size_t i = 0; i < LabelFormat.size(); ++i) {
        LabelFormat[i]->setText(qt(texts.formatLines[i], l));
        LabelFormat[i]->setVisible(!texts.formatLines[i].de.empty());
    }
    OKBtn->setText(qt(kOk, l));
    CancelBtn->setText(qt(kCancel, l));
    Help->setText(qt(kHelp, l));
}

void TDlgSimulation::showStoredChoice()
{
    const CouplingChoice stored = couplingChoiceOf(context_.project(), kind_);
    EditDateiname->setText(qt(stored.fileName));
    AnzahlZeilen->setValue(std::clamp(stored.headerLines, 0, kMaxHeaderLines));
    FormatString->setText(qt(stored.format));
}

int TDlgSimulation::choose()
{
    showStoredChoice();
    EditDateiname->setFocus();
    return dialogs().exec(*this);
}

void TDlgSimulation::startReimport() { Timer1->start(); }

void TDlgSimulation::OKBtnClick()
{
    CouplingChoice choice;
    choice.fileName = utf8(EditDateiname->text());
    choice.format = utf8(FormatString->text());
    choice.headerLines = AnzahlZeilen->value();
    const CouplingAcceptance outcome =
        acceptCoupling(context_.project(), kind_, choice, &context_.session().installation,
                       std::filesystem::path(context_.session().projectPath).parent_path());
    EditDateiname->setFocus();
    switch (outcome.result) {
    case CouplingAcceptance::Result::Accepted: done(QDialog::Accepted); return;
    case CouplingAcceptance::Result::SyntaxError:
        // A click on OK straight from the field: its message comes before the dialog closes.
        if (syntaxErrorPending_) reportSyntaxError();
        done(kFormatRefused);
        return;
    case CouplingAcceptance::Result::FileRejected: warn(qt(outcome.check.text(context_.language()))); return;
    }
}

void TDlgSimulation::DateiOeffnenClick()
{
    const QString current = EditDateiname->text();
    const std::optional<QString> chosen =
        askOpenFile(this, {qt(textsOf(kind_).group, context_.language()),
                           current == QLatin1String("keine") ? QString() : current, qt(kAllFiles, context_.language()),
                           QString(), QStringLiteral("OpenDialog")});
    EditDateiname->setText(chosen.value_or(QStringLiteral("keine")));
}

void TDlgSimulation::WetterImportClick()
{
    const Language l = context_.language();
    const std::optional<QString> source =
        askOpenFile(this, {qt(kWeatherDialogTitle, l), QString(), qt(kWeatherFilter, l), QString(), QStringLiteral("WeatherDialog")});
    if (!source) return;
    const Session& session = context_.session();
    const std::filesystem::path target = importedClimatePath(
        std::filesystem::path(utf8(*source)), std::filesystem::path(session.projectPath).parent_path(), session.installation);
    const WeatherImport imported = importWeatherFile(std::filesystem::path(utf8(*source)), target);
    if (!imported.ok()) {
        warn(qt(imported.error.text(l)));
        return;
    }
    const CouplingChoice& choice = imported.imported->coupling;
    EditDateiname->setText(qt(choice.fileName));
    AnzahlZeilen->setValue(choice.headerLines);
    FormatString->setText(qt(choice.format));
    // The converted year is checked as every climate file is: OK takes it when it passes.
    confirmedByTimer_ = false;
    OKBtnClick();
}

bool TDlgSimulation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FormatString && event->type() == QEvent::FocusOut) {
        // Only the planner leaving the field counts, not a message box or another window
        // taking the focus for a moment.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) FormatStringExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TDlgSimulation::FormatStringExit()
{
    if (parseFormat(utf8(FormatString->text()), lettersOf(kind_))) return;
    // Shown once the focus has moved on, so that the click that moved it still happens.
    syntaxErrorPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (syntaxErrorPending_ && isVisible()) reportSyntaxError();
    });
}

void TDlgSimulation::reportSyntaxError()
{
    syntaxErrorPending_ = false;
    warn(qt(kFormatSyntaxError, context_.language()));
}

void TDlgSimulation::warn(const QString& text)
{
    showMessage(this, QMessageBox::Warning, qt(kWarningTitle, context_.language()), text);
}

}  // namespace talp
