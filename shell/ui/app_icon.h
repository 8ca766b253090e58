#pragma once
// The program's icon: a pipe in the soil below the sky, drawn so that it stays sharp at
// every size the window manager asks for.

#include <QIcon>

namespace talp {

QIcon talpIcon();

}  // namespace talp
