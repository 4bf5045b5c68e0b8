#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>
#include <unordered_map>

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
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (!isIdentifierByte(identifierByteAt(name, i))) return false;
  }
  return true;
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
std::optional<std::string> nameProblem(std::string_view name, AssetKind kind) {
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
    const NameList& names = namesOf(catalogue, kind);
    for (std::size_t i = 0; i < nameCount(names); ++i) {
      const std::string_view name = nameAt(names, i);
      if (auto problem = nameProblem(name, kind)) failures.push_back({quoted(name), *problem});
    }
  }
}

// FNV-1a over the bytes of identifierOf(name), without building it.
std::uint64_t identifierHash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037u;
  for (std::size_t i = 0; i < name.size(); ++i) {
    hash = (hash ^ static_cast<unsigned char>(identifierByteAt(name, i))) * 1099511628211u;
  }
  return hash;
}

bool sameIdentifier(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (identifierByteAt(a, i) != identifierByteAt(b, i)) return false;
  }
  return true;
}

// Open addressing over the identifiers' hashes: one pass finds every clash
// among hundreds of thousands of names without building a single identifier.
// Slots are small on purpose: on large folders, memory touched for the first
// time costs more than the work done in it.
struct Slot {
  std::uint32_t tag = 0;  // high bits of the hash
  std::uint32_t ref = 0;  // 0: free; otherwise 1 + the kind in the top bits and the position below
};

constexpr unsigned kindShift = 29;

std::uint32_t refOf(AssetKind kind, std::size_t position) {
  return 1 + ((static_cast<std::uint32_t>(kind) << kindShift) | static_cast<std::uint32_t>(position));
}

std::string_view nameOf(const AssetCatalogue& catalogue, std::uint32_t ref) {
  const std::uint32_t bits = ref - 1;
  return nameAt(namesOf(catalogue, static_cast<AssetKind>(bits >> kindShift)),
                bits & ((1u << kindShift) - 1));
}

// The names that share an identifier with an earlier one, grouped by that first name.
std::vector<std::vector<std::string_view>> clashGroups(const AssetCatalogue& catalogue, std::size_t count) {
  std::vector<Slot> slots(std::bit_ceil(count + count / 2 + 1));
  const std::size_t mask = slots.size() - 1;
  std::vector<std::vector<std::string_view>> groups;
  std::unordered_map<std::size_t, std::size_t> groupOfSlot;  // only slots that clash
  for (AssetKind kind : allKinds) {
    const NameList& names = namesOf(catalogue, kind);
    for (std::size_t position = 0; position < nameCount(names); ++position) {
      const std::string_view name = nameAt(names, position);
      const std::uint64_t hash = identifierHash(name);
      const auto tag = static_cast<std::uint32_t>(hash >> 32);
      std::size_t i = hash & mask;
      while (slots[i].ref != 0 &&
             !(slots[i].tag == tag && sameIdentifier(nameOf(catalogue, slots[i].ref), name))) {
        i = (i + 1) & mask;
      }
      if (slots[i].ref == 0) {
        slots[i] = {tag, refOf(kind, position)};
        continue;
      }
      const auto [group, fresh] = groupOfSlot.try_emplace(i, groups.size());
      if (fresh) groups.push_back({nameOf(catalogue, slots[i].ref)});
      groups[group->second].push_back(name);
    }
  }
  return groups;
}

void checkClashes(const AssetCatalogue& catalogue, std::vector<Failure>& failures) {
  std::size_t count = 0;
  for (AssetKind kind : allKinds) count += nameCount(namesOf(catalogue, kind));
  if (count >= (std::size_t{1} << kindShift)) {
    failures.push_back({"folder", "more asset files than a class can hold"});
    return;
  }
  for (const auto& group : clashGroups(catalogue, count)) {
    std::string what = quoted(group.front());
    for (auto other = group.begin() + 1; other != group.end(); ++other) what += " and " + quoted(*other);
    failures.push_back({what, "all give the variable name embed_" + identifierOf(group.front())});
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
