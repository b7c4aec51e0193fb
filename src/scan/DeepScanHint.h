// What a plain collection leaves out: the files that the listed fonts, models, entity classes, meshes and
// shaders need in turn, which only the deep scan follows.
#pragma once

#include "platform/GameFolders.h"
#include "platform/NameList.h"

#include <string>

namespace korvane {

// How many more files the deep scan would list after this plain collection's file list. The lists are not
// changed; a file that cannot be read ends the count where it got to.
int filesDeepScanWouldAdd(const GameFolders& folders, const NameList& fileList, const NameList& standardFiles);

} // namespace korvane
