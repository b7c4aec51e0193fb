#include "platform/qt/Centring.h"

#include <QWidget>

namespace korvane {

void centreOver(QWidget* window, const QWidget* owner) {
    const QRect outer = owner->frameGeometry();
    const QRect own = window->frameGeometry();
    // Integer halving truncates toward zero, as the layout rule says.
    window->move(outer.left() + outer.width() / 2 - own.width() / 2, outer.top() + outer.height() / 2 - own.height() / 2);
}

} // namespace korvane
