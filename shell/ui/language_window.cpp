#include "shell/ui/language_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr QSize kFlagSize(48, 30);

QPixmap germanFlag()
{
    QPixmap flag(kFlagSize);
    QPainter p(&flag);
    const int stripe = kFlagSize.height() / 3;
    p.fillRect(0, 0, kFlagSize.width(), stripe, QColor(0, 0, 0));
    p.fillRect(0, stripe, kFlagSize.width(), stripe, QColor(221, 0, 0));
    p.fillRect(0, 2 * stripe, kFlagSize.width(), kFlagSize.height() - 2 * stripe, QColor(255, 206, 0));
    return flag;
}

QPixmap unionFlag()
{
    QPixmap flag(kFlagSize);
    const int w = kFlagSize.width(), h = kFlagSize.height();
    const QColor blue(1, 33, 105), red(200, 16, 46);
    QPainter p(&flag);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(flag.rect(), blue);
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(0, 0, w, h);
    p.drawLine(0, h, w, 0);
    p.setPen(QPen(red, 2));
    p.drawLine(0, 0, w, h);
    p.drawLine(0, h, w, 0);
    p.fillRect(w / 2 - 5, 0, 10, h, Qt::white);
    p.fillRect(0, h / 2 - 5, w, 10, Qt::white);
    p.fillRect(w / 2 - 3, 0, 6, h, red);
    p.fillRect(0, h / 2 - 3, w, 6, red);
    return flag;
}

}  // namespace

LanguageWindow::LanguageWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("sprachwahl"));
    setWindowTitle(qt(kLanguageWindowCaption));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    btn_DE = new QPushButton(QIcon(germanFlag()), QStringLiteral("Deutsch"), this);
    btn_DE->setObjectName(QStringLiteral("btn_DE"));
    btn_EN = new QPushButton(QIcon(unionFlag()), QStringLiteral("English"), this);
    btn_EN->setObjectName(QStringLiteral("btn_EN"));
    for (QPushButton* b : {btn_DE, btn_EN}) {
        b->setIconSize(kFlagSize);
        b->setMinimumWidth(140);
    }
    connect(btn_DE, &QPushButton::clicked, this, [this] { choose(Language::German); });
    connect(btn_EN, &QPushButton::clicked, this, [this] { choose(Language::English); });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(new QLabel(qt(kLanguagePromptGerman), this), 0, 0);
    grid->addWidget(new QLabel(qt(kLanguagePromptEnglish), this), 0, 1);
    grid->addWidget(btn_DE, 1, 0);
    grid->addWidget(btn_EN, 1, 1);
}

void LanguageWindow::choose(Language language)
{
    const bool restartNeeded =
        chooseLanguage(session_.languageState, language, session_.installation.writableSetting(kLanguageSettingsFile));
    if (restartNeeded) {
        QString text = qt(kRestartForLanguage);
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        showMessage(this, QMessageBox::Information, QStringLiteral("TALP"), text);
    }
    close();
}

}  // namespace talp
