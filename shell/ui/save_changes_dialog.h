#pragma once
// `aenderungen`: asks whether the changed project is to be saved (Yes, No, Cancel).

#include <QDialog>

#include "shell/project_commands.h"

class QLabel;
class QPushButton;

namespace talp {

class SaveChangesDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveChangesDialog(QWidget* parent = nullptr);

    SaveChangesAnswer ask();
    void applyLanguage(Language language);

    QPushButton* aenderungen_ja;
    QPushButton* aenderungen_nein;
    QPushButton* CancelBtn;

private:
    QLabel* text_;
    SaveChangesAnswer answer_ = SaveChangesAnswer::Cancel;
};

}  // namespace talp
