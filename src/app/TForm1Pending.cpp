// Handlers whose work arrives with the map list, collection, file list and packing; empty until then.
#include "app/TForm1.h"

namespace korvane {

void TForm1::Button1Click() {}
void TForm1::CheckListBox1ClickCheck() {}
void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
void TForm1::Button6Click() {}
void TForm1::Button5Click() {}
void TForm1::Button4Click() {}
void TForm1::Button8Click() {}
void TForm1::Button9Click() {}
void TForm1::Button7Click() {}

} // namespace korvane
