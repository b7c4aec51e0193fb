#include "platform/qt/QuietEnter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace korvane {

namespace {

class EnterSwallower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ignoreEnter(QLineEdit& field) {
    field.installEventFilter(new EnterSwallower(&field));
}

} // namespace korvane
