#include "evaluation/ui/activation.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

#include "shell/ui/topic_window.h"

namespace talp {

ActivationWatch::ActivationWatch(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
    follow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || now == window_ || window_->isAncestorOf(now)) return;
        for (QWidget* w = now; w; w = w->parentWidget())
            if (qobject_cast<TopicWindow*>(w)) workedElsewhere_ = true;
    });
}

void ActivationWatch::activatedAgain()
{
    if (workedElsewhere_) report();
}

void ActivationWatch::follow(QMdiSubWindow* frame)
{
    if (frame_ == frame) return;
    if (frame_) disconnect(frame_, nullptr, this, nullptr);
    frame_ = frame;
    if (!frame) return;
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (!before.testFlag(Qt::WindowActive) && now.testFlag(Qt::WindowActive)) activatedAgain();
    });
    // Another child window made active counts as work elsewhere, however it was chosen.
    if (QMdiArea* area = frame->mdiArea()) {
        disconnect(area, &QMdiArea::subWindowActivated, this, nullptr);
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
            if (!active) return;
            if (active != frame_) workedElsewhere_ = true;
            else activatedAgain();
        });
    }
}

bool ActivationWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::ParentChange: follow(qobject_cast<QMdiSubWindow*>(window_->parentWidget())); break;
        case QEvent::Show: report(); break;
        case QEvent::WindowActivate:
            if (window_->isWindow()) activatedAgain();
            break;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ActivationWatch::report()
{
    // Showing and activating a child window come together; they make one activation.
    if (pending_) return;
    pending_ = true;
    workedElsewhere_ = false;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        if (window_->isVisible()) emit activated();
    });
}

void closeTopicWindow(QWidget* window)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) frame->close();
    else window->close();
}

}  // namespace talp
