#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/failure.h"

namespace embedgen {

// The order of the kinds is the order of the groups in the class file.
enum class AssetKind { pic, sprite, anim, creature };

inline constexpr std::array<AssetKind, 4> allKinds{AssetKind::pic, AssetKind::sprite, AssetKind::anim,
                                                   AssetKind::creature};

// The names of one kind in listing order, packed end to end. A folder of
// hundreds of thousands of assets would otherwise spend a string, a heap
// block and a list slot on each name: 64 bytes for a 17-byte name, and on a
// large folder memory touched for the first time costs more than the work.
struct NameList {
  std::string bytes;              // every name, one after the other
  std::vector<std::size_t> ends;  // where each name ends in bytes
};

std::size_t nameCount(const NameList& list);
std::string_view nameAt(const NameList& list, std::size_t index);
void appendName(NameList& list, std::string_view name);
NameList nameListOf(std::initializer_list<std::string_view> names);

// File names exactly as the listing spells them, in listing order, one list per kind.
struct AssetCatalogue {
  std::array<NameList, allKinds.size()> lists;
};

NameList& namesOf(AssetCatalogue& catalogue, AssetKind kind);
const NameList& namesOf(const AssetCatalogue& catalogue, AssetKind kind);

// The last three characters in ASCII lower case, or "nope" for names of four
// characters or fewer. No dot is looked for.
std::string extensionOf(std::string_view name);

// The name with every '.' but a final one turned into '_'.
std::string identifierOf(std::string_view name);

// Byte i of identifierOf(name), for checks that must not build the identifier.
inline char identifierByteAt(std::string_view name, std::size_t i) {
  return name[i] == '.' && i + 1 < name.size() ? '_' : name[i];
}

// Appends identifierOf(name) to out, for the loops over hundreds of thousands
// of names that would otherwise build a string for each.
void appendIdentifier(std::string& out, std::string_view name);

// The kind that the name's extension gives, if any.
std::optional<AssetKind> kindOf(std::string_view name);

// The kind that an extension, as extensionOf gives it, stands for.
std::optional<AssetKind> kindOfExtension(std::string_view extension);

struct ScanResult {
  AssetCatalogue catalogue;
  std::optional<Failure> failure;  // set when the folder could not be listed in full
};

// Lists the folder once, traces every entry on standard output and catalogues
// the files of a known kind.
ScanResult scanAssets(std::string workDir);

}  // namespace embedgen
