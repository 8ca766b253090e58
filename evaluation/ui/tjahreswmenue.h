#pragma once
// The annual evaluation: the figures of a full-year run and of its economics, the hourly
// chart of the year (temperatures before and after the exchanger, or the heat exchanged),
// zoom by dragging, the daily evaluation of a picked hour, and the export of the annual
// and the segment file.

#include <QTimer>
#include <functional>
#include <vector>

#include "shell/ui/topic_window.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace talp {

class XyChart;
struct ChartMouseEvent;

class Tjahreswmenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Tjahreswmenue(ShellContext& context, QWidget* parent = nullptr);

    // The figures belong to the last run; a changed project is calculated anew when the
    // window is next activated.
    void refreshFromModel() override {}
    void applyLanguage() override;

    // Calculates the year when the results are out of date, then shows figures and chart.
    void FormActivate();
    // "Speichern": asks for the file name and writes the annual and the segment file.
    void DateiAusClick();

    bool resultsValid() const { return resultsValid_; }
    bool closing() const { return closing_; }
    QLabel* label(const char* name) const;
    QLabel* LabelKondensat = nullptr;

    XyChart* xyGraph1 = nullptr;
    QRadioButton* temperatur = nullptr;
    QRadioButton* jahreswrmeaustausch = nullptr;
    QPushButton* DateiAus = nullptr;
    QLabel* LabelLebensdauer = nullptr;
    QTimer CloseTimer;

private:
    enum class ChartMode { Temperatures, HeatExchange };

    bool periodWarningAccepted();
    void calculate();
    void showFigures();
    void drawChart(bool whole);
    void chartModeChosen(ChartMode mode);
    void leave();

    void mousePressed(const ChartMouseEvent& e);
    void mouseMoved(const ChartMouseEvent& e);
    void mouseReleased(const ChartMouseEvent& e);
    void openDayOf(double x);

    std::vector<QLabel*> labels_;
    QGroupBox* figures_ = nullptr;
    QGroupBox* costs_ = nullptr;
    QGroupBox* diagram_ = nullptr;
    QGroupBox* output_ = nullptr;
    ChartMode mode_ = ChartMode::Temperatures;
    bool resultsValid_ = false;
    bool zoomInProgress_ = false;
    double zoomStart_ = 0;
    bool closing_ = false;
    bool activating_ = false;
};

}  // namespace talp
