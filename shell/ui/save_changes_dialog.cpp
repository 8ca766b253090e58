#include "shell/ui/save_changes_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/shell_texts.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

SaveChangesDialog::SaveChangesDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aenderungen"));
    setModal(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    icon->setFixedSize(36, 36);
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setMinimumWidth(300);
    auto* message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->setSpacing(12);
    message->addWidget(text_, 1);

    const auto button = [this](const char* name, SaveChangesAnswer answer) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            accept();
        });
        return b;
    };
    aenderungen_ja = button("aenderungen_ja", SaveChangesAnswer::Yes);
    aenderungen_nein = button("aenderungen_nein", SaveChangesAnswer::No);
    CancelBtn = button("CancelBtn", SaveChangesAnswer::Cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(aenderungen_ja);
    buttons->addWidget(aenderungen_nein);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->addLayout(message);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    applyLanguage(Language::German);
}

void SaveChangesDialog::applyLanguage(Language language)
{
    setWindowTitle(qt(kSaveChangesCaption, language));
    text_->setText(qt(kSaveChangesText, language));
    aenderungen_ja->setText(qt(kYes, language));
    aenderungen_nein->setText(qt(kNo, language));
    CancelBtn->setText(qt(kCancel, language));
}

SaveChangesAnswer SaveChangesDialog::ask()
{
    answer_ = SaveChangesAnswer::Cancel;  // closing the window counts as Cancel
    aenderungen_ja->setDefault(true);
    aenderungen_ja->setFocus();
    dialogs().exec(*this);
    // The next question starts on "Ja" again.
    aenderungen_ja->setFocus();
    return answer_;
}

}  // namespace talp
