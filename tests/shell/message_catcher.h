#pragma once
// Answers the modal dialogs a window opens while a test drives it: every message box is
// recorded (title and text) and closed with its default button, and a dialog the test
// expects is handed to a callback.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>

class MessageCatcher : public QObject {
public:
    explicit MessageCatcher(std::function<bool(QWidget*)> onDialog = {}) : onDialog_(std::move(onDialog))
    {
        connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start(20);
    }

    QStringList titles;
    QStringList texts;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            titles << box->windowTitle();
            texts << box->text();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
            else if (QAbstractButton* yes = box->button(QMessageBox::Yes)) yes->click();
            else box->close();
            return;
        }
        if (onDialog_) onDialog_(modal);
    }

    std::function<bool(QWidget*)> onDialog_;
    QTimer timer_;
};
