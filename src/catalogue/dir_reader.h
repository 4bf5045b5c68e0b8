#pragma once

// The scan lists folders through opendir, readdir and closedir on every
// platform; Windows has no such interface, so we bring our own there.
#ifdef _WIN32
#include "catalogue/windows/dirent.h"
#else
#include <dirent.h>
#endif

namespace embedgen {

#ifndef _WIN32
using ::closedir;
using ::DIR;
using ::dirent;
using ::opendir;
using ::readdir;
#endif

// True when the entry is a folder, or a symbolic link that leads to one.
// Folders cannot be embedded, whatever their names end in.
bool entryIsFolder(DIR* dir, const dirent* entry);

}  // namespace embedgen
