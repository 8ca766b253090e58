#pragma once
// A session and shell context for driving one input window in a test, with the change
// flags cleared so that a test sees exactly which flags a handler sets.

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/session.h"
#include "shell/ui/param_spin_box.h"
#include "shell/ui/shell_context.h"

struct WindowFixture {
    explicit WindowFixture(talp::Language language = talp::Language::German)
        : session(talp::Installation{{}, scratch.path().toStdString()}), context(session)
    {
        session.languageState.language = language;
        clearFlags();
    }

    talp::Project& project() { return session.project; }
    void clearFlags()
    {
        session.project.modified = session.project.RecalcNeeded = session.project.OptRecalcNeeded = false;
    }

    // What the program writes (settings, presets, optimisation files) goes here, never into
    // the installation beside the test programs.
    QTemporaryDir scratch;
    talp::Session session;
    talp::ShellContext context;
};

// Types a value into a spin box as a planner does: select all, type, Enter.
inline void typeInto(talp::ParamSpinBox* box, const QString& text)
{
    box->setFocus();
    box->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}
