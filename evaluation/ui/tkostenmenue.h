#pragma once
// The cost window: prices of pipes and excavation, fixed investment and maintenance,
// lifetime, energy prices, interest and inflation. It shows inputs only; the economics
// of a run are shown by the annual evaluation.

#include <array>

#include "core/ui/param_inputs.h"
#include "shell/ui/topic_window.h"

class QGroupBox;

namespace talp {

class Tkostenmenue : public TopicWindow {
    Q_OBJECT
public:
    explicit Tkostenmenue(ShellContext& context, QWidget* parent = nullptr);

    void refreshFromModel() override;
    void applyLanguage() override;

    ParamSpinBox* input(Param id) const { return inputs_.box(id); }

private:
    void inputEdited(Param id, long double value);

    ParamInputs inputs_;
    std::array<QGroupBox*, 3> groups_{};
};

}  // namespace talp
