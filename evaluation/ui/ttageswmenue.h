#pragma once
// The daily evaluation: one chosen day simulated on its own, and for one chosen hour the
// profile along the pipe (air, pipe wall and soil temperature, or the heat flux density
// of every segment), the hour's key figures and the export of the profile.

#include <QTimer>
#include <functional>
#include <vector>

#include "evaluation/day_choice.h"
#include "shell/ui/topic_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace talp {

class XyChart;

class Ttageswmenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Ttageswmenue(ShellContext& context, QWidget* parent = nullptr);

    // Every activation calculates the chosen day anew; nothing to follow in between.
    void refreshFromModel() override {}
    void applyLanguage() override;

    // Calculates the chosen day unless the window is being closed.
    void FormActivate();
    // "Starten".
    void berechnenClick();
    // "Speichern": asks for the file name and writes the profile of the chosen hour.
    void DateiAusClick();

    // The annual chart's picked hour: shown in the controls and calculated when the window
    // is activated next (or, if it stays where it is, right after the pick).
    void showHour(const DayChoice& choice);
    void calculatePending();

    const DayChoice& choice() const { return choice_; }
    bool resultsValid() const { return resultsValid_; }
    bool sharesContext(const ShellContext& other) const { return &context() == &other; }
    QLabel* label(const char* name) const;

    QComboBox* monat = nullptr;
    QSpinBox* tag = nullptr;
    QSpinBox* stunde = nullptr;
    QRadioButton* temperaturen = nullptr;
    QRadioButton* wrmefluss = nullptr;
    QPushButton* berechnen = nullptr;
    QPushButton* DateiAus = nullptr;
    XyChart* xyGraph1 = nullptr;
    QTimer CloseTimer;

private:
    enum class ChartMode { Temperatures, HeatFlux };

    void calculate();
    // After a calculation, or (with the short German prefixes) after a step within the day.
    void showResults(bool steppedWithinDay = false);
    void drawChart();
    void invalidate();
    void showChoice();
    void monatChange(int month);
    void tagChange(int day);
    void stundeChange(int hour);
    void chartModeChosen(ChartMode mode);
    void leave();

    std::vector<QLabel*> labels_;
    std::vector<QGroupBox*> groups_;
    DayChoice choice_;
    ChartMode mode_ = ChartMode::Temperatures;
    bool resultsValid_ = false;
    bool firstTime_ = true;
    bool pendingDay_ = false;
    bool calculating_ = false;
    bool closing_ = false;
};

}  // namespace talp
