#include <cerrno>
#include <cstdio>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/dir_reader.h"

namespace embedgen {

namespace {

// Hundreds of thousands of entries give three lines each: hand each entry's
// lines to stdout's buffer in one piece rather than through a format per piece.
void traceEntry(std::string& lines, std::string_view name) {
  lines.assign(name);
  lines.append("\nextension [").append(extensionOf(name));
  lines.append("] \nnodot [");
  appendIdentifier(lines, name);
  lines.append("] \n");
  std::fwrite(lines.data(), 1, lines.size(), stdout);
}

void catalogueEntry(AssetCatalogue& catalogue, DIR* dir, const dirent* entry, std::string_view name) {
  const std::optional<AssetKind> kind = kindOf(name);
  if (!kind || entryIsFolder(dir, entry)) return;
  namesOf(catalogue, *kind).emplace_back(name);
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
  std::string lines;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir);
    if (entry == nullptr) {
      // A listing cut short must not pass for a complete one.
      if (errno != 0) result.failure = Failure{"cannot list folder " + workDir, errorText(errno)};
      break;
    }
    traceEntry(lines, entry->d_name);
    catalogueEntry(result.catalogue, dir, entry, entry->d_name);
  }
  closedir(dir);
  return result;
}

}  // namespace embedgen
