#include "shell/ui/help_router.h"

#include <QApplication>
#include <QFileInfo>

#include "shell/help_file.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/help_window.h"
#include "shell/ui/qt_text.h"

namespace talp {

HelpRouter::HelpRouter() = default;
HelpRouter::~HelpRouter() = default;

void HelpRouter::attach(const QString& helpFile, Language language)
{
    helpFile_ = helpFile;
    // A window of the other language would keep its captions: the next request builds anew.
    if (language != language_) window_.reset();
    language_ = language;
}

void HelpRouter::show(int context)
{
    lastContext_ = context;
    if (helpFile_.isEmpty()) return;
    if (!QFileInfo::exists(helpFile_)) {
        showMessage(QApplication::activeWindow(), QMessageBox::Warning, QStringLiteral("TALP"),
                    qt(helpFileMissingMessage(helpFile_.toStdString())));
        return;
    }
    if (!window_) window_ = std::make_unique<HelpWindow>(language_);
    window_->showTopic(helpFile_, context);
}

}  // namespace talp
