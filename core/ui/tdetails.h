#pragma once
// The segment-table editor: the laying depth or the distance to the building for each of
// the 100 pipe segments, typed in some rows and interpolated in between; in distance mode
// also the basement's inside temperature and wall transmittance. The grid's rules are the
// engine's SegmentEditor; this dialog only shows and edits its rows.

#include <QDialog>
#include <optional>

#include "core/segment_editor.h"
#include "core/ui/param_inputs.h"

class QGroupBox;
class QPushButton;
class QTableWidget;

namespace talp {

class ShellContext;

class TDetails : public QDialog {
    Q_OBJECT
public:
    TDetails(ShellContext& context, SegmentMode mode, QWidget* parent = nullptr);

    QTableWidget* StringGrid = nullptr;
    QPushButton* UebernehmenBtn = nullptr;
    QPushButton* RuecksetzenBtn = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* Help = nullptr;
    QGroupBox* kellerinnentempBox = nullptr;
    QGroupBox* kellerkwertBox = nullptr;
    ParamSpinBox* basementInput(Param id) const { return basement_.box(id); }

    // Checks every row (as on every cell selection): corrects or empties invalid entries
    // with "Ungültige Eingabe !", interpolates, and enables OK and "Übernehmen" when rows
    // 1 and 100 hold values. Returns whether the rows are valid.
    bool validateRows();

public slots:
    void accept() override;  // OK
    void reject() override;  // Cancel and the window's close button

private:
    void uebernehmen();
    void ruecksetzen();
    void showRows();
    void readRows();
    void enableTakeOver(bool enabled);
    void applyResult(const SegmentEditor::Result& result);

    ShellContext& context_;
    SegmentEditor editor_;
    ParamInputs basement_;
    std::optional<SegmentEditor::Result> pending_;  // taken over by "Übernehmen"
    bool showingRows_ = false;
};

}  // namespace talp
