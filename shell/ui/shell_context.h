#pragma once
// What every window of the desktop program works with: the shared session (project,
// language, results), the calculation through the wait window, help, and the requests that
// the main window answers (bring a topic window up). Windows only edit the project through
// the engine's rule functions and then report the edit here.

#include <QObject>
#include <QString>
#include <array>

#include "core/parameters.h"
#include "shell/session.h"
#include "shell/topics.h"
#include "shell/ui/help_router.h"

namespace talp {

class ShellContext : public QObject {
    Q_OBJECT
public:
    explicit ShellContext(Session& session, QObject* parent = nullptr) : QObject(parent), session_(session) {}

    Session& session() { return session_; }
    Project& project() { return session_.project; }
    Language language() const { return session_.language(); }
    HelpRouter& help() { return help_; }

    // An input of `window` was changed by the user: the project is modified and its
    // results out of date; the other windows refresh what depends on it.
    void projectEdited(InputWindow window, QObject* source);

    // A full year (day kFullYear) or one day through the modal wait window, with `text`
    // as its running text. Returns false when the run failed (its messages were shown) or
    // was cancelled; the results are in session().results.
    bool calculate(int day, const QString& text, QWidget* caller);

    // The navigation buttons and the climate window's re-import ask for a topic window.
    void requestTopic(Topic topic);
    // Whether the main window has a window for the topic (set as it creates them).
    bool topicAvailable(Topic topic) const { return available_[static_cast<std::size_t>(topic)]; }
    void setTopicAvailable(Topic topic, bool available) { available_[static_cast<std::size_t>(topic)] = available; }
    void showHelp(int context) { help_.show(context); }

signals:
    void topicRequested(Topic topic);
    // A project was loaded or replaced: every window shows it anew.
    void projectReplaced();
    // An input changed on `source`; windows showing derived values update them.
    void projectChanged(QObject* source);
    // The language start-up applied the language: windows set their captions.
    void languageApplied();

private:
    Session& session_;
    HelpRouter help_;
    std::array<bool, kTopicCount> available_{};
};

}  // namespace talp
