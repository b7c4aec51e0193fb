// The toolkit's own texts (standard buttons, file and folder dialogs) in Russian, the program's language.
#pragma once

class QTranslator;

namespace korvane {

// Loads the toolkit's Russian catalogue into the translator and installs it; false when the catalogue is not
// installed, in which case the standard texts stay English. The program's own texts are never translated.
bool installToolkitTranslation(QTranslator& translator);

} // namespace korvane
