#include <windows.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "catalogue/dir_reader.h"

namespace embedgen {

struct DIR {
  dirent entry{};
  WIN32_FIND_DATAA findData{};
  int cached = 0;  // 1 while the entry found by opendir has not been handed out
  HANDLE search = INVALID_HANDLE_VALUE;
  // The pattern is built at the path's full length: cutting it would list
  // another, shorter folder. Paths the find functions cannot take fail to open.
  std::string pattern;
};

namespace {

int errnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY: return ENOMEM;
    default: return EIO;
  }
}

}  // namespace

DIR* opendir(const char* path) {
  DIR* dir = new (std::nothrow) DIR;
  if (dir == nullptr) {
    errno = ENOMEM;
    return nullptr;
  }
  dir->pattern = path;
  if (!dir->pattern.empty() && dir->pattern.back() != '\\' && dir->pattern.back() != ':') {
    dir->pattern += '\\';
  }
  dir->pattern += '*';
  dir->search = FindFirstFileA(dir->pattern.c_str(), &dir->findData);
  if (dir->search == INVALID_HANDLE_VALUE) {
    errno = errnoOf(GetLastError());
    delete dir;
    return nullptr;
  }
  dir->cached = 1;
  return dir;
}

dirent* readdir(DIR* dir) {
  if (dir->search == INVALID_HANDLE_VALUE) return nullptr;
  if (dir->cached != 0) {
    dir->cached = 0;
  } else if (FindNextFileA(dir->search, &dir->findData) == 0) {
    const DWORD error = GetLastError();
    FindClose(dir->search);
    dir->search = INVALID_HANDLE_VALUE;
    if (error != ERROR_NO_MORE_FILES) errno = errnoOf(error);
    return nullptr;
  }
  std::strncpy(dir->entry.d_name, dir->findData.cFileName, sizeof dir->entry.d_name - 1);
  dir->entry.d_name[sizeof dir->entry.d_name - 1] = '\0';
  return &dir->entry;
}

int closedir(DIR* dir) {
  if (dir->search != INVALID_HANDLE_VALUE) FindClose(dir->search);
  delete dir;
  return 0;
}

bool entryIsFolder(DIR* dir, const dirent*) {
  // The find data describes the entry last handed out. A link to a folder
  // carries the folder attribute too.
  return (dir->findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace embedgen
