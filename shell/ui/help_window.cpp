#include "shell/ui/help_window.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/help_contexts.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Hilfe", "TALP Help"};
constexpr Text kContents{"Inhalt", "Contents"};
constexpr Text kBack{"Zurück", "Back"};
constexpr Text kForward{"Vor", "Forward"};

QString anchorOf(int context) { return QString::number(context); }

QToolButton* toolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(Language language, QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    // Help stands beside the program: closing the main window ends the program even while
    // the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(qt(kCaption, language));
    resize(620, 560);

    QToolButton* contents = toolButton(this, "Inhalt", QStyle::SP_DirHomeIcon, qt(kContents, language));
    QToolButton* back = toolButton(this, "Zurueck", QStyle::SP_ArrowBack, qt(kBack, language));
    QToolButton* forward = toolButton(this, "Vor", QStyle::SP_ArrowForward, qt(kForward, language));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, [this] { showTopic(file_, kHelpContents); });
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);

    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_);
}

void HelpWindow::showTopic(const QString& file, int context)
{
    QUrl topic = QUrl::fromLocalFile(file);
    topic.setFragment(anchorOf(context));
    if (file != file_) {
        file_ = file;
        browser_->clearHistory();
    }
    browser_->setSource(topic);
    // The browser scrolls only when the anchor changes; a repeated request shows the topic
    // from its start again.
    browser_->scrollToAnchor(anchorOf(context));
    show();
    raise();
    activateWindow();
}

int HelpWindow::currentTopic() const
{
    bool ok = false;
    const int topic = browser_->source().fragment().toInt(&ok);
    return ok ? topic : 0;
}

}  // namespace talp
