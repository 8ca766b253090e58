#pragma once
// The warning before a year is evaluated while the exchanger is switched by period: in
// spring and autumn such a calendar can run the exchanger against the season, and the
// heating and cooling contributions mislead.

class QWidget;

namespace talp {

class ShellContext;

// True when the control is not by period, or the planner went on with OK; "Hilfe" opens the
// topic and asks again.
bool periodWarningAccepted(ShellContext& context, QWidget* parent);

}  // namespace talp
