#pragma once
// The pipe window: number, length, diameter, depth, spacing and building distance of the
// pipes and the fan position, with the schematic whose labels repeat the values, the step
// buttons, the length scroll bar and the two "..." buttons of the segment tables.

#include <QLabel>
#include <array>

#include "core/pipe_labels.h"
#include "core/segment_editor.h"
#include "core/ui/param_inputs.h"
#include "shell/ui/topic_window.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace talp {

class PipeSchematic;
class UpDownButtons;

class Tewtmenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Tewtmenue(ShellContext& context, QWidget* parent = nullptr);

    void refreshFromModel() override;
    void applyLanguage() override;

    ParamSpinBox* input(Param id) const { return inputs_.box(id); }
    QLabel* label(PipeLabel which) const { return labels_[static_cast<std::size_t>(which)].text; }
    UpDownButtons* stepButtons(PipeLabel which) const { return labels_[static_cast<std::size_t>(which)].steps; }
    QScrollBar* rohrlnge2 = nullptr;
    QPushButton* Button1 = nullptr;  // "..." beside AbsGebaeude
    QPushButton* Button2 = nullptr;  // "..." beside verlegungstiefe
    QRadioButton* VentilatorVor = nullptr;
    QRadioButton* VentilatorNach = nullptr;
    // The air velocity in the pipes at the ventilation's air flow.
    QLabel* LabelLuftgeschwindigkeit = nullptr;

private:
    struct PictureLabel {
        QWidget* frame = nullptr;  // the label with its step buttons, placed on the picture
        QLabel* text = nullptr;
        UpDownButtons* steps = nullptr;
    };

    void inputEdited(Param id, long double value);
    void stepInput(Param id, int direction);
    void lengthBarMoved(int position);
    void fanChosen();
    void openSegmentTable(SegmentMode mode);

    // The rules that follow a change of one input: labels, the spacing for one pipe, the
    // length bar.
    void inputChanged(Param id);
    void showSpacingApplies();
    void showTablesInUse();
    void showLabel(PipeLabel which);
    void showAirVelocity();
    // Moves the length bar to the length; a length between two positions then takes the
    // bar's value.
    void followLengthWithBar(bool writeBack);

    ParamInputs inputs_;
    std::array<PictureLabel, 6> labels_{};
    PipeSchematic* picture_ = nullptr;
    QGroupBox* rohrsystem_ = nullptr;
    QGroupBox* ventilator_ = nullptr;
    QLabel* instruction_ = nullptr;
};

}  // namespace talp
