#pragma once

#include <cstdio>
#include <optional>
#include <string>

// The few file operations whose form differs between POSIX and Windows.
namespace embedgen {

// Creates a new file that did not exist before, for writing bytes as they
// are, with the mode a plain create gives. Null on failure, errno set.
std::FILE* createNewFile(const std::string& path);

// Puts `from` in the place of `to` in one step, replacing whatever stood there
// (a symbolic link is replaced, not followed). The reason on failure.
std::optional<std::string> replaceFile(const std::string& from, const std::string& to);

// True for a regular file itself, not a link to one.
bool isRegularFile(const std::string& path);

// A number that differs between processes running at once.
long processId();

}  // namespace embedgen
