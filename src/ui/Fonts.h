// The windows' typeface: Verdana where installed, the system's sans-serif otherwise.
#pragma once

#include <QFont>

namespace korvane {

inline QFont verdana(int pointSize, bool bold = false) {
    QFont font("Verdana", pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace korvane
