#include "driver/driver.h"

namespace embedgen {

PathSplit splitWorkDir(std::string workDir) {
  // The unsigned wrap-around is deliberate and gives the roots their names:
  // with a single separator (or none) `prev` equals `last`, the length wraps
  // and the parent runs to the end of the text ("/abc" -> "abc", "abc" -> "abc").
  constexpr const char* separators = "/\\";
  const std::size_t last = workDir.find_last_of(separators);
  const std::size_t prev = workDir.find_last_of(separators, last - 1);
  return {workDir.substr(prev + 1, last - prev - 1), workDir.substr(last + 1)};
}

std::string classNameOf(std::string dirName) {
  if (!dirName.empty() && dirName[0] >= 'a' && dirName[0] <= 'z') {
    dirName[0] = static_cast<char>(dirName[0] - 'a' + 'A');
  }
  return "x" + dirName;
}

std::string outputPathOf(std::string className) { return "../" + className + ".as"; }

}  // namespace embedgen
