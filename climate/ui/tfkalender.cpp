#include "climate/ui/tfkalender.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "climate/ui/kalender_grid.h"
#include "core/numeric.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/shell_context.h"

namespace talp {

namespace {
constexpr Text kCaption{"EWT-Regelung nach Zeitraum", "EHX control by period"};
constexpr Text kImmerAn{"Immer an", "Always on"};
constexpr Text kImmerAus{"Immer aus", "Always off"};
constexpr Text kAbbrechen{"Abbrechen", "Cancel"};
constexpr Text kHilfe{"Hilfe", "Help"};
constexpr int kHelpContext = 1013;
}  // namespace

TFKalender::TFKalender(ShellContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("FKalender"));
    const Language l = context.language();
    setWindowTitle(qt(kCaption, l));

    KalenderGrid_ = new KalenderGrid(this);
    QStringList months;
    for (int m = 0; m < 12; ++m) months << qt(monthName(m, l == Language::English));
    KalenderGrid_->setMonthNames(months);
    connect(KalenderGrid_, &KalenderGrid::calendarInverted, this,
            [this] { context_.projectEdited(InputWindow::Hvac, this); });

    Immer_An = new QPushButton(qt(kImmerAn, l), this);
    Immer_An->setObjectName(QStringLiteral("Immer_An"));
    Immer_Aus = new QPushButton(qt(kImmerAus, l), this);
    Immer_Aus->setObjectName(QStringLiteral("Immer_Aus"));
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    Cancel = new QPushButton(qt(kAbbrechen, l), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Help = new QPushButton(qt(kHilfe, l), this);
    Help->setObjectName(QStringLiteral("Help"));
    connect(Immer_An, &QPushButton::clicked, this, [this] { setAllDays(true); });
    connect(Immer_Aus, &QPushButton::clicked, this, [this] { setAllDays(false); });
    connect(OK, &QPushButton::clicked, this, &TFKalender::accept);
    connect(Cancel, &QPushButton::clicked, this, &TFKalender::reject);
    connect(Help, &QPushButton::clicked, this, [this] { context_.showHelp(kHelpContext); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { context_.showHelp(kHelpContext); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Immer_An);
    buttons->addWidget(Immer_Aus);
    buttons->addStretch(1);
    for (QPushButton* b : {OK, Cancel, Help}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    OK->setDefault(true);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(KalenderGrid_);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    activate();
}

void TFKalender::activate()
{
    KalenderGrid_->setCalendar(context_.project().calendar);
    KalenderGrid_->resetCurrentCell();
}

bool TFKalender::edit()
{
    activate();
    return dialogs().exec(*this) == QDialog::Accepted;
}

void TFKalender::setAllDays(bool on)
{
    OperatingCalendar working = KalenderGrid_->calendar();
    working.setAll(on);
    KalenderGrid_->setCalendar(working);
}

void TFKalender::accept()
{
    const OperatingCalendar& working = KalenderGrid_->calendar();
    if (working.allOff()) {
        showMessage(this, QMessageBox::Warning, windowTitle(), qt(kCalendarAllOffWarning, context_.language()));
        return;
    }
    context_.project().calendar = working;
    context_.projectEdited(InputWindow::Hvac, this);
    QDialog::accept();
}

}  // namespace talp
