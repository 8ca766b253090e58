#pragma once
// `infomenue`: the program's information window. Opening it runs the language start-up;
// at program start it closes by itself after a moment, from the menu it waits for OK.

#include <QDialog>
#include <QTimer>
#include <functional>

#include "core/texts.h"

class QLabel;
class QPushButton;

namespace talp {

class InfoWindow : public QDialog {
    Q_OBJECT
public:
    // `languageStartUp` runs each time the window opens and returns the run's language.
    InfoWindow(std::function<Language()> languageStartUp, QWidget* parent = nullptr);

    // Shows the window modally; with `closeByItself` it goes after a few seconds.
    void open(bool closeByItself);

private:
    void applyLanguage(Language language);

    std::function<Language()> languageStartUp_;
    QLabel* subtitle_;
    QLabel* description_;
    QLabel* version_;
    QPushButton* ok_;
    QTimer closeTimer_;
};

}  // namespace talp
