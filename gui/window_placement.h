// Where the main window opens: on first start centred on the primary screen at
// a size that suits the list; afterwards where it was left, brought back onto
// a screen when it lies off every screen or is larger than its screen.
#pragma once

#include <QList>
#include <QRect>

// stored is the client area as the settings keep it; screens are the screens'
// available areas, the primary first. The result is a client area, with room
// left above it for a window manager's title bar.
QRect MainWindowPlacement(const QRect& stored, bool firstStart, const QList<QRect>& screens);
