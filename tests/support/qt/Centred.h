// Where the centring rule puts a window over its owner, by outer sizes.
#pragma once

#include <QWidget>

namespace korvane::testing {

inline QPoint centredPosition(const QWidget& window, const QWidget& owner) {
    const QRect outer = owner.frameGeometry();
    const QRect own = window.frameGeometry();
    return {outer.left() + outer.width() / 2 - own.width() / 2, outer.top() + outer.height() / 2 - own.height() / 2};
}

} // namespace korvane::testing
