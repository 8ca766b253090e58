#pragma once
// Every help request of the program goes through here: a topic by its context number, in
// the help file of the run's language, shown in the program's help window.

#include <QString>
#include <memory>

#include "core/texts.h"

namespace talp {

class HelpWindow;

class HelpRouter {
public:
    HelpRouter();
    ~HelpRouter();

    // The help file chosen by the language start-up, in that language.
    void attach(const QString& helpFile, Language language = Language::German);
    const QString& helpFile() const { return helpFile_; }

    // Until a help file is attached a request shows nothing; a missing file is reported
    // with the path that was looked for.
    void show(int context);
    int lastContext() const { return lastContext_; }
    HelpWindow* window() const { return window_.get(); }

private:
    QString helpFile_;
    Language language_ = Language::German;
    int lastContext_ = 0;
    std::unique_ptr<HelpWindow> window_;
};

}  // namespace talp
