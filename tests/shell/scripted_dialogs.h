#pragma once
// Answers the program's modal dialogs in a window test, at once and in place of a user. The
// windows ask the dialog service; while a ScriptedDialogs lives it is that service: it
// records every question and gives the answer the test scripted, so that no test waits on
// a dialog or answers one by a timer. A dialog of the program's own that the test did not
// script fails the test.

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QtTest>
#include <functional>
#include <optional>
#include <vector>

#include "shell/ui/dialogs.h"
#include "shell/ui/info_window.h"

class ScriptedDialogs : public talp::DialogService {
public:
    ScriptedDialogs() : previous_(talp::replaceDialogService(this))
    {
        // The information window of the start-up closes by itself: it asks nothing.
        on<talp::InfoWindow>([](talp::InfoWindow&) { return QDialog::Accepted; });
    }
    ~ScriptedDialogs() override { talp::replaceDialogService(previous_); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Message boxes, in the order shown.
    struct Box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    std::vector<Box> boxes;
    // The answers to the next boxes, in order. Without one a box is answered with OK, else
    // Yes, else its default button.
    QList<QMessageBox::StandardButton> answers;

    // File dialogs: each takes the next entry of `files` (an empty entry cancels it); without
    // one it is cancelled.
    struct FileDialog {
        QString name;
        QString title;
        QStringList filters;
        bool save;
    };
    std::vector<FileDialog> fileDialogs;
    QStringList files;

    // The program's own dialogs: the handler registered for the dialog's class answers it. It
    // may show the dialog, fill it in and click its buttons, and returns the result code.
    template <class Dialog>
    void on(std::function<int(Dialog&)> handler)
    {
        handlers_.insert(handlers_.begin(), [handler](QDialog& d) -> std::optional<int> {
            auto* dialog = dynamic_cast<Dialog*>(&d);
            if (!dialog) return std::nullopt;
            return handler(*dialog);
        });
    }
    // The class names of the dialogs shown, in order (the information window among them).
    QStringList dialogsShown;

    QStringList texts() const
    {
        QStringList all;
        for (const Box& b : boxes) all << b.text;
        return all;
    }
    QStringList titles() const
    {
        QStringList all;
        for (const Box& b : boxes) all << b.title;
        return all;
    }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon icon, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        boxes.push_back({icon, title, text, buttons});
        if (!answers.isEmpty()) return answers.takeFirst();
        if (buttons & QMessageBox::Ok) return QMessageBox::Ok;
        if (buttons & QMessageBox::Yes) return QMessageBox::Yes;
        return defaultButton;
    }

    std::optional<QString> chooseFile(QFileDialog& dialog) override
    {
        fileDialogs.push_back(
            {dialog.objectName(), dialog.windowTitle(), dialog.nameFilters(), dialog.acceptMode() == QFileDialog::AcceptSave});
        if (files.isEmpty()) return std::nullopt;
        const QString chosen = files.takeFirst();
        if (chosen.isEmpty()) return std::nullopt;
        return chosen;
    }

    int exec(QDialog& dialog) override
    {
        dialogsShown << QString::fromLatin1(dialog.metaObject()->className());
        for (const auto& handler : handlers_) {
            if (const std::optional<int> result = handler(dialog)) {
                // The dialog ends as exec() would have ended it.
                dialog.setResult(*result);
                if (dialog.isVisible()) dialog.hide();
                return *result;
            }
        }
        QTest::qFail(qPrintable(QStringLiteral("no answer scripted for the dialog %1 (%2)")
                                    .arg(QString::fromLatin1(dialog.metaObject()->className()), dialog.objectName())),
                     __FILE__, __LINE__);
        return QDialog::Rejected;
    }

private:
    talp::DialogService* previous_;
    std::vector<std::function<std::optional<int>(QDialog&)>> handlers_;
};
