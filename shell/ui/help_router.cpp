#include "shell/ui/help_router.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

namespace talp {

void HelpRouter::show(int context)
{
    lastContext_ = context;
    // Until a help viewer is attached the request is announced where the user looks for
    // it, instead of silently doing nothing.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(top)) {
            const QString file = QFileInfo(helpFile_).fileName();
            main->statusBar()->showMessage(QStringLiteral("%1 #%2").arg(file).arg(context), 5000);
            return;
        }
    }
}

}  // namespace talp
