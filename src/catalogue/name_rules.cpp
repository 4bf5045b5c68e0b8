#include <cstring>

#include "catalogue/catalogue.h"

namespace embedgen {

namespace {

// Locale-independent: only the ASCII letters change.
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string errorText(int errorNumber) { return std::strerror(errorNumber); }

std::vector<std::string>& namesOf(AssetCatalogue& catalogue, AssetKind kind) {
  return catalogue.lists[static_cast<std::size_t>(kind)];
}

const std::vector<std::string>& namesOf(const AssetCatalogue& catalogue, AssetKind kind) {
  return catalogue.lists[static_cast<std::size_t>(kind)];
}

std::string extensionOf(std::string name) {
  if (name.size() <= 4) return "nope";
  std::string extension = name.substr(name.size() - 3);
  for (char& c : extension) c = asciiLower(c);
  return extension;
}

std::string identifierOf(std::string name) {
  // The final character is left alone on purpose: "abc." stays "abc.".
  for (std::size_t i = 0; i + 1 < name.size(); ++i) {
    if (name[i] == '.') name[i] = '_';
  }
  return name;
}

std::optional<AssetKind> kindOf(std::string name) {
  const std::string extension = extensionOf(std::move(name));
  if (extension == "png" || extension == "jpg") return AssetKind::pic;
  if (extension == "xms") return AssetKind::sprite;
  if (extension == "xma") return AssetKind::anim;
  if (extension == "anm") return AssetKind::creature;
  return std::nullopt;
}

}  // namespace embedgen
