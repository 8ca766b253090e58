#pragma once
// The soil window: soil type with its presets, density, heat capacity and conductivity
// each with a scroll bar and a label, and the groundwater depth.

#include <array>

#include "core/soil.h"
#include "core/ui/param_inputs.h"
#include "shell/ui/topic_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QScrollBar;

namespace talp {

class GroundwaterPicture;
class UpDownButtons;

class Terdemenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Terdemenue(ShellContext& context, QWidget* parent = nullptr);

    void refreshFromModel() override;
    void applyLanguage() override;

    ParamSpinBox* input(Param id) const { return inputs_.box(id); }
    QScrollBar* bar(SoilValue which) const { return bars_[static_cast<std::size_t>(which)]; }
    QLabel* valueLabel(SoilValue which) const { return labels_[static_cast<std::size_t>(which)]; }
    QComboBox* erdreich = nullptr;
    QLabel* LabelAbsGrund = nullptr;
    UpDownButtons* Grundwassertiefe2 = nullptr;

private:
    enum class Source { User, Preset };

    void inputEdited(Param id, long double value);
    void presetChosen(int index);
    void soilTypeTyped(const QString& text);
    void barMoved(SoilValue which, int position, Source source);
    void stepGroundwater(int direction);

    // A soil value changed: its bar follows and a value between two positions takes the
    // bar's value; the label is rewritten.
    void soilValueChanged(SoilValue which, Source source);
    void showLabels();
    void showSoilType();

    ParamInputs inputs_;
    std::array<QScrollBar*, 3> bars_{};
    std::array<QLabel*, 3> labels_{};
    QGroupBox* soilGroup_ = nullptr;
    QGroupBox* groundwaterGroup_ = nullptr;
    QLabel* soilTypeCaption_ = nullptr;
    GroundwaterPicture* picture_ = nullptr;
};

}  // namespace talp
