#pragma once
// The program's help viewer: the help file of the run's language in a text browser, opened
// at the topic of a context number. The window stays open beside the program's windows;
// every further request turns it to its topic.

#include <QWidget>

#include "core/texts.h"

class QTextBrowser;
class QToolButton;

namespace talp {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Language language, QWidget* parent = nullptr);

    // Opens `file` (when not open already) at the topic `context` and brings the window up.
    void showTopic(const QString& file, int context);
    int currentTopic() const;
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QString file_;
};

}  // namespace talp
