// Handlers whose work arrives with the packing run; empty until then.
#include "app/TForm1.h"

namespace korvane {

void TForm1::Button9Click() {}
void TForm1::Button7Click() {}

} // namespace korvane
