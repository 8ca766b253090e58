#pragma once
// `PLZSucheDlg`: the climate region of a German postal code. OK looks the code up in the
// installation's postal-code table and closes only when it found a region.

#include <QDialog>

#include "shell/ui/shell_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace talp {

class TPLZSucheDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPLZSucheDlg(ShellContext& context, QWidget* parent = nullptr);

    // The region 1..12 the accepted code belongs to.
    int region() const { return region_; }

    void OKBtnClick();

    QLabel* Label1 = nullptr;
    QLineEdit* plzeingabe = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* BitBtn1 = nullptr;

private:
    ShellContext& context_;
    int region_ = 0;
};

}  // namespace talp
