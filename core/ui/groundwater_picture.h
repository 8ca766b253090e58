#pragma once
// A section through the soil beside the groundwater input: the surface, the pipe at its
// laying depth and the groundwater table, to scale, so that a table above the pipes (which
// the calculation refuses) is seen at once. The groundwater label sits on the table.

#include <QWidget>

class QLabel;

namespace talp {

class GroundwaterPicture : public QWidget {
    Q_OBJECT
public:
    explicit GroundwaterPicture(QLabel* tableLabel, QWidget* parent = nullptr);

    void setDepths(long double pipeDepth, long double groundwaterDepth);
    QSize sizeHint() const override { return {240, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int yOf(long double depth) const;
    void placeLabel();

    QLabel* tableLabel_;
    long double pipeDepth_ = 2;
    long double groundwaterDepth_ = 20;
};

}  // namespace talp
