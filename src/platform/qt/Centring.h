// Places a secondary window over its owner: left = owner left + owner width div 2 - own width div 2,
// top likewise, using the outer (frame) sizes of both.
#pragma once

class QWidget;

namespace korvane {

void centreOver(QWidget* window, const QWidget* owner);

// The window's size is settled before it is placed, and it is placed again once shown, when the desktop has
// told us the outer size of its frame.
void showCentredOver(QWidget& window, const QWidget& owner);

// Makes the owner the window's transient parent, so that the desktop keeps the window above the owner it
// disables (a click on the owner must not bury it). Call before the window is mapped, e.g. from showEvent.
void keepAbove(QWidget& window, const QWidget* owner);

} // namespace korvane
