#pragma once
// The commands under "Drucken": the active window as a picture, the whole project as the
// two-page report through the printer dialog, and the report written to a PDF file for
// planners who hand it on without printing it.

#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

namespace talp {

class ShellContext;

class ReportCommands : public QObject {
    Q_OBJECT
public:
    // Takes over the two print items and adds the PDF item to the "Drucken" menu.
    ReportCommands(ShellContext& context, QMdiArea& area, QAction* activeForm, QAction* wholeProject,
                   QMenu* printMenu, QObject* parent);

    void printActiveForm();
    void printWholeProject();
    void saveProjectPdf();

    QAction* pdfAction() const { return pdf_; }

private:
    // Calculates the year first when the results are out of date, through the wait window.
    void calculateIfNeeded();
    QWidget* dialogParent() const;
    void applyLanguage();

    ShellContext& context_;
    QMdiArea& area_;
    QAction* pdf_;
};

}  // namespace talp
