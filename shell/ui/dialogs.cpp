#include "shell/ui/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "shell/ui/qt_text.h"

namespace talp {

namespace {

DialogService& realDialogs()
{
    static DialogService real;
    return real;
}

DialogService* current = nullptr;

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    }
    return QMessageBox::Critical;
}

}  // namespace

QMessageBox::StandardButton DialogService::message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                   const QString& text, QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    applyDialogModality(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> DialogService::chooseFile(QFileDialog& dialog)
{
    applyDialogModality(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

int DialogService::exec(QDialog& dialog)
{
    applyDialogModality(dialog);
    return dialog.exec();
}

void applyDialogModality(QWidget& dialog)
{
    // Without a window to belong to, a dialog keeps blocking the whole program.
    if (dialog.parentWidget()) dialog.setWindowModality(Qt::WindowModal);
}

DialogService& dialogs() { return current ? *current : realDialogs(); }

DialogService* replaceDialogService(DialogService* service)
{
    DialogService* previous = current;
    current = service;
    return previous;
}

namespace {

std::optional<QString> askFile(QWidget* parent, const FileQuestion& question, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, question.title, question.proposal, question.filter);
    dialog.setObjectName(question.name);
    // The same dialog on every desktop, in the program's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
    if (!question.suffix.isEmpty()) dialog.setDefaultSuffix(question.suffix);
    // Where a file can be saved as one of several types, a name typed without an extension
    // gets the extension of the type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QRegularExpressionMatch extension = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        if (extension.hasMatch()) dialog.setDefaultSuffix(extension.captured(1));
    });
    std::optional<QString> chosen = dialogs().chooseFile(dialog);
    // A name given without an extension is saved under the file type's.
    if (chosen && mode == QFileDialog::AcceptSave && QFileInfo(*chosen).suffix().isEmpty() &&
        !dialog.defaultSuffix().isEmpty())
        *chosen += QLatin1Char('.') + dialog.defaultSuffix();
    return chosen;
}

}  // namespace

std::optional<QString> askOpenFile(QWidget* parent, const FileQuestion& question)
{
    return askFile(parent, question, QFileDialog::AcceptOpen);
}

std::optional<QString> askSaveFile(QWidget* parent, const FileQuestion& question)
{
    return askFile(parent, question, QFileDialog::AcceptSave);
}

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    dialogs().message(parent, icon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void showMessage(QWidget* parent, const Message& message, Language language)
{
    dialogs().message(parent, iconOf(message.kind), qt(message.title, language), qt(message.text, language),
                      message.withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return dialogs().message(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace talp
