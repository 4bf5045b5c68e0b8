#include <cerrno>
#include <cstdio>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/dir_reader.h"

namespace embedgen {

namespace {

// Hundreds of thousands of entries give three lines each: write them as plain
// bytes into stdout's buffer rather than through a format per piece.
void put(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void traceEntry(const std::string& name) {
  put(name);
  put("\nextension [");
  put(extensionOf(name));
  put("] \nnodot [");
  put(identifierOf(name));
  put("] \n");
}

void catalogueEntry(AssetCatalogue& catalogue, DIR* dir, const dirent* entry, std::string name) {
  const std::optional<AssetKind> kind = kindOf(name);
  if (!kind || entryIsFolder(dir, entry)) return;
  namesOf(catalogue, *kind).push_back(std::move(name));
}

}  // namespace

ScanResult scanAssets(std::string workDir) {
  ScanResult result;
  DIR* dir = opendir(workDir.c_str());
  if (dir == nullptr) {
    const int error = errno;
    std::printf("Couldn't open directory [%s] \n)", workDir.c_str());
    result.failure = Failure{"cannot list folder " + workDir, errorText(error)};
    return result;
  }
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir);
    if (entry == nullptr) {
      // A listing cut short must not pass for a complete one.
      if (errno != 0) result.failure = Failure{"cannot list folder " + workDir, errorText(errno)};
      break;
    }
    std::string name = entry->d_name;
    traceEntry(name);
    catalogueEntry(result.catalogue, dir, entry, std::move(name));
  }
  closedir(dir);
  return result;
}

}  // namespace embedgen
