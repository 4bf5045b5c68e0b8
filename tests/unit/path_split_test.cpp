#include <gtest/gtest.h>

#include "driver/driver.h"

namespace embedgen {
namespace {

struct SplitCase {
  std::string workDir;
  std::string parentName;
  std::string dirName;
  std::string outputPath;
};

TEST(PathSplit, ParentFolderClassAndOutputPath) {
  const SplitCase cases[] = {
      {"/home/dev/game/src/world/forest", "world", "forest", "../xForest.as"},
      {"C:\\game\\src\\world\\forest", "world", "forest", "../xForest.as"},
      {"/home/dev/game/src/items", "src", "items", "../xItems.as"},
      {"C:\\game/src\\art", "src", "art", "../xArt.as"},
      {"C:\\abc", "C:", "abc", "../xAbc.as"},
      {"C:\\", "C:", "", "../x.as"},
      {"/abc", "abc", "abc", "../xAbc.as"},
      {"/", "", "", "../x.as"},
      {"abc", "abc", "abc", "../xAbc.as"},
      {"Z:\\tmp\\src\\world\\forest", "world", "forest", "../xForest.as"},
      {"/g/3d", "g", "3d", "../x3d.as"},     // a digit keeps its place
      {"/g/Zoo", "g", "Zoo", "../xZoo.as"},  // upper case stays
      {"/g/my level", "g", "my level", "../xMy level.as"},
      {"/g/\xC3\xA9t\xC3\xA9", "g", "\xC3\xA9t\xC3\xA9", "../x\xC3\xA9t\xC3\xA9.as"},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE("workDir: " + c.workDir);
    const PathSplit split = splitWorkDir(c.workDir);
    EXPECT_EQ(split.parentName, c.parentName);
    EXPECT_EQ(split.dirName, c.dirName);
    EXPECT_EQ(outputPathOf(classNameOf(split.dirName)), c.outputPath);
  }
}

}  // namespace
}  // namespace embedgen
