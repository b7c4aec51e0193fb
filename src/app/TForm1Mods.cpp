// Step 1's choice of mod: where names resolve, which archives count as standard, and where the archive goes.
#include "app/TForm1.h"

#include "settings/GameMods.h"

#include <QComboBox>

namespace korvane {

void TForm1::fillModChoice() {
    ComboBox1->clear();
    ComboBox1->addItem(kNoMod);
    for (const std::string& mod : installedMods(InstallRoot())) {
        ComboBox1->addItem(QString::fromStdString(mod));
    }
}

std::string TForm1::chosenMod() const {
    return ComboBox1->currentIndex() > 0 ? ComboBox1->currentText().toStdString() : std::string();
}

GameFolders TForm1::gameFolders() const {
    const std::string mod = chosenMod();
    return {InstallRoot(), mod.empty() ? std::string() : modFolderOf(InstallRoot(), mod).value_or(std::string())};
}

} // namespace korvane
