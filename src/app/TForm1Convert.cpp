#include "app/TForm1.h"
#include "convert/WorldVersionConverter.h"

namespace korvane {

void TForm1::ConvertWLDversion1Click() {
    WorldVersionConverter(context_.dialogs, InstallRoot()).run();
}

} // namespace korvane
