#include <cerrno>
#include <cstdio>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#define getcwd _getcwd
#else
#include <unistd.h>
#endif

#include "catalogue/catalogue.h"
#include "classgen/classgen.h"
#include "driver/driver.h"

namespace embedgen {

namespace {

// A name may hold any byte; keep the terminal safe from the control ones.
std::string printable(const std::string& text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

void reportError(const Failure& failure) {
  std::fflush(stdout);  // keep the trace and the error in the order they happened
  std::fprintf(stderr, "embedgen: error: %s: %s\n", printable(failure.what).c_str(),
               printable(failure.why).c_str());
}

int fail(const Failure& failure) {
  reportError(failure);
  return 1;
}

}  // namespace

std::optional<std::string> currentWorkDir() {
  std::vector<char> buffer(256);  // grows until the whole path fits
  while (getcwd(buffer.data(), static_cast<int>(buffer.size())) == nullptr) {
    if (errno != ERANGE) return std::nullopt;
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

int runGenerator() {
  errno = 0;
  const std::optional<std::string> workDir = currentWorkDir();
  if (!workDir) {
    const int error = errno;
    reportError({"cannot fetch the working directory", errorText(error)});
    return error != 0 ? error : 1;
  }
  std::printf("The current working directory is %s \n", workDir->c_str());

  const ScanResult scan = scanAssets(*workDir);
  if (scan.failure) return fail(*scan.failure);

  const PathSplit split = splitWorkDir(*workDir);
  std::printf("sub [%s]   sub2 [%s] \n", split.parentName.c_str(), split.dirName.c_str());
  const std::string className = classNameOf(split.dirName);
  const std::string outputPath = outputPathOf(className);

  const std::vector<Failure> refused =
      checkNames(scan.catalogue, {split.dirName, split.parentName, className});
  for (const Failure& failure : refused) reportError(failure);
  if (!refused.empty()) return 1;

  const WriteResult written =
      writeClassFile(scan.catalogue, outputPath, split.dirName, split.parentName, className);
  if (written.failure) return fail(*written.failure);

  std::printf("Hello World!\n");
  return 0;
}

}  // namespace embedgen
