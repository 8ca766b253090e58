#pragma once
// The base of the eight topic windows (pipes, soil, climate, HVAC, costs, annual and daily
// evaluation, optimisation). A topic window is shown as a child window of the main window;
// it carries the row of navigation buttons to the other topics, answers F1 with the help
// topic of the focused control (or of the window), and has two hooks the shell calls:
// refreshFromModel() after the project changed underneath it (a load, another window's
// edit) and applyLanguage() after the language start-up.
//
// A new window derives from TopicWindow, names its controls with their component names
// (objectName "rohranzahl", ...), places navigationBar() where its layout wants it, and is
// registered with one line in shell/ui/topic_windows.cpp.

#include <QWidget>
#include <array>

#include "shell/topics.h"
#include "shell/ui/shell_context.h"

class QPushButton;

namespace talp {

class NavigationBar : public QWidget {
    Q_OBJECT
public:
    NavigationBar(Topic owner, ShellContext& context, QWidget* parent);

    // Captions in the run's language; buttons of topics without a window are disabled.
    void applyLanguage(const ShellContext& context);
    QPushButton* button(Topic target) const { return buttons_[static_cast<std::size_t>(target)]; }

private:
    std::array<QPushButton*, kTopicCount> buttons_{};  // none for the owner itself
};

class TopicWindow : public QWidget {
    Q_OBJECT
public:
    TopicWindow(Topic topic, ShellContext& context, QWidget* parent = nullptr);

    Topic topicId() const { return topic_; }
    const TopicSpec& topicSpec() const { return topic(topic_); }
    NavigationBar* navigationBar() const { return navigation_; }

    // Show the project's current values without firing any change handler.
    virtual void refreshFromModel() = 0;
    // Captions, items and hints in the run's language; overrides call the base first.
    virtual void applyLanguage();
    // The help topic for F1: the focused control's, else the window's.
    virtual int helpContext() const;

protected:
    ShellContext& context() const { return context_; }
    Project& project() const { return context_.project(); }
    Language language() const { return context_.language(); }
    // Report a user's edit of one of this window's inputs (after the engine's rule ran).
    void edited(InputWindow window) { context_.projectEdited(window, this); }

private:
    Topic topic_;
    ShellContext& context_;
    NavigationBar* navigation_;
};

}  // namespace talp
