#pragma once

#include <string>
#include <vector>

#include "test_support.h"

// Runs the built embedgen as a user would: a fresh process in a chosen
// working directory. EMBEDGEN_EXE names the executable; EMBEDGEN_RUNNER, when
// set, is a loader put in front of it (Wine for the Windows build).
namespace embedgen::test {

struct RunResult {
  int status = -1;
  std::string out;  // line ends as the tool wrote them, CR LF folded to LF
  std::string err;
};

// `wrapper` is put in front of the whole command, e.g. a shell that lowers a limit.
RunResult runTool(const std::string& workDir, const std::vector<std::string>& args = {},
                  const std::vector<std::string>& wrapper = {});

// True when the tool under test is the Windows build.
bool windowsTool();

// A path as the tool sees it (Wine shows /tmp/x as Z:\tmp\x).
std::string toolPath(const std::string& path);

// Generated text as the class file holds it on the tool's platform.
std::string fileText(const std::string& text);

// A fresh folder, removed with all it holds when the test ends.
struct ScopedTempDir {
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  std::string path;
};

void makeDirs(const std::string& path);

// The names in a folder, sorted.
std::vector<std::string> listFolder(const std::string& path);

}  // namespace embedgen::test
