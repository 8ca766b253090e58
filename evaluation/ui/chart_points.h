#pragma once
// The engine's curves as the chart's points, and whether a chart already shows them.

#include <QList>
#include <QPointF>
#include <vector>

#include "chart/xy_chart.h"
#include "evaluation/chart_curves.h"

namespace talp {

inline QList<QPointF> toPoints(const Curve& curve)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(curve.size()));
    for (const CurvePoint& p : curve) points.append(QPointF(p.x, p.y));
    return points;
}

inline bool showsCurves(const XyChart& chart, const std::vector<QList<QPointF>>& curves)
{
    if (chart.seriesCount() != static_cast<int>(curves.size())) return false;
    for (std::size_t i = 0; i < curves.size(); ++i)
        if (chart.points(static_cast<int>(i)) != curves[i]) return false;
    return true;
}

}  // namespace talp
