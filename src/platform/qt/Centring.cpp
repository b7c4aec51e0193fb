#include "platform/qt/Centring.h"

#include <QWidget>

namespace korvane {

namespace {

// A window that has not been shown yet has no frame from the window manager; take the owner's frame
// margins as its own, since both get the same decorations (a borderless window gets none).
QSize outerSize(const QWidget* window, const QWidget* owner) {
    const QRect frame = window->frameGeometry();
    if (frame.size() != window->geometry().size() || !window->isWindow() ||
        window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return frame.size();
    }
    const QSize ownerMargins = owner->frameGeometry().size() - owner->geometry().size();
    return frame.size() + ownerMargins;
}

} // namespace

void centreOver(QWidget* window, const QWidget* owner) {
    const QRect outer = owner->frameGeometry();
    const QSize own = outerSize(window, owner);
    // Integer halving truncates toward zero, as the layout rule says.
    window->move(outer.left() + outer.width() / 2 - own.width() / 2,
                 outer.top() + outer.height() / 2 - own.height() / 2);
}

} // namespace korvane
