#include "app/ShowCentred.h"

#include "platform/qt/Centring.h"

#include <QWidget>

namespace korvane {

void showCentredOver(QWidget& window, const QWidget& owner) {
    window.ensurePolished();
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    centreOver(&window, &owner);
    window.show();
    centreOver(&window, &owner);
}

} // namespace korvane
