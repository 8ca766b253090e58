#include "evaluation/ui/tewtparameter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "evaluation/combination_view.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"EWT-Parameter", "EHX parameters"};
constexpr Text kAdopt{"Übernehmen", "commit"};
constexpr Text kCancel{"Abbrechen", "cancel"};

}  // namespace

TEWTParameter::TEWTParameter(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EWTParameter"));
    auto* outer = new QVBoxLayout(this);
    for (QLabel*& label : lines_) {
        label = new QLabel(this);
        outer->addWidget(label);
    }
    // The fan position and the figures of the year stand apart from the geometry.
    outer->insertSpacing(6, 8);
    Uebernehmen = new QPushButton(this);
    Uebernehmen->setObjectName(QStringLiteral("Uebernehmen"));
    Abbrechen = new QPushButton(this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Uebernehmen->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Uebernehmen);
    buttons->addWidget(Abbrechen);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    connect(Uebernehmen, &QPushButton::clicked, this, &QDialog::accept);
    connect(Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TEWTParameter::showCombination(const Project& project, const CombinationRecord& record, Language language)
{
    setWindowTitle(qt(kCaption, language));
    Uebernehmen->setText(qt(kAdopt, language));
    Abbrechen->setText(qt(kCancel, language));
    const CombinationView v = combinationView(project, record, language);
    const std::array<const std::string*, kLines> texts{&v.pipeCount, &v.diameter,     &v.length,
                                                       &v.depth,     &v.spacing,      &v.fanPosition,
                                                       &v.energy,    &v.internalRate, &v.pipePrice};
    for (std::size_t i = 0; i < texts.size(); ++i) lines_[i]->setText(qt(*texts[i]));
    // A single pipe has no spacing line.
    lines_[4]->setVisible(!v.spacing.empty());
    adjustSize();
}

}  // namespace talp
