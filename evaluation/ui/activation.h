#pragma once
// The evaluations calculate when the planner comes to their window: when it is shown, or
// when it becomes the active window again after work in another topic window. Coming back
// from a dialog the window itself opened (the wait window, a message) is no such moment:
// otherwise every calculation would start the next. ActivationWatch reports the moment
// once, after the event that caused it has been handled, so that a modal wait window can
// open from there.

#include <QObject>
#include <QPointer>

class QMdiSubWindow;
class QWidget;

namespace talp {

class ActivationWatch : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatch(QWidget* window);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QMdiSubWindow* frame);
    void activatedAgain();
    void report();

    QWidget* window_;
    QPointer<QMdiSubWindow> frame_;
    bool pending_ = false;
    bool workedElsewhere_ = false;  // the focus was in another topic window since
};

// Closes a topic window: its child-window frame when it has one, else the window itself.
void closeTopicWindow(QWidget* window);

}  // namespace talp
