#pragma once
// The HVAC window's ventilation file through the coupling dialog in building mode, and the
// read-again of a loaded project's building file: a project whose building comes from a
// file confirms that file again through the dialog before it is used.

#include <QObject>

#include "core/ui/ventilation_file_dialog.h"
#include "shell/ui/shell_context.h"

namespace talp {

class Thlkmenue;

class BuildingFileDialog : public QObject, public VentilationFileDialog {
    Q_OBJECT
public:
    BuildingFileDialog(ShellContext& context, Thlkmenue& window);

    bool chooseBuildingFile(QWidget* parent) override;

private:
    // After a load with the building mode "sim": the HVAC window's file model runs with
    // the dialog's read-again timer started.
    void reimportAfterLoad();

    ShellContext& context_;
    Thlkmenue& window_;
    bool reimport_ = false;
    bool confirmedByTimer_ = false;
};

// Gives the HVAC window its ventilation-file dialog (owned by the window).
void attachBuildingFileDialog(Thlkmenue& window, ShellContext& context);

}  // namespace talp
