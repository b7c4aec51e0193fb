#include "platform/qt/Centring.h"

#include <QLayout>
#include <QWidget>
#include <QWindow>

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

void showCentredOver(QWidget& window, const QWidget& owner) {
    window.ensurePolished();
    // A layout with a fixed size constraint sets the size only when activated; before the first showing the
    // window would otherwise be placed with Qt's default size.
    if (QLayout* layout = window.layout()) {
        layout->activate();
    }
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    centreOver(&window, &owner);
    window.show();
    centreOver(&window, &owner);
}

void keepAbove(QWidget& window, const QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    window.winId();
    if (window.windowHandle() != nullptr && owner->windowHandle() != nullptr) {
        window.windowHandle()->setTransientParent(owner->windowHandle());
    }
}

} // namespace korvane
