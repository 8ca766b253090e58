#pragma once
// The picture of the pipe window: above, a cross-section through the soil with the pipes
// side by side at their depth and the building's basement wall beside them; below, the
// pipe seen from above along its length with the fan before or after it. The window puts
// its value labels and step buttons on the picture.

#include <QWidget>

namespace talp {

class PipeSchematic : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 300;

    explicit PipeSchematic(QWidget* parent = nullptr);

    void setPipeCount(int count);
    void setFanBefore(bool before);
    // Segment tables in use draw the pipe's depth or distance as varying along it.
    void setVariable(bool depth, bool distance);

    QSize sizeHint() const override { return {kWidth, kHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int pipeCount_ = 2;
    bool fanBefore_ = true;
    bool variableDepth_ = false;
    bool variableDistance_ = false;
};

}  // namespace talp
