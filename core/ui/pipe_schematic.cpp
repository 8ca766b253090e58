#include "core/ui/pipe_schematic.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <vector>

namespace talp {

namespace {

constexpr int kSurface = 50;        // soil surface in the cross-section
constexpr int kSectionBottom = 190;  // end of the cross-section, start of the plan view
constexpr int kPipeAxis = 120;       // depth of the pipe axes in the cross-section
constexpr int kPipeRadius = 11;
constexpr int kWall = 330;           // basement wall
constexpr int kBasementBottom = 150;
constexpr int kPlanAxis = 215;       // pipe axis in the plan view
constexpr int kPlanStart = 40;

const QColor kSoil(101, 67, 33);
const QColor kDeepSoil(70, 46, 22);
const QColor kPipe(235, 235, 225);
const QColor kDimension(230, 230, 230);

// Centres of the drawn pipes: the first two, and for three and more a gap of dots and the
// last pipe, which is the one nearest the building.
std::vector<int> pipeCentres(int count)
{
    if (count <= 1) return {80};
    if (count == 2) return {80, 140};
    return {80, 140, 210};
}

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QLineF line(from, to);
    for (const auto& [tip, angle] : {std::pair{to, line.angle()}, std::pair{from, line.angle() + 180.0}}) {
        QLineF head = QLineF::fromPolar(6, angle + 150).translated(tip);
        p.drawLine(head);
        head = QLineF::fromPolar(6, angle - 150).translated(tip);
        p.drawLine(head);
    }
}

void fan(QPainter& p, QPointF centre)
{
    p.setBrush(QColor(60, 60, 60));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawEllipse(centre, 10, 10);
    for (int blade = 0; blade < 3; ++blade) {
        const QLineF spoke = QLineF::fromPolar(8, 90 + blade * 120).translated(centre);
        p.drawLine(spoke);
    }
}

}  // namespace

PipeSchematic::PipeSchematic(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(kWidth, kHeight);
}

void PipeSchematic::setPipeCount(int count)
{
    pipeCount_ = count;
    update();
}

void PipeSchematic::setFanBefore(bool before)
{
    fanBefore_ = before;
    update();
}

void PipeSchematic::setVariable(bool depth, bool distance)
{
    variableDepth_ = depth;
    variableDistance_ = distance;
    update();
}

void PipeSchematic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // Sky and soil.
    QLinearGradient sky(0, 0, 0, kSurface);
    sky.setColorAt(0, QColor(150, 190, 230));
    sky.setColorAt(1, QColor(200, 225, 245));
    p.fillRect(QRect(0, 0, kWidth, kSurface), sky);
    QLinearGradient soil(0, kSurface, 0, kHeight);
    soil.setColorAt(0, kSoil);
    soil.setColorAt(1, kDeepSoil);
    p.fillRect(QRect(0, kSurface, kWidth, kHeight - kSurface), soil);
    p.setPen(QPen(QColor(60, 120, 40), 3));
    p.drawLine(0, kSurface, kWidth, kSurface);

    // The building: house above ground, basement below with its wall towards the pipes.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(225, 215, 190));
    p.drawRect(kWall, 18, kWidth - kWall - 8, kSurface - 18);
    QPainterPath roof;
    roof.moveTo(kWall - 6, 18);
    roof.lineTo((kWall + kWidth - 8) / 2.0, 2);
    roof.lineTo(kWidth - 2, 18);
    roof.closeSubpath();
    p.setBrush(QColor(160, 60, 40));
    p.drawPath(roof);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(kWall, kSurface, kWidth - kWall - 8, kBasementBottom - kSurface);
    p.setPen(QPen(QColor(90, 90, 90), 4));
    p.drawLine(kWall, kSurface, kWall, kBasementBottom);

    // Pipes side by side at their depth.
    const std::vector<int> centres = pipeCentres(pipeCount_);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(kPipe);
    for (int x : centres) p.drawEllipse(QPointF(x, kPipeAxis), kPipeRadius, kPipeRadius);
    if (pipeCount_ > 3) {
        p.setBrush(kPipe);
        for (int dot = 0; dot < 3; ++dot) p.drawEllipse(QPointF(165 + dot * 10, kPipeAxis), 2, 2);
    }

    // Dimension lines: depth, spacing, distance to the building.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kDimension, 1));
    arrow(p, QPointF(28, kSurface + 2), QPointF(28, kPipeAxis));
    p.drawLine(QPointF(22, kPipeAxis), QPointF(centres.front() - kPipeRadius, kPipeAxis));
    if (centres.size() > 1) arrow(p, QPointF(centres[0], 100), QPointF(centres[1], 100));
    arrow(p, QPointF(centres.back() + kPipeRadius, kPipeAxis), QPointF(kWall - 2, kPipeAxis));
    p.setPen(QPen(kDimension, 1, Qt::DashLine));
    if (variableDepth_) p.drawLine(QPointF(centres.front(), kPipeAxis + kPipeRadius), QPointF(centres.front(), 180));
    p.drawLine(0, kSectionBottom, kWidth, kSectionBottom);

    // Plan view: the pipe from its intake to the building, with the fan.
    const int planEnd = kWall - 10;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(planEnd, kPlanAxis - 18, kWidth - planEnd - 8, 36);
    p.setBrush(kPipe);
    if (variableDistance_) {
        QPainterPath bent;
        bent.moveTo(kPlanStart, kPlanAxis - 10);
        bent.cubicTo(140, kPlanAxis - 20, 220, kPlanAxis, planEnd, kPlanAxis - 6);
        bent.lineTo(planEnd, kPlanAxis + 6);
        bent.cubicTo(220, kPlanAxis + 12, 140, kPlanAxis - 8, kPlanStart, kPlanAxis + 2);
        bent.closeSubpath();
        p.drawPath(bent);
    } else {
        p.drawRect(kPlanStart, kPlanAxis - 6, planEnd - kPlanStart, 12);
    }
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(kPlanStart - 14, kPlanAxis - 10, 14, 20);  // intake
    fan(p, QPointF(fanBefore_ ? kPlanStart + 14 : planEnd - 14, kPlanAxis));
    p.setPen(QPen(kDimension, 1));
    arrow(p, QPointF(kPlanStart, 240), QPointF(planEnd, 240));
}

}  // namespace talp
