#pragma once
// Finds the window of another topic that works with the same session, so that one
// evaluation can hand a choice to another (the annual chart's picked hour to the daily
// window) by calling its public operations.

#include <QApplication>
#include <QWidget>

#include "shell/ui/shell_context.h"

namespace talp {

template <class Window>
Window* findTopicWindow(const ShellContext& context)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(top); window && window->sharesContext(context)) return window;
        for (Window* window : top->findChildren<Window*>())
            if (window->sharesContext(context)) return window;
    }
    return nullptr;
}

}  // namespace talp
