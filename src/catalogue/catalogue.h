#pragma once

#include <array>
#include <deque>
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

// An ordered list of names that grows without moving what it holds: a folder
// of hundreds of thousands of assets would otherwise copy its names again at
// every doubling, into memory touched for the first time.
using NameList = std::deque<std::string>;

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

// Appends identifierOf(name) to out, for the loops over hundreds of thousands
// of names that would otherwise build a string for each.
void appendIdentifier(std::string& out, std::string_view name);

// The kind that the name's extension gives, if any.
std::optional<AssetKind> kindOf(std::string_view name);

struct ScanResult {
  AssetCatalogue catalogue;
  std::optional<Failure> failure;  // set when the folder could not be listed in full
};

// Lists the folder once, traces every entry on standard output and catalogues
// the files of a known kind.
ScanResult scanAssets(std::string workDir);

}  // namespace embedgen
