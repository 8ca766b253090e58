#include "shell/ui/info_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/shell_texts.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

InfoWindow::InfoWindow(std::function<Language()> languageStartUp, QWidget* parent)
    : QDialog(parent), languageStartUp_(std::move(languageStartUp))
{
    setObjectName(QStringLiteral("infomenue"));
    setModal(true);
    auto* title = new QLabel(qt(kInfoTitle, Language::German), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    subtitle_ = new QLabel(this);
    subtitle_->setAlignment(Qt::AlignCenter);
    description_ = new QLabel(this);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignCenter);
    description_->setFixedWidth(340);
    version_ = new QLabel(this);
    version_->setAlignment(Qt::AlignCenter);
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("OKBtn"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(title);
    layout->addWidget(subtitle_);
    layout->addSpacing(8);
    layout->addWidget(description_);
    layout->addWidget(version_);
    layout->addSpacing(8);
    layout->addWidget(ok_, 0, Qt::AlignCenter);

    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(2500);
    connect(&closeTimer_, &QTimer::timeout, this, &QDialog::accept);
    applyLanguage(Language::German);
}

void InfoWindow::open(bool closeByItself)
{
    // On the screen first, so that the language window comes up over it; the time it
    // stays counts from the settled language.
    show();
    applyLanguage(languageStartUp_());
    if (closeByItself) closeTimer_.start();
    dialogs().exec(*this);
    closeTimer_.stop();
}

void InfoWindow::applyLanguage(Language language)
{
    setWindowTitle(qt(kInfoCaption, language));
    subtitle_->setText(qt(kInfoSubtitle, language));
    description_->setText(qt(kInfoDescription, language));
    version_->setText(qt(kInfoVersion, language) + QLatin1Char(' ') + QStringLiteral(TALP_VERSION));
    ok_->setText(qt(kOk, language));
}

}  // namespace talp
