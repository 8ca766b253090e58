#include "shell/ui/report_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "shell/lang_haupt.h"
#include "shell/report/report_calculation.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/param_spin_box.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/report_painter.h"
#include "shell/ui/shell_context.h"

namespace talp {

namespace {

constexpr Text kPdfItem{"als PDF-Datei speichern ...", "Save as PDF file ..."};
constexpr Text kPdfDialogTitle{"Projektbericht als PDF-Datei speichern", "Save the project report as a PDF file"};
constexpr Text kPdfFilter{"PDF-Dateien (*.pdf)", "PDF files (*.pdf)"};
constexpr Text kUnnamedPdf{"Projektdaten.pdf", "Projectdata.pdf"};
constexpr Text kFileError{"Fehler beim Erstellen der Datei.", "File creation error"};

}  // namespace

ReportCommands::ReportCommands(ShellContext& context, QMdiArea& area, QAction* activeForm, QAction* wholeProject,
                               QMenu* printMenu, QObject* parent)
    : QObject(parent), context_(context), area_(area), pdf_(printMenu->addAction(QString()))
{
    pdf_->setObjectName(QStringLiteral("ProjektPDF1"));
    connect(activeForm, &QAction::triggered, this, &ReportCommands::printActiveForm);
    connect(wholeProject, &QAction::triggered, this, &ReportCommands::printWholeProject);
    connect(pdf_, &QAction::triggered, this, &ReportCommands::saveProjectPdf);
    connect(&context, &ShellContext::languageApplied, this, &ReportCommands::applyLanguage);
    applyLanguage();
}

void ReportCommands::applyLanguage() { pdf_->setText(qt(kPdfItem, context_.language())); }

QWidget* ReportCommands::dialogParent() const { return area_.window(); }

void ReportCommands::printActiveForm()
{
    commitPendingEdit();
    QMdiSubWindow* active = area_.activeSubWindow();
    if (!active || !active->widget()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qt(kFormJobTitle));
    QPrintDialog dialog(&printer, dialogParent());
    if (dialogs().exec(dialog) != QDialog::Accepted) return;
    drawFormPicture(active->widget()->grab().toImage(), printer);
}

void ReportCommands::calculateIfNeeded()
{
    Project& project = context_.project();
    if (!project.RecalcNeeded) return;
    const QString text = qt(TLang_Haupt(haupt::kReportCalculating, context_.language()));
    if (context_.calculate(kFullYear, text, dialogParent())) project.RecalcNeeded = false;
}

void ReportCommands::printWholeProject()
{
    commitPendingEdit();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qt(kReportJobTitle));
    QPrintDialog dialog(&printer, dialogParent());
    if (dialogs().exec(dialog) != QDialog::Accepted) return;
    calculateIfNeeded();
    drawProjectReport(sessionReport(context_.session()), printer);
}

void ReportCommands::saveProjectPdf()
{
    commitPendingEdit();
    const Language language = context_.language();
    const std::string& projectPath = context_.session().projectPath;
    // Beside the project file, named after it; an unnamed project's report goes to the documents.
    const QFileInfo project(qt(projectPath));
    const QString proposal =
        projectPath.empty()
            ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(qt(kUnnamedPdf, language))
            : project.dir().filePath(project.completeBaseName() + QStringLiteral(".pdf"));
    const std::optional<QString> file =
        askSaveFile(dialogParent(), {qt(kPdfDialogTitle, language), proposal, qt(kPdfFilter, language),
                                     QStringLiteral("pdf"), QStringLiteral("ReportPdfDialog")});
    if (!file) return;
    calculateIfNeeded();
    if (!writeReportPdf(sessionReport(context_.session()), *file))
        showMessage(dialogParent(), QMessageBox::Critical, QStringLiteral("TALP"), qt(kFileError, language));
}

}  // namespace talp
