#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <set>
#include <sstream>

#include "catalogue/catalogue.h"
#include "classgen/classgen.h"
#include "tool_runner.h"

namespace embedgen::test {
namespace {

namespace fs = std::filesystem;

// A trace cut into its parts: the three lines of each entry, in listing order.
struct Trace {
  std::string head;
  std::vector<std::array<std::string, 3>> entries;
  std::vector<std::string> tail;
};

Trace parseTrace(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  Trace trace;
  std::size_t i = 0;
  if (i < lines.size()) trace.head = lines[i++];
  while (i + 2 < lines.size() && lines[i].rfind("sub [", 0) != 0) {
    trace.entries.push_back({lines[i], lines[i + 1], lines[i + 2]});
    i += 3;
  }
  trace.tail.assign(lines.begin() + static_cast<long>(i), lines.end());
  return trace;
}

std::vector<std::string> namesIn(const Trace& trace) {
  std::vector<std::string> names;
  for (const auto& entry : trace.entries) names.push_back(entry[0]);
  std::sort(names.begin(), names.end());
  return names;
}

// What the class file must hold for the files listed, in the listing's order.
std::string expectedClass(const Trace& trace, const ClassNames& names,
                          const std::vector<std::string>& folders = {}) {
  AssetCatalogue catalogue;
  for (const auto& entry : trace.entries) {
    const auto kind = kindOf(entry[0]);
    if (kind && std::find(folders.begin(), folders.end(), entry[0]) == folders.end()) {
      appendName(namesOf(catalogue, *kind), entry[0]);
    }
  }
  return fileText(classText(catalogue, names));
}

// The tree of the documented example: game/src/world/forest.
std::string makeForest(const std::string& root) {
  const std::string forest = root + "/game/src/world/forest";
  makeDirs(forest);
  for (const char* name : {"Tree.PNG", "bird.xma", "wolf.anm", "leaves.xms", "sky.jpg", "map.txt"}) {
    writeFile(forest + "/" + name, name);
  }
  return forest;
}

TEST(Run, ExampleTreeTraceAndClassFile) {
  ScopedTempDir tmp;
  const std::string forest = makeForest(tmp.path);
  const RunResult run = runTool(forest);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");

  // The documented trace, up to the order in which the file system lists.
  const Trace golden = parseTrace(readFile(std::string(EMBEDGEN_FIXTURES) + "/golden/forest.trace"));
  const Trace trace = parseTrace(run.out);
  EXPECT_EQ(trace.head, "The current working directory is " + toolPath(forest) + " ");
  using Entries = std::multiset<std::array<std::string, 3>>;
  EXPECT_EQ(Entries(trace.entries.begin(), trace.entries.end()),
            Entries(golden.entries.begin(), golden.entries.end()));
  EXPECT_EQ(trace.tail, golden.tail);

  const std::string classFile = readFile(tmp.path + "/game/src/world/xForest.as");
  EXPECT_EQ(classFile, expectedClass(trace, {"forest", "world", "xForest"}));

  // Arguments are ignored: the same trace and the same file.
  const RunResult again = runTool(forest, {"--help", "-o", "elsewhere.as"});
  EXPECT_EQ(again.status, 0);
  EXPECT_EQ(again.out, run.out);
  EXPECT_EQ(readFile(tmp.path + "/game/src/world/xForest.as"), classFile);
  EXPECT_EQ(listFolder(tmp.path + "/game/src/world"), (std::vector<std::string>{"forest", "xForest.as"}));
}

TEST(Run, FolderShapes) {
  const struct {
    std::string folder;  // below the temporary root
    std::string parent;
    std::string dir;
    std::string classFile;
    std::vector<std::string> files;
  } cases[] = {
      {"game/src/items", "src", "items", "xItems.as", {"sword.png", "notes.md"}},
      {"game/src/empty", "src", "empty", "xEmpty.as", {}},
      {"game/src/world/3d", "world", "3d", "x3d.as", {"cube.xms"}},
      {"game/src/world/Caves", "world", "Caves", "xCaves.as", {"bat.anm", "a.b.c.jpg"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    ScopedTempDir tmp;
    const std::string folder = tmp.path + "/" + c.folder;
    makeDirs(folder);
    for (const std::string& file : c.files) writeFile(folder + "/" + file, "x");
    const RunResult run = runTool(folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const Trace trace = parseTrace(run.out);
    std::vector<std::string> listed = c.files;
    listed.insert(listed.end(), {".", ".."});
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(namesIn(trace), listed);
    EXPECT_EQ(trace.tail,
              (std::vector<std::string>{"sub [" + c.parent + "]   sub2 [" + c.dir + "] ", "Hello World!"}));
    const std::string className = c.classFile.substr(0, c.classFile.size() - 3);
    EXPECT_EQ(readFile(fs::path(folder).parent_path().string() + "/" + c.classFile),
              expectedClass(trace, {c.dir, c.parent, className}));
  }
}

TEST(Run, WorkingDirectoryOfAnyLength) {
  if (windowsTool()) GTEST_SKIP() << "Wine keeps working folders within 260 characters";
  ScopedTempDir tmp;
  std::string folder = tmp.path;
  for (int i = 0; i < 16; ++i)
    folder += "/level_" + std::string(50, static_cast<char>('a' + i));  // ~950 bytes
  folder += "/world/forest";
  makeDirs(folder);
  writeFile(folder + "/Tree.PNG", "x");
  const RunResult run = runTool(folder);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(parseTrace(run.out).head, "The current working directory is " + folder + " ");
  EXPECT_NE(readFile(fs::path(folder).parent_path().string() + "/xForest.as").find("forest/Tree.PNG"),
            std::string::npos);
}

TEST(Run, EmptyFolderUnderSrcGivesTheBareClass) {
  ScopedTempDir tmp;
  const std::string items = tmp.path + "/src/items";
  makeDirs(items);
  ASSERT_EQ(runTool(items).status, 0);
  EXPECT_EQ(readFile(tmp.path + "/src/xItems.as"),
            fileText(readFile(std::string(EMBEDGEN_FIXTURES) + "/golden/xItems.as")));
}

TEST(Run, SecondRunReplacesStaleFileAndLeavesCurrentOneAlone) {
  ScopedTempDir tmp;
  const std::string forest = makeForest(tmp.path);
  const std::string classPath = tmp.path + "/game/src/world/xForest.as";
  writeFile(classPath, std::string(100000, 'z'));  // longer than the new text: must not linger

  const RunResult first = runTool(forest);
  ASSERT_EQ(first.status, 0) << first.err;
  const std::string written = readFile(classPath);
  EXPECT_EQ(written, expectedClass(parseTrace(first.out), {"forest", "world", "xForest"}));

  // An up-to-date file keeps its inode and time stamp, so builds do not redo work.
  const auto past = fs::last_write_time(classPath) - std::chrono::hours(1);
  fs::last_write_time(classPath, past);
  struct stat before {};
  ASSERT_EQ(stat(classPath.c_str(), &before), 0);
  const RunResult second = runTool(forest);
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.out, first.out);
  struct stat after {};
  ASSERT_EQ(stat(classPath.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(fs::last_write_time(classPath), past);
  EXPECT_EQ(readFile(classPath), written);
}

TEST(Run, FoldersAreTracedButNotEmbedded) {
  ScopedTempDir tmp;
  const std::string forest = makeForest(tmp.path);
  makeDirs(forest + "/maps.xms");
  makeDirs(tmp.path + "/elsewhere/deep.png");
  writeFile(tmp.path + "/elsewhere/real.anm", "x");
  std::vector<std::string> folders = {"maps.xms"};
  if (!windowsTool()) {
    fs::create_directory_symlink(tmp.path + "/elsewhere/deep.png", forest + "/linked.png");
    fs::create_symlink(tmp.path + "/elsewhere/real.anm", forest + "/linked.anm");
    fs::create_symlink(tmp.path + "/nowhere.xma", forest + "/dangling.xma");
    folders.push_back("linked.png");
  }
  const RunResult run = runTool(forest);
  ASSERT_EQ(run.status, 0) << run.err;
  const Trace trace = parseTrace(run.out);
  EXPECT_EQ(trace.entries.size(), windowsTool() ? 9u : 12u);
  const std::string classFile = readFile(tmp.path + "/game/src/world/xForest.as");
  EXPECT_EQ(classFile, expectedClass(trace, {"forest", "world", "xForest"}, folders));
  EXPECT_EQ(classFile.find("maps"), std::string::npos);
  EXPECT_EQ(classFile.find("linked.png"), std::string::npos);
}

}  // namespace
}  // namespace embedgen::test
