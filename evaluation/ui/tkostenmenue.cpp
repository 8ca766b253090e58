#include "evaluation/ui/tkostenmenue.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "evaluation/maintenance.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Kosten", "TALP Costs"};

struct GroupSpec {
    const char* name;
    Text title;
    std::vector<Param> inputs;
};

const std::array<GroupSpec, 3>& groupTable()
{
    static const std::array<GroupSpec, 3> groups{{
        {"GroupBoxEWT", {"EWT", "EHX"},
         {Param::rohrpreis, Param::grabungspreis, Param::fest_inv, Param::wartungskosten_pz, Param::wartungskosten_dm,
          Param::lebensdauer}},
        {"GroupBoxEnergie", {"Energie", "Energy"}, {Param::heizpreis, Param::khlpreis, Param::strompreis}},
        {"GroupBoxOekonomie", {"Ökonomische Eckwerte", "Economic conditions"},
         {Param::zinssatz, Param::inflation, Param::einflation}},
    }};
    return groups;
}

}  // namespace

Tkostenmenue::Tkostenmenue(ShellContext& context, QWidget* parent)
    : TopicWindow(Topic::Kosten, context, parent), inputs_([this](Param id, long double v) { inputEdited(id, v); })
{
    auto* right = new QVBoxLayout;
    auto* columns = new QHBoxLayout;
    for (std::size_t g = 0; g < groupTable().size(); ++g) {
        const GroupSpec& entry = groupTable()[g];
        auto* group = new QGroupBox(this);
        group->setObjectName(QLatin1String(entry.name));
        auto* grid = new QGridLayout(group);
        int line = 0;
        for (Param id : entry.inputs) {
            ParamSpinBox* box = inputs_.add(id, group);
            box->setMinimumWidth(100);
            grid->addWidget(inputs_.caption(id), line, 0);
            grid->addWidget(box, line++, 1);
        }
        grid->setRowStretch(line, 1);
        groups_[g] = group;
        if (g == 0) columns->addWidget(group, 1);
        else right->addWidget(group);
    }
    right->addStretch(1);
    columns->addLayout(right, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addLayout(columns);
    outer->addStretch(1);
    outer->addWidget(navigationBar());
    setFixedSize(640, 386);

    applyLanguage();
    refreshFromModel();
}

void Tkostenmenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    for (std::size_t g = 0; g < groupTable().size(); ++g) groups_[g]->setTitle(qt(groupTable()[g].title, l));
    inputs_.applyLanguage(l);
}

void Tkostenmenue::refreshFromModel() { inputs_.showValues(project()); }

void Tkostenmenue::inputEdited(Param id, long double value)
{
    Project& p = project();
    p.set(id, value);
    // The maintenance percentage refers to the fixed investment; each side follows the
    // other through the engine's rule, which never calls back.
    if (id == Param::fest_inv || id == Param::wartungskosten_pz) applyMaintenancePercentChange(p);
    if (id == Param::wartungskosten_dm) applyMaintenanceAmountChange(p);
    for (Param shown : {id, Param::wartungskosten_pz, Param::wartungskosten_dm}) inputs_.showValue(p, shown);
    edited(InputWindow::Costs);
}

}  // namespace talp
