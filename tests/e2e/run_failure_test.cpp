#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tool_runner.h"

namespace embedgen::test {
namespace {

namespace fs = std::filesystem;

const std::string oldClass = "// the class file of an earlier run\n";

// A forest folder beside an earlier class file that a failed run must keep.
struct Scene {
  ScopedTempDir tmp;
  std::string world = tmp.path + "/game/src/world";
  std::string forest = world + "/forest";
  std::string classPath = world + "/xForest.as";

  explicit Scene(std::vector<std::string> files = {"Tree.PNG", "wolf.anm"}) {
    makeDirs(forest);
    for (const std::string& file : files) writeFile(forest + "/" + file, "x");
    writeFile(classPath, oldClass);
  }

  // The earlier class file byte for byte, and no temporary file left behind.
  void expectUntouched() const {
    EXPECT_EQ(readFile(classPath), oldClass);
    EXPECT_EQ(listFolder(world), (std::vector<std::string>{"forest", "xForest.as"}));
  }
};

// Runs the tool as an unprivileged user, so that permission bits hold even for root.
std::vector<std::string> unprivileged() {
  if (geteuid() != 0) return {};
  return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
}

std::vector<std::string> shell(const std::string& script) {
  return {"/bin/sh", "-c", script + "; exec \"$@\"", "sh"};
}

void expectFailed(const RunResult& run, const std::string& errorLine) {
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "embedgen: error: " + errorLine + "\n");
  EXPECT_EQ(run.out.find("Hello World!"), std::string::npos);
}

TEST(RunFailure, WorkingFolderRemovedUnderTheRun) {
  if (windowsTool()) GTEST_SKIP() << "Wine keeps its own idea of the working folder";
  Scene scene;
  const std::string gone = scene.world + "/gone";
  makeDirs(gone);
  const RunResult run =
      runTool(scene.tmp.path, {}, {"/bin/sh", "-c", "cd \"$0\" && rmdir \"$0\" && exec \"$@\"", gone});
  EXPECT_EQ(run.status, ENOENT);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "embedgen: error: cannot fetch the working directory: No such file or directory\n");
  scene.expectUntouched();
}

TEST(RunFailure, FolderCannotBeListed) {
  if (windowsTool()) GTEST_SKIP() << "permission bits do not reach Windows programs under Wine";
  Scene scene;
  fs::permissions(scene.forest, fs::perms::owner_write | fs::perms::owner_exec | fs::perms::group_exec |
                                    fs::perms::others_exec);
  const RunResult run = runTool(scene.forest, {}, unprivileged());
  expectFailed(run, "cannot list folder " + scene.forest + ": Permission denied");
  EXPECT_EQ(run.out, "The current working directory is " + scene.forest + " \nCouldn't open directory [" +
                         scene.forest + "] \n)");
  scene.expectUntouched();
}

TEST(RunFailure, ListingFailsPartWay) {
  if (windowsTool()) GTEST_SKIP() << "the failing listing is a Linux preload";
  Scene scene({"Tree.PNG", "wolf.anm", "bird.xma", "sky.jpg"});
  const RunResult run =
      runTool(scene.forest, {},
              {"env", "LD_PRELOAD=" EMBEDGEN_FAILING_READDIR, "ASAN_OPTIONS=verify_asan_link_order=0"});
  expectFailed(run, "cannot list folder " + scene.forest + ": Input/output error");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + 3 * 3) << "three entries traced";
  EXPECT_EQ(run.out.find("sub ["), std::string::npos);
  scene.expectUntouched();
}

TEST(RunFailure, FolderStandsAtTheOutputPath) {
  Scene scene;
  fs::remove(scene.classPath);
  makeDirs(scene.classPath);
  const RunResult run = runTool(scene.forest);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("embedgen: error: cannot replace ../xForest.as: "), std::string::npos) << run.err;
  EXPECT_TRUE(fs::is_directory(scene.classPath));
  EXPECT_EQ(listFolder(scene.world), (std::vector<std::string>{"forest", "xForest.as"}));
}

