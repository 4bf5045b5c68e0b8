#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "classgen/classgen.h"

namespace embedgen {

namespace {

// ActionScript 3's reserved words, and "include", which compilers read as a
// directive: none of them can name a package.
constexpr std::string_view reservedWords[]{
    "as",     "break",      "case",   "catch",   "class",      "const",     "continue", "default",
    "delete", "do",         "else",   "extends", "false",      "finally",   "for",      "function",
    "if",     "implements", "import", "in",      "instanceof", "interface", "internal", "is",
    "native", "new",        "null",   "package", "private",    "protected", "public",   "return",
    "super",  "switch",     "this",   "throw",   "to",         "true",      "try",      "typeof",
    "use",    "var",        "void",   "while",   "with",       "include"};

constexpr bool identifierByteTest(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' ||
         c >= 0x80;
}

// Looked up, not computed: every byte of hundreds of thousands of names passes here.
constexpr std::array<bool, 256> identifierBytes = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[static_cast<std::size_t>(c)] = identifierByteTest(static_cast<unsigned char>(c));
  return table;
}();

bool isIdentifierByte(char c) { return identifierBytes[static_cast<unsigned char>(c)]; }

bool breaksStringLiteral(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte == '"' || byte == '\\' || byte < 0x20 || byte == 0x7f;
}

bool isIdentifier(std::string_view text) {
  return !text.empty() && !(text[0] >= '0' && text[0] <= '9') &&
         std::all_of(text.begin(), text.end(), isIdentifierByte);
}

// True when identifierOf(name) may follow "embed_": the identifier rule turns
// every dot but the last byte into '_'. A clean name cannot break a string
// literal either, since quotes, backslashes and control bytes are not clean.
bool identifierIsClean(std::string_view name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i + 1 < name.size(); ++i) {
    if (!isIdentifierByte(name[i]) && name[i] != '.') return false;
  }
  return isIdentifierByte(name.back());
}

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  text.remove_prefix(text.size() - ending.size());
  return std::equal(text.begin(), text.end(), ending.begin(),
                    [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

std::string quoted(std::string_view text) {
  std::string out(1, '"');
  out.append(text).push_back('"');
  return out;
}

// The first reason why this one name cannot stand in the class, if any.
std::optional<std::string> nameProblem(const std::string& name, AssetKind kind) {
  if (!identifierIsClean(name)) {
    if (std::any_of(name.begin(), name.end(), breaksStringLiteral)) {
      return "a double quote, backslash or control character in the name would break its string literal";
    }
    return "variable name embed_" + identifierOf(name) +
           " would hold a character other than ASCII letters, digits, '_' and '$'";
  }
  if (kind == AssetKind::pic && !endsWithIgnoringCase(name, ".png") && !endsWithIgnoringCase(name, ".jpg")) {
    return "a picture's name must end in .png or .jpg for the compiler to decode it";
  }
  return std::nullopt;
}

void checkEachName(const AssetCatalogue& catalogue, std::vector<Failure>& failures) {
  for (AssetKind kind : allKinds) {
    for (const std::string& name : namesOf(catalogue, kind)) {
      if (auto problem = nameProblem(name, kind)) failures.push_back({quoted(name), *problem});
    }
  }
}

// FNV-1a over the bytes of identifierOf(name), without building it.
std::uint64_t identifierHash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037u;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i] == '.' && i + 1 < name.size() ? '_' : name[i];
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  }
  return hash;
}

bool sameIdentifier(std::string_view a, std::string_view b) {
  if (a.size() != b.size() || a.empty()) return a.size() == b.size();
  for (std::size_t i = 0; i + 1 < a.size(); ++i) {
    if (a[i] != b[i] && !((a[i] == '.' || a[i] == '_') && (b[i] == '.' || b[i] == '_'))) return false;
  }
  return a.back() == b.back();
}

// Open addressing over the identifiers' hashes: one pass finds every clash
// among hundreds of thousands of names, in a few megabytes, without building
// a single identifier.
struct Slot {
  std::uint64_t hash = 0;
  const std::string* name = nullptr;  // null: free
};

// The names that share an identifier with an earlier one, grouped by that first name.
std::vector<std::vector<const std::string*>> clashGroups(const std::vector<const std::string*>& names) {
  std::vector<Slot> slots(std::bit_ceil(names.size() + names.size() / 2 + 1));
  const std::size_t mask = slots.size() - 1;
  std::vector<std::vector<const std::string*>> groups;
  std::vector<std::size_t> groupOfSlot;  // kept small: only slots that clash get a group
  std::vector<std::size_t> clashingSlots;
  for (const std::string* name : names) {
    const std::uint64_t hash = identifierHash(*name);
    std::size_t i = hash & mask;
    while (slots[i].name != nullptr && !(slots[i].hash == hash && sameIdentifier(*slots[i].name, *name))) {
      i = (i + 1) & mask;
    }
    if (slots[i].name == nullptr) {
      slots[i] = {hash, name};
      continue;
    }
    const auto known = std::find(clashingSlots.begin(), clashingSlots.end(), i);
    if (known != clashingSlots.end()) {
      groups[groupOfSlot[static_cast<std::size_t>(known - clashingSlots.begin())]].push_back(name);
      continue;
    }
    clashingSlots.push_back(i);
    groupOfSlot.push_back(groups.size());
    groups.push_back({slots[i].name, name});
  }
  return groups;
}

void checkClashes(const AssetCatalogue& catalogue, std::vector<Failure>& failures) {
  std::vector<const std::string*> names;
  for (AssetKind kind : allKinds) {
    for (const std::string& name : namesOf(catalogue, kind)) names.push_back(&name);
  }
  for (const auto& group : clashGroups(names)) {
    std::string what = quoted(*group.front());
    for (auto other = group.begin() + 1; other != group.end(); ++other) what += " and " + quoted(**other);
    failures.push_back({what, "all give the variable name embed_" + identifierOf(*group.front())});
  }
}

void checkClassNames(const ClassNames& names, std::vector<Failure>& failures) {
  if (!isIdentifier(names.className)) {
    failures.push_back(
        {"folder " + quoted(names.dirName), "class name " + names.className + " is not an identifier"});
  }
  const std::string& package = names.parentName;
  if (package.empty() || package == "src") return;
  if (!isIdentifier(package)) {
    failures.push_back({"parent folder " + quoted(package), "package name is not an identifier"});
  } else if (std::find(std::begin(reservedWords), std::end(reservedWords), package) !=
             std::end(reservedWords)) {
    failures.push_back({"parent folder " + quoted(package), "package name is a reserved word"});
  }
}

}  // namespace

std::vector<Failure> checkNames(const AssetCatalogue& catalogue, const ClassNames& names) {
  std::vector<Failure> failures;
  checkEachName(catalogue, failures);
  checkClashes(catalogue, failures);
  checkClassNames(names, failures);
  return failures;
}

}  // namespace embedgen
