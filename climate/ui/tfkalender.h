#pragma once
// The operating-calendar dialog: the days of the year on which the exchanger may run when
// it is controlled by period. Edits go to a working copy that OK takes over.

#include <QDialog>

#include "climate/calendar.h"

class QPushButton;

namespace talp {

class KalenderGrid;
class ShellContext;

class TFKalender : public QDialog {
    Q_OBJECT
public:
    explicit TFKalender(ShellContext& context, QWidget* parent = nullptr);

    // Shows the dialog modally on the project's calendar; true when OK took it over.
    bool edit();
    // Loads the working copy from the project's calendar (what opening the dialog does).
    void activate();

    KalenderGrid* KalenderGrid_ = nullptr;
    QPushButton* Immer_An = nullptr;
    QPushButton* Immer_Aus = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* Help = nullptr;

public slots:
    void accept() override;

private:
    void setAllDays(bool on);

    ShellContext& context_;
};

}  // namespace talp
