#pragma once
// `sprachwahl`: the choice between German and English, stored in the settings file talp.ini. The first
// choice of a run takes effect at once; a later one at the next start.

#include <QDialog>

#include "shell/session.h"

class QPushButton;

namespace talp {

class LanguageWindow : public QDialog {
    Q_OBJECT
public:
    explicit LanguageWindow(Session& session, QWidget* parent = nullptr);

    QPushButton* btn_DE;
    QPushButton* btn_EN;

private:
    void choose(Language language);

    Session& session_;
};

}  // namespace talp
