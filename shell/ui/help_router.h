#pragma once
// Every help request of the program goes through here: a topic by its context number, in
// the help file of the run's language.

#include <QString>

namespace talp {

class HelpRouter {
public:
    // The help file chosen by the language start-up.
    void attach(const QString& helpFile) { helpFile_ = helpFile; }
    const QString& helpFile() const { return helpFile_; }

    void show(int context);
    int lastContext() const { return lastContext_; }

private:
    QString helpFile_;
    int lastContext_ = 0;
};

}  // namespace talp
