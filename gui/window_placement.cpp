#include "gui/window_placement.h"

#include <algorithm>

namespace {

// The height a window manager's title bar and border take above the client area.
constexpr int TitleBarAllowance = 32;
constexpr int FrameAllowance = 8;

// The part of a screen that a client area may take.
QRect ClientRoom(const QRect& screen) {
    return screen.adjusted(FrameAllowance, TitleBarAllowance, -FrameAllowance, -FrameAllowance);
}

int Overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : common.width() * common.height();
}

} // namespace

QRect MainWindowPlacement(const QRect& stored, bool firstStart, const QList<QRect>& screens) {
    if (screens.isEmpty()) {
        return stored;
    }
    if (firstStart) {
        const QRect room = ClientRoom(screens.first());
        QRect placement(0, 0, std::min(1000, room.width() * 9 / 10),
                        std::min(680, room.height() * 9 / 10));
        placement.moveCenter(room.center());
        return placement;
    }
    // The screen the window lies most on, the primary when it lies on none.
    QRect screen = screens.first();
    for (const QRect& candidate : screens) {
        if (Overlap(stored, candidate) > Overlap(stored, screen)) {
            screen = candidate;
        }
    }
    const QRect room = ClientRoom(screen);
    QRect placement(stored.topLeft(), stored.size().boundedTo(room.size()));
    placement.moveLeft(
        std::clamp(placement.left(), room.left(), room.right() - placement.width() + 1));
    placement.moveTop(
        std::clamp(placement.top(), room.top(), room.bottom() - placement.height() + 1));
    return placement;
}
