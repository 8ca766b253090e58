#pragma once
// `DlgSimulation`: the coupling dialog of an hourly data file written by another program,
// for the climate file (letter "A", opened by the climate window's file model) or the
// building file (letters "V", "S", "P", opened by the HVAC window). The planner names the
// file, the header lines to skip and the fixed-column format; OK checks the whole year
// against the format and only a file that passes replaces the project's coupling.

#include <QDialog>
#include <array>

#include "files/coupling_acceptance.h"
#include "shell/ui/shell_context.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace talp {

// The modal results besides QDialog::Accepted (1, the file was accepted) and
// QDialog::Rejected (0, cancelled).
inline constexpr int kFormatRefused = 2;  // the format did not parse: closed as cancelled

class TDlgSimulation : public QDialog {
    Q_OBJECT
public:
    TDlgSimulation(ShellContext& context, CouplingKind kind, QWidget* parent = nullptr);

    CouplingKind kind() const { return kind_; }

    // Fills the controls from the coupling the dialog edits (for the climate the last
    // accepted climate file) and shows the dialog modally; the modal result.
    int choose();

    // The read-again timer of a project load: once the dialog is open, Timer1 fires once
    // and runs the OK action with the stored settings. A stored file that fails the check
    // leaves the dialog open with its message.
    void startReimport();
    // The last OK came from the read-again timer, not from the planner.
    bool confirmedByTimer() const { return confirmedByTimer_; }

    // The OK action: parse the format, check the file, accept it.
    void OKBtnClick();

    QGroupBox* fileGroup = nullptr;
    QGroupBox* formatGroup = nullptr;
    QLabel* LabelDatei = nullptr;
    QLineEdit* EditDateiname = nullptr;
    QPushButton* DateiOeffnen = nullptr;
    QPushButton* WetterImport = nullptr;  // "Wetterdatei importieren ...", climate files only
    QLabel* LabelZeilen = nullptr;
    QSpinBox* AnzahlZeilen = nullptr;
    std::array<QLabel*, 3> LabelFormat{};  // one line per quantity the file may hold
    QLineEdit* FormatString = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* Help = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLanguage();
    // The file, header lines and format of the coupling the dialog edits.
    void showStoredChoice();
    void DateiOeffnenClick();
    // A test reference year or an EPW file, converted and checked.
    void WetterImportClick();
    void FormatStringExit();
    void reportSyntaxError();
    void warn(const QString& text);

    ShellContext& context_;
    CouplingKind kind_;
    bool confirmedByTimer_ = false;
    bool syntaxErrorPending_ = false;  // the field was left with a format that does not parse
};

}  // namespace talp
