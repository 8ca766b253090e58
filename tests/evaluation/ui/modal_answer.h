#pragma once
// Answers the message boxes an evaluation window opens while a test drives it: each box's
// text is recorded and the box closed with the chosen button (OK when the box has no such
// button).

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            texts << box->text();
            QAbstractButton* button = box->button(answer_);
            (button ? button : box->button(QMessageBox::Ok))->click();
        });
        timer_.start(20);
    }

    QStringList texts;

private:
    QMessageBox::StandardButton answer_;
    QTimer timer_;
};
