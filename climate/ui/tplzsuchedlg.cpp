#include "climate/ui/tplzsuchedlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "climate/postal_code.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {
constexpr Text kCaption{"Auswahl nach PLZ", "Selection by postal code"};
constexpr Text kPrompt{"Geben Sie bitte die Postleitzahl (5 stellig) ein ...",
                       "Please enter the postal code (5 digits) ..."};
constexpr Text kOk{"OK", "OK"};
constexpr Text kCancel{"Abbrechen", "Cancel"};
constexpr Text kHelp{"Hilfe", "Help"};
constexpr int kHelpContext = 911;
constexpr int kCodeLength = 5;
}  // namespace

TPLZSucheDlg::TPLZSucheDlg(ShellContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("PLZSucheDlg"));
    setModal(true);
    const Language l = context.language();
    setWindowTitle(qt(kCaption, l));

    Label1 = new QLabel(qt(kPrompt, l), this);
    plzeingabe = new QLineEdit(qt(kDefaultPostalCode), this);
    plzeingabe->setObjectName(QStringLiteral("plzeingabe"));
    plzeingabe->setMaxLength(kCodeLength);
    plzeingabe->setFixedWidth(plzeingabe->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    plzeingabe->selectAll();
    Label1->setBuddy(plzeingabe);

    OKBtn = new QPushButton(qt(kOk, l), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(qt(kCancel, l), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    BitBtn1 = new QPushButton(qt(kHelp, l), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(BitBtn1);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Label1);
    outer->addWidget(plzeingabe);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &TPLZSucheDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { context_.showHelp(kHelpContext); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { context_.showHelp(kHelpContext); });
}

void TPLZSucheDlg::OKBtnClick()
{
    const std::optional<int> found = regionOfPostalCode(
        utf8(plzeingabe->text()), context_.session().installation.readable(kPostalCodeFile));
    if (found) {
        region_ = *found;
        accept();
        return;
    }
    const Language l = context_.language();
    dialogs().message(this, QMessageBox::Warning, qt(kPostalCodeErrorTitle, l), qt(kInvalidPostalCode, l),
                      QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    plzeingabe->setFocus();
    plzeingabe->selectAll();
}

}  // namespace talp
