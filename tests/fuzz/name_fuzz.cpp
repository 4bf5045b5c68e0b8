// Fuzzes the name rules and the name checks with arbitrary bytes.
//
// Input: one byte choosing the mode, then the text. Mode 0-3: the text is a
// file name catalogued under that kind. Mode 4: the text is the folder's path.
// Whatever the bytes, the rules must hold and any class that the checks accept
// must keep every name inside its place: no quote beyond the template's own,
// no backslash, no control byte but line feeds.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/catalogue.h"
#include "classgen/classgen.h"
#include "driver/driver.h"

namespace {

using namespace embedgen;

void require(bool condition) {
  if (!condition) std::abort();
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void checkRules(const std::string& name) {
  const std::string extension = extensionOf(name);
  if (name.size() <= 4) {
    require(extension == "nope");
  } else {
    require(extension.size() == 3);
    for (std::size_t i = 0; i < 3; ++i) require(extension[i] == asciiLower(name[name.size() - 3 + i]));
  }
  const std::string identifier = identifierOf(name);
  require(identifier.size() == name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool last = i + 1 == name.size();
    require(identifier[i] == (name[i] == '.' && !last ? '_' : name[i]));
  }
}

// The quotes that the templates themselves hold for one asset of any kind:
// a picture's source and key, or another kind's source and MIME type.
constexpr std::size_t quotesPerAsset = 4;

void checkAcceptedText(const AssetCatalogue& catalogue, const ClassNames& names, std::size_t quotes) {
  if (!checkNames(catalogue, names).empty()) return;
  const std::string text = classText(catalogue, names);
  require(static_cast<std::size_t>(std::count(text.begin(), text.end(), '"')) == quotes);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    require(byte != '\\' && (byte >= 0x20 || byte == '\n') && byte != 0x7f);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  checkRules(text);
  if (data[0] % 5 == 4) {
    const PathSplit split = splitWorkDir(text);
    checkAcceptedText({}, {split.dirName, split.parentName, classNameOf(split.dirName)}, 0);
    return 0;
  }
  const auto kind = static_cast<AssetKind>(data[0] % 5);
  AssetCatalogue catalogue;
  appendName(namesOf(catalogue, kind), text);
  checkAcceptedText(catalogue, {"forest", "world", "xForest"}, quotesPerAsset);
  return 0;
}
