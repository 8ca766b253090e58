#include "shell/ui/shell_context.h"

#include "shell/ui/param_spin_box.h"
#include "shell/ui/wait_window.h"

namespace talp {

void ShellContext::projectEdited(InputWindow window, QObject* source)
{
    session_.project.markChanged(window);
    emit projectChanged(source);
}

void ShellContext::requestTopic(Topic topic)
{
    // The navigation buttons do not take the focus: the number being typed is taken here.
    commitPendingEdit();
    emit topicRequested(topic);
}

bool ShellContext::calculate(int day, const QString& text, QWidget* caller)
{
    commitPendingEdit();
    FormWarten wait(session_, caller);
    return wait.calculate(day, text);
}

}  // namespace talp
