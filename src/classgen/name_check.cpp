#include <algorithm>
#include <array>
#include <string_view>

#include "classgen/classgen.h"

namespace embedgen {

namespace {

// ActionScript 3's reserved words: none of them can name a package.
constexpr std::array<std::string_view, 45> reservedWords{
    "as",        "break",     "case",       "catch",     "class",    "const",  "continue",
    "default",   "delete",    "do",         "else",      "extends",  "false",  "finally",
    "for",       "function",  "if",         "implements", "import",  "in",     "instanceof",
    "interface", "internal",  "is",         "native",    "new",      "null",   "package",
    "private",   "protected", "public",     "return",    "super",    "switch", "this",
    "throw",     "to",        "true",       "try",       "typeof",   "use",    "var",
    "void",      "while",     "with"};

bool breaksStringLiteral(unsigned char c) { return c == '"' || c == '\\' || c < 0x20 || c == 0x7f; }

bool isIdentifierByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || c >= 0x80;
}

bool allBytes(std::string_view text, bool (*test)(unsigned char)) {
  return std::all_of(text.begin(), text.end(), [test](char c) { return test(static_cast<unsigned char>(c)); });
}

bool anyByte(std::string_view text, bool (*test)(unsigned char)) {
  return std::any_of(text.begin(), text.end(), [test](char c) { return test(static_cast<unsigned char>(c)); });
}

bool isIdentifier(std::string_view text) {
  return !text.empty() && !(text[0] >= '0' && text[0] <= '9') && allBytes(text, isIdentifierByte);
}

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  text.remove_prefix(text.size() - ending.size());
  return std::equal(text.begin(), text.end(), ending.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
  });
}

std::string quoted(std::string_view text) {
  std::string out(1, '"');
  out.append(text).push_back('"');
  return out;
}

// The first reason why this one name cannot stand in the class, if any.
std::optional<std::string> nameProblem(const std::string& name, AssetKind kind) {
  if (anyByte(name, breaksStringLiteral)) {
    return "a double quote, backslash or control character in the name would break its string literal";
  }
  const std::string id = identifierOf(name);
  if (!allBytes(id, isIdentifierByte)) {
    return "variable name embed_" + id +
           " would hold a character other than ASCII letters, digits, '_' and '$'";
  }
  if (kind == AssetKind::pic && !endsWithIgnoringCase(name, ".png") &&
      !endsWithIgnoringCase(name, ".jpg")) {
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

// The identifier's byte at position i, without building the identifier.
char identifierByte(const std::string& name, std::size_t i) {
  return name[i] == '.' && i + 1 < name.size() ? '_' : name[i];
}

bool identifierLess(const std::string* a, const std::string* b) {
  const std::size_t common = std::min(a->size(), b->size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(identifierByte(*a, i));
    const auto y = static_cast<unsigned char>(identifierByte(*b, i));
    if (x != y) return x < y;
  }
  return a->size() < b->size();
}

// Sorting references to the names by identifier finds every clash in
// n log n without a second copy of hundreds of thousands of names.
void checkClashes(const AssetCatalogue& catalogue, std::vector<Failure>& failures) {
  std::vector<const std::string*> names;
  for (AssetKind kind : allKinds) {
    for (const std::string& name : namesOf(catalogue, kind)) names.push_back(&name);
  }
  std::sort(names.begin(), names.end(), identifierLess);
  for (auto first = names.begin(); first != names.end();) {
    auto last = std::find_if(first + 1, names.end(),
                             [&](const std::string* name) { return identifierLess(*first, name); });
    if (last - first > 1) {
      std::string what = quoted(**first);
      for (auto other = first + 1; other != last; ++other) what += " and " + quoted(**other);
      failures.push_back({what, "all give the variable name embed_" + identifierOf(**first)});
    }
    first = last;
  }
}

void checkClassNames(const ClassNames& names, std::vector<Failure>& failures) {
  if (!isIdentifier(names.className)) {
    failures.push_back({"folder " + quoted(names.dirName),
                        "class name " + names.className + " is not an identifier"});
  }
  const std::string& package = names.parentName;
  if (package.empty() || package == "src") return;
  if (!isIdentifier(package)) {
    failures.push_back({"parent folder " + quoted(package), "package name is not an identifier"});
  } else if (std::find(reservedWords.begin(), reservedWords.end(), package) != reservedWords.end()) {
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
