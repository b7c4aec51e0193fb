// Enter in a one-line text field confirms nothing: without this, the dialog's default button would take it.
#pragma once

class QLineEdit;

namespace korvane {

void ignoreEnter(QLineEdit& field);

} // namespace korvane
