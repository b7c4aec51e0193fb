// Shows a secondary window centred over its owner by the shared centring rule.
#pragma once

class QWidget;

namespace korvane {

// The window's size is settled before it is placed, and it is placed again once shown, when the desktop has
// told us the outer size of its frame.
void showCentredOver(QWidget& window, const QWidget& owner);

} // namespace korvane
