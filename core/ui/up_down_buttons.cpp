#include "core/ui/up_down_buttons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace talp {

UpDownButtons::UpDownButtons(const QString& name, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    setObjectName(name);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (auto [button, arrow, direction] : {std::tuple{up_, Qt::UpArrow, 1}, std::tuple{down_, Qt::DownArrow, -1}}) {
        button->setArrowType(arrow);
        button->setFixedSize(17, 11);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, d = direction] { emit stepped(d); });
        column->addWidget(button);
    }
    setFixedSize(17, 22);
}

}  // namespace talp
