#include "files/ui/building_file_dialog.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/ui/thlkmenue.h"
#include "files/ui/tdlgsimulation.h"

namespace talp {

namespace {
constexpr int kReimportRetryMs = 200;
}  // namespace

BuildingFileDialog::BuildingFileDialog(ShellContext& context, Thlkmenue& window)
    : QObject(&window), context_(context), window_(window)
{
    connect(&context, &ShellContext::projectReplaced, this, [this] {
        if (context_.project().HlkModus == "quasistat") return;
        // After the load has finished, so that the dialog opens over the loaded project.
        QTimer::singleShot(0, this, &BuildingFileDialog::reimportAfterLoad);
    });
}

bool BuildingFileDialog::chooseBuildingFile(QWidget* parent)
{
    TDlgSimulation dialog(context_, CouplingKind::Building, parent);
    if (reimport_) dialog.startReimport();
    reimport_ = false;
    const bool accepted = dialog.choose() == QDialog::Accepted;
    confirmedByTimer_ = accepted && dialog.confirmedByTimer();
    return accepted;
}

void BuildingFileDialog::reimportAfterLoad()
{
    Project& project = context_.project();
    if (project.HlkModus == "quasistat") return;
    // One dialog at a time: the climate file's read-again or a message may be open.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kReimportRetryMs, this, &BuildingFileDialog::reimportAfterLoad);
        return;
    }
    const bool modified = project.modified;
    reimport_ = true;
    window_.hlk_sim->click();
    // The stored file confirmed as it was: the project is still the one loaded.
    if (confirmedByTimer_) project.modified = modified;
}

void attachBuildingFileDialog(Thlkmenue& window, ShellContext& context)
{
    window.setVentilationFileDialog(new BuildingFileDialog(context, window));
}

}  // namespace talp