TEST(RunFailure, ParentFolderNotWritable) {
  if (windowsTool()) GTEST_SKIP() << "permission bits do not reach Windows programs under Wine";
  Scene scene;
  fs::permissions(scene.world, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const RunResult run = runTool(scene.forest, {}, unprivileged());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("embedgen: error: cannot create ../xForest.as.tmp-", 0), 0u) << run.err;
  EXPECT_NE(run.err.find(": Permission denied\n"), std::string::npos) << run.err;
  scene.expectUntouched();
}

TEST(RunFailure, WriteFailsPartWay) {
  std::vector<std::string> files;
  for (int i = 0; i < 3000; ++i) files.push_back("sprite_number_" + std::to_string(i) + ".xms");
  Scene scene(files);
  // 8 blocks of at most 1 KiB: far less than the class text. SIGXFSZ ignored,
  // so the write fails with EFBIG instead of killing the tool.
  const RunResult run = runTool(scene.forest, {}, shell("trap '' XFSZ; ulimit -f 8"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("embedgen: error: cannot write ../xForest.as.tmp-", 0), 0u) << run.err;
  EXPECT_EQ(run.out.find("Hello World!"), std::string::npos);
  scene.expectUntouched();
}

TEST(RunFailure, NamesThatCannotMakeACompilableClass) {
  Scene scene({"Tree.PNG", "my tree.png", "a.b.png", "a_b.png", "tree-01.xma", "photopng"});
  const RunResult run = runTool(scene.forest);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("sub [world]   sub2 [forest] \n"), std::string::npos) << "the trace comes first";
  EXPECT_EQ(run.out.find("Hello World!"), std::string::npos);
  for (const char* culprit : {"\"my tree.png\": ", "\"tree-01.xma\": ", "\"photopng\": "}) {
    EXPECT_NE(run.err.find("embedgen: error: " + std::string(culprit)), std::string::npos) << culprit;
  }
  EXPECT_TRUE(run.err.find("\"a.b.png\" and \"a_b.png\"") != std::string::npos ||
              run.err.find("\"a_b.png\" and \"a.b.png\"") != std::string::npos)
      << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 4);
  scene.expectUntouched();
}

TEST(RunFailure, FolderNameThatCannotNameAClass) {
  ScopedTempDir tmp;
  const std::string level = tmp.path + "/src/my level";
  makeDirs(level);
  const RunResult run = runTool(level);
  expectFailed(run, "folder \"my level\": class name xMy level is not an identifier");
  EXPECT_EQ(listFolder(tmp.path + "/src"), std::vector<std::string>{"my level"});
}

TEST(ClassFile, LinkAtTheOutputPathIsReplacedNotFollowed) {
  if (windowsTool()) GTEST_SKIP() << "symbolic links need privileges on Windows";
  Scene scene;
  writeFile(scene.world + "/target.as", oldClass);
  fs::remove(scene.classPath);
  fs::create_symlink("target.as", scene.classPath);
  const RunResult run = runTool(scene.forest);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::is_symlink(scene.classPath));
  EXPECT_NE(readFile(scene.classPath).find("embed_Tree_PNG"), std::string::npos);
  EXPECT_EQ(readFile(scene.world + "/target.as"), oldClass);
}

TEST(ClassFile, NewFileGetsThePlainCreateMode) {
  if (windowsTool()) GTEST_SKIP() << "no POSIX modes on Windows";
  for (const auto& [umask, mode] : {std::pair{"022", 0644}, std::pair{"027", 0640}, std::pair{"002", 0664}}) {
    Scene scene;
    const RunResult run = runTool(scene.forest, {}, shell(std::string("umask ") + umask));
    ASSERT_EQ(run.status, 0) << run.err;
    struct stat info {};
    ASSERT_EQ(stat(scene.classPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, static_cast<unsigned>(mode)) << "umask " << umask;
  }
}

}  // namespace
}  // namespace embedgen::test
