#include <cerrno>
#include <cstdio>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/dir_reader.h"

namespace embedgen {

namespace {

// Hundreds of thousands of entries give three lines each: hand each entry's
// lines to stdout's buffer in one piece rather than through a format per piece.
void traceEntry(std::string& lines, std::string_view name, std::string_view extension) {
  lines.assign(name);
  lines.append("\nextension [").append(extension);
  lines.append("] \nnodot [");
  appendIdentifier(lines, name);
  lines.append("] \n");
  std::fwrite(lines.data(), 1, lines.size(), stdout);
}

void catalogueEntry(AssetCatalogue& catalogue, DIR* dir, const dirent* entry, std::string_view name,
                    std::string_view extension) {
  const std::optional<AssetKind> kind = kindOfExtension(extension);
  if (!kind || entryIsFolder(dir, entry)) return;
  appendName(namesOf(catalogue, *kind), name);
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
    const std::string_view name = entry->d_name;
    const std::string extension = extensionOf(name);
    traceEntry(lines, name, extension);
    catalogueEntry(result.catalogue, dir, entry, name, extension);
  }
  closedir(dir);
  return result;
}

}  // namespace embedgen
