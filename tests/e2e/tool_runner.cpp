#include "tool_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace embedgen::test {

namespace fs = std::filesystem;

namespace {

std::string envOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

std::string foldCrLf(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  }
  return out;
}

[[noreturn]] void execInChild(const std::string& workDir, const std::vector<std::string>& command,
                              const std::string& outPath, const std::string& errPath) {
  const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(workDir.c_str()) != 0) _exit(126);
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

}  // namespace

bool windowsTool() { return envOr("EMBEDGEN_WINDOWS", "") == "1"; }

RunResult runTool(const std::string& workDir, const std::vector<std::string>& args,
                  const std::vector<std::string>& wrapper) {
  std::vector<std::string> command = wrapper;
  const std::string runner = envOr("EMBEDGEN_RUNNER", "");
  if (!runner.empty()) command.push_back(runner);
  command.push_back(envOr("EMBEDGEN_EXE", EMBEDGEN_EXE));
  command.insert(command.end(), args.begin(), args.end());

  const ScopedTempDir capture;
  const std::string outPath = capture.path + "/out";
  const std::string errPath = capture.path + "/err";
  const pid_t child = fork();
  if (child == 0) execInChild(workDir, command, outPath, errPath);
  int wstatus = 0;
  waitpid(child, &wstatus, 0);

  RunResult result;
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  result.out = foldCrLf(readFile(outPath));
  result.err = foldCrLf(readFile(errPath));
  return result;
}

std::string toolPath(const std::string& path) {
  if (!windowsTool()) return path;
  std::string windowsPath = "Z:" + path;
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  return windowsPath;
}

std::string fileText(const std::string& text) {
  if (!windowsTool()) return text;
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

ScopedTempDir::ScopedTempDir() {
  std::string pattern = fs::temp_directory_path().string() + "/embedgen-test-XXXXXX";
  path = mkdtemp(pattern.data()) != nullptr ? fs::canonical(pattern).string() : "";
  // Tests that drop privileges must be able to reach their folders.
  fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
}

ScopedTempDir::~ScopedTempDir() {
  std::error_code ignored;
  for (const auto& entry : fs::recursive_directory_iterator(path, ignored)) {
    if (entry.is_directory(ignored))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path, ignored);
}

void makeDirs(const std::string& path) { fs::create_directories(path); }

std::vector<std::string> listFolder(const std::string& path) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace embedgen::test
