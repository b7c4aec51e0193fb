// The deep dependency scan: every admitted file that exists is read for the names it gives, whatever its
// depth and type (models, fonts, meshes, skeletons, animations, shaders, entity classes and their libraries,
// whole textures), where the usual walk stops at three levels and four types.
#pragma once

#include "platform/GameFolders.h"
#include "platform/NameList.h"
#include "scan/ReferenceScanner.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace korvane {

class DeepScanner {
public:
    // Admission goes through the scanner's own rule, so standard and listed names stay out and missing
    // ones are reported as the usual walk reports them.
    DeepScanner(const GameFolders& folders, const NameList& fileList, ReferenceScanner& scanner);

    // A name found in a file (from): admitted, then followed depth-first through every file it leads to.
    void found(const std::string& name, const std::string& from);

    // The names a file gives, in file order, as UTF-8; none for a type that names nothing or a missing file.
    std::vector<std::string> referencesOf(const std::string& name) const;

private:
    // The names the file gives; throws UnreadableFile when it cannot be read in full (referencesOf then notes
    // it missing with the reason).
    std::vector<std::string> namesIn(const std::string& name) const;
    // Admits the name (or its sound twin); true when it was newly listed.
    bool admit(std::string& name, const std::string& from);
    std::string chosenName(const std::string& name) const;
    // Why a library the game asks for counts as missing when the name its class file wrote is there.
    std::string libraryNote(const std::string& name) const;

    GameFolders folders_;
    const NameList& fileList_;
    ReferenceScanner& scanner_;
    std::string modExt_;
    // Each library name given for a class file's package, with the name it has without the suffix.
    mutable std::unordered_map<std::string, std::string> plainLibraryNames_;
};

} // namespace korvane
