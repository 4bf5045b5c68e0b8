#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/dir_reader.h"

namespace embedgen {
namespace {

std::string freshFolder() {
  char base[MAX_PATH + 1];
  GetTempPathA(sizeof base, base);
  std::string path = std::string(base) + "embedgen-dirent-" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(GetTickCount64());
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

void touch(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
}

// Every entry's name, and whether the reader calls it a folder.
std::vector<std::pair<std::string, bool>> listing(const std::string& path) {
  std::vector<std::pair<std::string, bool>> entries;
  DIR* dir = opendir(path.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* entry = readdir(dir)) entries.emplace_back(entry->d_name, entryIsFolder(dir, entry));
  EXPECT_EQ(readdir(dir), nullptr) << "the ended search stays ended";
  EXPECT_EQ(closedir(dir), 0);
  std::sort(entries.begin(), entries.end());
  return entries;
}

TEST(WindowsDirectoryReader, ListsEveryEntryAndTellsFolders) {
  const std::string folder = freshFolder();
  touch(folder + "\\Tree.PNG");
  CreateDirectoryA((folder + "\\maps.xms").c_str(), nullptr);
  const std::vector<std::pair<std::string, bool>> expected{
      {".", true}, {"..", true}, {"Tree.PNG", false}, {"maps.xms", true}};
  EXPECT_EQ(listing(folder), expected);
  EXPECT_EQ(listing(folder + "\\"), expected) << "a trailing separator is not doubled";
  EXPECT_EQ(opendir((folder + "\\missing").c_str()), nullptr);
  DeleteFileA((folder + "\\Tree.PNG").c_str());
  RemoveDirectoryA((folder + "\\maps.xms").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace embedgen
