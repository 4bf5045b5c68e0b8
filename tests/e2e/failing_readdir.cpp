// Preloaded into embedgen by one test: the folder listing fails with EIO
// after three entries, as a failing disk or network share would make it.
#include <dirent.h>
#include <dlfcn.h>

#include <cerrno>

extern "C" dirent* readdir(DIR* dir) {
  using Readdir = dirent* (*)(DIR*);
  static const auto next = reinterpret_cast<Readdir>(dlsym(RTLD_NEXT, "readdir"));
  static int entries = 0;
  if (++entries > 3) {
    errno = EIO;
    return nullptr;
  }
  return next(dir);
}
