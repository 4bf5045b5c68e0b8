#pragma once

#include <optional>
#include <string>

namespace embedgen {

// The last two components of the working directory's path.
struct PathSplit {
  std::string parentName;
  std::string dirName;
};

// Splits at '/' and '\' alike, whatever the platform.
PathSplit splitWorkDir(std::string workDir);

// "x" and the folder name with its first letter in ASCII upper case.
std::string classNameOf(std::string dirName);

// The class file's path, in the parent folder.
std::string outputPathOf(std::string className);

// The working directory at whatever length the system gives; errno on failure.
std::optional<std::string> currentWorkDir();

// The whole run; returns the process's exit status.
int runGenerator();

}  // namespace embedgen
