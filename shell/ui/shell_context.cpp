#include "shell/ui/shell_context.h"

#include "shell/ui/wait_window.h"

namespace talp {

void ShellContext::projectEdited(InputWindow window, QObject* source)
{
    session_.project.markChanged(window);
    emit projectChanged(source);
}

bool ShellContext::calculate(int day, const QString& text, QWidget* caller)
{
    FormWarten wait(session_, caller);
    return wait.calculate(day, text);
}

}  // namespace talp
