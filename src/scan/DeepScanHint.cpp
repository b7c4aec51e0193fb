#include "scan/DeepScanHint.h"

#include "platform/FileError.h"
#include "platform/GamePath.h"
#include "scan/DeepScan.h"
#include "scan/MissingList.h"

namespace korvane {

int filesDeepScanWouldAdd(const GameFolders& folders, const NameList& fileList, const NameList& standardFiles) {
    NameList scratch;
    scratch.assign(fileList.names(), true);
    MissingList missing;
    ReferenceScanner scanner(folders, scratch, standardFiles, missing);
    DeepScanner deep(folders, scratch, scanner);
    const int listed = scratch.size();
    try {
        for (int i = 0; i < listed; ++i) {
            // A map's own records were all admitted by the plain scan already.
            const std::string name = scratch.name(i);
            if (equalsAsciiNoCase(extensionOf(name), ".wld")) {
                continue;
            }
            for (const std::string& found : deep.referencesOf(name)) {
                deep.found(found, name);
            }
        }
    } catch (const FileError&) {
        // Only a hint: what was counted so far stands.
    }
    return scratch.size() - listed;
}

} // namespace korvane
