#pragma once
// Every question the program asks its user in a modal dialog goes through one service:
// message boxes, file dialogs and the program's own dialogs. The running program shows
// them; a window test installs a service of its own that answers at once, in place of a
// user, so that no test waits on a dialog or answers it by a timer.
//
// Dialogs that do their work and close by themselves (the wait window, the optimisation's
// progress dialog) ask nothing and are shown directly.

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <optional>

#include "core/texts.h"

class QFileDialog;

namespace talp {

class DialogService {
public:
    virtual ~DialogService() = default;

    // A message box; the button the user chose (`defaultButton` takes Enter).
    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                const QString& text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);
    // A file dialog the caller has set up (title, filters, mode, proposed name): the file
    // chosen, nothing when the user cancelled.
    virtual std::optional<QString> chooseFile(QFileDialog& dialog);
    // One of the program's own dialogs, shown modally: its result code.
    virtual int exec(QDialog& dialog);
};

// A file to open or to save under: the dialog's title, the file proposed (or the folder to
// start in), the filter ("Talp-Projektdatei (*.tlp)"), the extension added to a name typed
// without one, and the dialog's object name (what a test recognises it by).
struct FileQuestion {
    QString title;
    QString proposal;
    QString filter;
    QString suffix;
    QString name;
};
std::optional<QString> askOpenFile(QWidget* parent, const FileQuestion& question);
std::optional<QString> askSaveFile(QWidget* parent, const FileQuestion& question);

// A modal dialog blocks the windows it belongs to (the main window and its children), not
// the help window beside them: help asked for from a dialog stays usable while the dialog
// waits for its answer. The service applies it to every dialog it shows.
void applyDialogModality(QWidget& dialog);

// The service of this program run.
DialogService& dialogs();
// Puts `service` in place of the current one (tests); returns the one it replaced.
DialogService* replaceDialogService(DialogService* service);

// The common boxes: an OK box of the given kind, and a Yes/No question (true for Yes).
void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
bool askYesNo(QWidget* parent, const QString& title, const QString& text);
// A message of the engine (an error, a warning, an information) in an OK box.
void showMessage(QWidget* parent, const Message& message, Language language);

}  // namespace talp
