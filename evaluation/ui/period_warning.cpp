#include "evaluation/ui/period_warning.h"

#include <QMessageBox>

#include "core/hvac.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/shell_context.h"

namespace talp {

namespace {

constexpr Text kPeriodWarning{
    "Die EWT-Regelung steht auf \"Zeitraum\". Insbesondere in den Übergangszeiten (Frühling/Herbst) kann die "
    "Berechnung des EWT irreführende Werte für Heiz- und Kühlbeiträge ergeben (siehe Hilfetext).",
    "You selected \"period of time\" in EHX control. Within the transition periods of spring/ fall may the "
    "calculation of the EHX data result in misleading values for heating/ cooling supplies (see Help)."};
constexpr int kPeriodWarningHelp = 801;

}  // namespace

bool periodWarningAccepted(ShellContext& context, QWidget* parent)
{
    if (!hvacRules(context.project()).controlByPeriod) return true;
    for (;;) {
        const QMessageBox::StandardButton answer =
            dialogs().message(parent, QMessageBox::Warning, QStringLiteral("TALP"), qt(kPeriodWarning, context.language()),
                              QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Help, QMessageBox::Ok);
        if (answer == QMessageBox::Help) {
            context.showHelp(kPeriodWarningHelp);
            continue;
        }
        return answer == QMessageBox::Ok;
    }
}

}  // namespace talp
