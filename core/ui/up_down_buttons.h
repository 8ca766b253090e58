#pragma once
// A pair of small arrow buttons that step a value by one increment down or up, placed
// beside a label of a drawing where a full spin box would not fit.

#include <QWidget>

class QToolButton;

namespace talp {

class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit UpDownButtons(const QString& name, QWidget* parent = nullptr);

    QToolButton* up() const { return up_; }
    QToolButton* down() const { return down_; }

signals:
    // +1 for the upper button, -1 for the lower one.
    void stepped(int direction);

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace talp
