#include <gtest/gtest.h>

#include <cstdlib>

#include "classgen/classgen.h"
#include "test_support.h"

namespace embedgen {
namespace {

using Names = std::initializer_list<std::string_view>;

AssetCatalogue catalogueOf(Names pics, Names sprites, Names anims, Names creatures) {
  return {{nameListOf(pics), nameListOf(sprites), nameListOf(anims), nameListOf(creatures)}};
}

// Compares with a committed file byte for byte. After a deliberate change of
// the generated text, run the tests with EMBEDGEN_REGENERATE=1 and review the diff.
void expectGolden(const std::string& fileName, const std::string& text) {
  const std::string path = std::string(EMBEDGEN_FIXTURES) + "/golden/" + fileName;
  if (std::getenv("EMBEDGEN_REGENERATE") != nullptr) test::writeFile(path, text);
  EXPECT_EQ(text, test::readFile(path))
      << "The generated class differs from " << path << ".\nIf the format changed on purpose, "
      << "regenerate it with EMBEDGEN_REGENERATE=1 ctest --preset default -L unit, and review git diff.";
}

TEST(ClassText, ForestExampleMatchesGolden) {
  const AssetCatalogue catalogue =
      catalogueOf({"Tree.PNG", "sky.jpg"}, {"leaves.xms"}, {"bird.xma"}, {"wolf.anm"});
  expectGolden("xForest.as", classText(catalogue, {"forest", "world", "xForest"}));
}

TEST(ClassText, EmptyCatalogueKeepsEveryFixedPart) {
  expectGolden("xItems.as", classText({}, {"items", "src", "xItems"}));
}

TEST(ClassText, PackageLine) {
  const struct {
    std::string parentName;
    std::string line;
  } cases[] = {
      {"src", "package  { \n"},
      {"Src", "package  Src { \n"},
      {"", "package   { \n"},
      {"world", "package  world { \n"},
  };
  for (const auto& c : cases) {
    const std::string text = classText({}, {"d", c.parentName, "xD"});
    EXPECT_NE(text.find("\n \n" + c.line + " \npublic class xD { \n"), std::string::npos)
        << "parent: " << c.parentName;
  }
}

TEST(ClassText, RootFolderGivesSlashPrefix) {
  const std::string text = classText(catalogueOf({"a.png"}, {}, {}, {}), {"", "", "x"});
  EXPECT_NE(text.find("[Embed(source = \"/a.png\")] private static var embed_a_png:Class; "),
            std::string::npos);
  EXPECT_NE(text.find("     gfx.addPic(\"a.png\", embed_a_png ); \n"), std::string::npos);
}

TEST(ClassText, LargeCatalogueArrivesInOrderedChunks) {
  AssetCatalogue catalogue;
  for (int i = 0; i < 20000; ++i)
    appendName(namesOf(catalogue, AssetKind::sprite), "s" + std::to_string(i) + ".xms");
  const ClassNames names{"big", "world", "xBig"};
  std::string joined;
  int chunks = 0;
  EXPECT_TRUE(emitClassText(catalogue, names, [&](std::string_view chunk) {
    joined += chunk;
    ++chunks;
    return true;
  }));
  EXPECT_GT(chunks, 1);
  EXPECT_EQ(joined, classText(catalogue, names));
  EXPECT_NE(joined.find("embed_s19999_xms ); \n\n \n\n \n \n \n } //initdata"), std::string::npos);

  int offered = 0;
  EXPECT_FALSE(emitClassText(catalogue, names, [&](std::string_view) {
    ++offered;
    return false;
  }));
  EXPECT_EQ(offered, 1) << "a refused chunk must stop the writer";
}

}  // namespace
}  // namespace embedgen
