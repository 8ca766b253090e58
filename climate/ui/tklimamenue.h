#pragma once
// `klimamenue`: where the outdoor temperature of every hour comes from. The planner picks
// one of four models: a German climate region (from the list, a postal code or a click on
// the region map), a European climate station (from the list or a click on the Europe
// map), the annual sine curve of the five sine parameters (with its chart), or a climate
// file through the coupling dialog. Every model keeps the sine parameters, which the soil
// below the pipes follows.

#include <QPoint>
#include <functional>
#include <optional>

#include "climate/climate_model.h"
#include "climate/region_colours.h"
#include "core/ui/param_inputs.h"
#include "shell/ui/topic_window.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace talp {

class MapImage;
class XyChart;

class Tklimamenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Tklimamenue(ShellContext& context, QWidget* parent = nullptr);

    void refreshFromModel() override;
    void applyLanguage() override;

    // An incomplete installation (a region map or region data file missing) ends the
    // program once its message was shown; a test watches it instead.
    void setProgramEnd(std::function<void()> end) { endProgram_ = std::move(end); }

    // The model actions of the radio buttons (also run by a project load).
    void klima_regionClick();
    void KlimastationClick();
    void klima_sinClick();
    void klima_simClick();
    // The region map, the Europe map and the postal-code button.
    void karteMouseDown(QPoint pixel);
    void EuroMapMouseMove(QPoint pixel);
    void EuroMapMouseDown(QPoint pixel);
    void plzClick();

    QRadioButton* klima_region = nullptr;
    QRadioButton* Klimastation = nullptr;
    QRadioButton* klima_sin = nullptr;
    QRadioButton* klima_sim = nullptr;
    QPushButton* SimButton = nullptr;
    QLabel* LabelKlimadatei = nullptr;
    QComboBox* monat_sinusspitze = nullptr;
    QComboBox* klimaregion = nullptr;
    QPushButton* plz = nullptr;
    QComboBox* AuswKlimastation = nullptr;
    MapImage* karte = nullptr;
    XyChart* SinGraph = nullptr;
    QScrollBar* tag_sinusspitze2 = nullptr;
    QLabel* LabelTag = nullptr;
    QFrame* EuroPanel = nullptr;
    MapImage* EuroMap = nullptr;
    QLabel* zeiger = nullptr;
    QLabel* EuroLabelStations = nullptr;

    ParamSpinBox* input(Param id) const { return inputs_.box(id); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    ClimateContext& climate() const { return context().session().climate; }
    const Installation& installation() const { return context().session().installation; }

    // temp_mod and the selection actions' visibility: every control as the model shows it.
    void showModel();
    void showSineChart();
    void showPointer();
    void fillStationItems();
    void fillMonthItems();

    void sineInputEdited(Param id, long double value);
    void peakMonthChosen(int monthIndex);
    void peakMonthTyped();
    void peakDayBarMoved(int peakDay);
    void regionChosen(int index);
    void stationChosen(int index);
    // The region application of the region klimaregion shows: its map, the existence of
    // its data file, then the engine's region application. False when the installation
    // was found incomplete (the program is ending).
    bool applyChosenRegion();
    bool showRegionMap(int region);
    void reimportAfterLoad();

    void showMessage(const Message& message);
    void endForIncompleteInstallation(const Message& message);

    ParamInputs inputs_;
    std::optional<SwatchColours> swatches_;  // the hidden swatch image Graustufen
    int shownMapRegion_ = 0;
    bool reimport_ = false;
    bool confirmedByTimer_ = false;
    std::function<void()> endProgram_;

    QGroupBox* modelGroup_ = nullptr;
    QLabel* germanyLabel_ = nullptr;
    QLabel* europeLabel_ = nullptr;
    QGroupBox* sineGroup_ = nullptr;
    QLabel* monthCaption_ = nullptr;
    QGroupBox* regionGroup_ = nullptr;
    QGroupBox* plzGroup_ = nullptr;
    QGroupBox* stationGroup_ = nullptr;
    QWidget* sineChartBox_ = nullptr;
};

}  // namespace talp
