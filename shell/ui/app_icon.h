#pragma once
// The program's icon: a pipe in the soil below the sky, drawn so that it stays sharp at
// every size the window manager asks for.

#include <QIcon>

class QPainter;

namespace talp {

QIcon talpIcon();
// Paints the icon into the square of side `size` at the painter's origin; the icon set of
// the desktop entry (tools/icons) is drawn by it too.
void paintTalpIcon(QPainter& painter, qreal size);

}  // namespace talp
