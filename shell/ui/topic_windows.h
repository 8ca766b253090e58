#pragma once
// Which class shows which topic. The main window creates every registered topic window at
// start-up; a topic without a window has its menu items and navigation buttons disabled.

#include "shell/topics.h"

namespace talp {

class ShellContext;
class TopicWindow;

// A new window of the topic's class, or nullptr when none is registered.
TopicWindow* createTopicWindow(Topic topic, ShellContext& context);
using TopicWindowFactory = TopicWindow* (*)(Topic, ShellContext&);

}  // namespace talp
