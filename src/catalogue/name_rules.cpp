#include <cstring>

#include "catalogue/catalogue.h"

namespace embedgen {

namespace {

// Locale-independent: only the ASCII letters change.
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t nameCount(const NameList& list) { return list.ends.size(); }

std::string_view nameAt(const NameList& list, std::size_t index) {
  const std::size_t begin = index == 0 ? 0 : list.ends[index - 1];
  return std::string_view(list.bytes).substr(begin, list.ends[index] - begin);
}

void appendName(NameList& list, std::string_view name) {
  list.bytes += name;
  list.ends.push_back(list.bytes.size());
}

NameList nameListOf(std::initializer_list<std::string_view> names) {
  NameList list;
  for (std::string_view name : names) appendName(list, name);
  return list;
}

NameList& namesOf(AssetCatalogue& catalogue, AssetKind kind) {
  return catalogue.lists[static_cast<std::size_t>(kind)];
}

const NameList& namesOf(const AssetCatalogue& catalogue, AssetKind kind) {
  return catalogue.lists[static_cast<std::size_t>(kind)];
}

std::string extensionOf(std::string_view name) {
  if (name.size() <= 4) return "nope";
  std::string extension(name.substr(name.size() - 3));
  for (char& c : extension) c = asciiLower(c);
  return extension;
}

void appendIdentifier(std::string& out, std::string_view name) {
  const std::size_t start = out.size();
  out += name;
  if (name.empty()) return;
  // The final character is left alone on purpose: "abc." stays "abc.".
  char* const last = out.data() + out.size() - 1;
  for (char* dot = out.data() + start;
       (dot = static_cast<char*>(std::memchr(dot, '.', static_cast<std::size_t>(last - dot)))) != nullptr;) {
    *dot++ = '_';
  }
}

std::string identifierOf(std::string_view name) {
  std::string identifier;
  appendIdentifier(identifier, name);
  return identifier;
}

std::optional<AssetKind> kindOf(std::string_view name) { return kindOfExtension(extensionOf(name)); }

std::optional<AssetKind> kindOfExtension(std::string_view extension) {
  if (extension == "png" || extension == "jpg") return AssetKind::pic;
  if (extension == "xms") return AssetKind::sprite;
  if (extension == "xma") return AssetKind::anim;
  if (extension == "anm") return AssetKind::creature;
  return std::nullopt;
}

}  // namespace embedgen
