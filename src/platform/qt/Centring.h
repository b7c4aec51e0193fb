// Places a secondary window over its owner: left = owner left + owner width div 2 - own width div 2,
// top likewise, using the outer (frame) sizes of both.
#pragma once

class QWidget;

namespace korvane {

void centreOver(QWidget* window, const QWidget* owner);

} // namespace korvane
