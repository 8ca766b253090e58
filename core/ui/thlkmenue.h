#pragma once
// The HVAC window: building volume, air change and air flow kept consistent, the fan's
// pressure drop and power as the planner types, the building mode (typed values or a
// ventilation file) and the control of the exchanger by temperature range or by period.

#include <QStackedWidget>
#include <array>
#include <optional>

#include "core/ui/param_inputs.h"
#include "shell/ui/topic_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace talp {

class VentilationFileDialog;

class Thlkmenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Thlkmenue(ShellContext& context, QWidget* parent = nullptr);

    void refreshFromModel() override;
    void applyLanguage() override;

    // The ventilation-file dialog "Datei" and the file button open; without one the
    // window explains that no file can be read and stays quasi-stationary.
    void setVentilationFileDialog(VentilationFileDialog* dialog) { fileDialog_ = dialog; }

    ParamSpinBox* input(Param id) const { return inputs_.box(id); }
    // Whether an input is shown (not replaced by "aus Datei").
    bool inputShown(Param id) const;

    QRadioButton* hlk_quasistat = nullptr;
    QRadioButton* hlk_sim = nullptr;
    QPushButton* SimButton = nullptr;
    QLabel* LabelHLKDatei = nullptr;
    QRadioButton* EWT_Reg_offset = nullptr;
    QRadioButton* EWT_Reg_Zeitraum = nullptr;
    QPushButton* zeitraumdetails = nullptr;
    QLineEdit* ventilatorleistung = nullptr;
    QLineEdit* ventilatorleistungW = nullptr;
    QLineEdit* druckabfallPam = nullptr;
    QLineEdit* druckabfallPa_Ges = nullptr;
    QLabel* footnote = nullptr;

protected:
    // Coming up, the window shows the fan values of the current pipes and gives the focus
    // to the checked building mode.
    void showEvent(QShowEvent* event) override;

private:
    // A control that a ventilation file can replace: the control, or "aus Datei" in its
    // place.
    struct Slot {
        QStackedWidget* stack = nullptr;
        QLabel* fromFile = nullptr;
        void show(bool shown) const { stack->setCurrentIndex(shown ? 0 : 1); }
    };
    Slot addSlot(QWidget* control, QWidget* parent);

    void inputEdited(Param id, long double value);
    void quasistatChosen();
    void fileChosen();
    void controlChosen(bool byRange);
    void openCalendar();

    // rechenmod: the mode and its visibility on the window.
    void showMode();
    void showControl();
    void showFanDisplay();  // VentLstgUpdate

    ParamInputs inputs_;
    VentilationFileDialog* fileDialog_ = nullptr;
    std::map<Param, Slot> inputSlots_;
    std::array<Slot, 4> displaySlots_{};
    Slot controlSlot_;
    QGroupBox* gebaeude_ = nullptr;
    QGroupBox* stroemung_ = nullptr;
    QGroupBox* regelung_ = nullptr;
    std::array<QLabel*, 4> displayCaptions_{};

    // Typing a number passes through its first digits ("2000" through 2, 20 and 200), and
    // each runs the rules; the flow rounded to 0.1 m³/h at 2 m³ would shift the air change
    // for good. Each keystroke therefore starts from the air values as they were when the
    // field's editing began.
    struct AirValues {
        Param field;
        long double volume, airChange, flow;
    };
    std::optional<AirValues> typingBase_;
};

}  // namespace talp
