#include "core/ui/param_inputs.h"

#include <QLabel>

#include "shell/ui/qt_text.h"

namespace talp {

ParamSpinBox* ParamInputs::add(Param id, QWidget* parent)
{
    auto* box = new ParamSpinBox(id, parent);
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Label_") + qt(paramSpec(id).name));
    label->setBuddy(box);
    QObject::connect(box, &ParamSpinBox::edited, box, [this, box] { handler_(box->param(), box->exactValue()); });
    boxes_[id] = box;
    captions_[id] = label;
    return box;
}

void ParamInputs::applyLanguage(Language language)
{
    for (const auto& [id, label] : captions_) label->setText(qt(paramSpec(id).caption, language));
}

void ParamInputs::showValues(const Project& project)
{
    for (const auto& [id, box] : boxes_) box->showValue(project.get(id));
}

}  // namespace talp
