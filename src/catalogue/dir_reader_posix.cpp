#include <fcntl.h>
#include <sys/stat.h>

#include "catalogue/dir_reader.h"

namespace embedgen {

bool entryIsFolder(DIR* dir, const dirent* entry) {
#ifdef _DIRENT_HAVE_D_TYPE
  if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) return entry->d_type == DT_DIR;
#endif
  // The listing does not say, or the entry is a link: ask about what it leads to.
  // A dangling link is no folder; it is catalogued and the compiler will say it is missing.
  struct stat info {};
  if (fstatat(dirfd(dir), entry->d_name, &info, 0) != 0) return false;
  return S_ISDIR(info.st_mode);
}

}  // namespace embedgen
