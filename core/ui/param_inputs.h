#pragma once
// The numeric inputs of one window, created from the parameter table: a spin box per
// parameter with its caption label. The window lays them out; captions follow the language
// and the boxes follow the model without firing their change handlers.

#include <QObject>
#include <functional>
#include <map>

#include "core/project.h"
#include "shell/ui/param_spin_box.h"

class QLabel;
class QWidget;

namespace talp {

class ParamInputs {
public:
    using Handler = std::function<void(Param, long double)>;

    // `handler` runs for every value the user types or steps into one of the boxes.
    explicit ParamInputs(Handler handler) : handler_(std::move(handler)) {}

    ParamSpinBox* add(Param id, QWidget* parent);
    ParamSpinBox* box(Param id) const { return boxes_.at(id); }
    QLabel* caption(Param id) const { return captions_.at(id); }

    void applyLanguage(Language language);
    // Every box shows the project's value.
    void showValues(const Project& project);
    void showValue(const Project& project, Param id) { box(id)->showValue(project.get(id)); }

private:
    Handler handler_;
    std::map<Param, ParamSpinBox*> boxes_;
    std::map<Param, QLabel*> captions_;
};

}  // namespace talp
