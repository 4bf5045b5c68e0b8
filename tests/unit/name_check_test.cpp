#include <gtest/gtest.h>

#include "classgen/classgen.h"

namespace embedgen {
namespace {

std::vector<std::string> culprits(const AssetCatalogue& catalogue, const ClassNames& names) {
  std::vector<std::string> whats;
  for (const Failure& failure : checkNames(catalogue, names)) whats.push_back(failure.what);
  return whats;
}

AssetCatalogue catalogueWith(AssetKind kind, std::initializer_list<std::string_view> names) {
  AssetCatalogue catalogue;
  namesOf(catalogue, kind) = nameListOf(names);
  return catalogue;
}

const ClassNames forest{"forest", "world", "xForest"};

TEST(NameCheck, AssetNames) {
  const struct {
    AssetKind kind;
    std::string name;
    bool accepted;
  } cases[] = {
      {AssetKind::pic, "Tree.PNG", true},         {AssetKind::pic, "sky.jpg", true},
      {AssetKind::pic, "3d_tree.png", true},  // the variable is embed_3d_tree_png
      {AssetKind::pic, "a.b.c.png", true},        {AssetKind::pic, "\xC3\x84pfel.png", true},
      {AssetKind::sprite, "$cash.xms", true},     {AssetKind::pic, "my tree.png", false},
      {AssetKind::anim, "tree-01.xma", false},    {AssetKind::pic, "tree (1).png", false},
      {AssetKind::pic, "a,b.png", false},         {AssetKind::pic, "say\"hi\".png", false},
      {AssetKind::pic, "back\\slash.png", false}, {AssetKind::creature, "tab\tbed.anm", false},
      {AssetKind::pic, "line\nfeed.png", false},  {AssetKind::pic, "del\x7f.png", false},
      {AssetKind::pic, "photopng", false},  // the compiler picks the decoder by ".png"
      {AssetKind::pic, "photo_jpg", false},
  };
  for (const auto& c : cases) {
    const auto whats = culprits(catalogueWith(c.kind, {c.name}), forest);
    if (c.accepted) {
      EXPECT_TRUE(whats.empty()) << c.name;
    } else {
      EXPECT_EQ(whats, std::vector<std::string>{"\"" + c.name + "\""}) << c.name;
    }
  }
}

TEST(NameCheck, SharedIdentifiersNameEveryHolder) {
  AssetCatalogue catalogue = catalogueWith(AssetKind::pic, {"a.b.c.png", "ok.png", "a_b.c.png", "a.b_c.png"});
  namesOf(catalogue, AssetKind::sprite) = nameListOf({"x.y.xms", "x_y.xms"});
  const std::vector<Failure> failures = checkNames(catalogue, forest);
  ASSERT_EQ(failures.size(), 2u);
  for (const char* name : {"\"a.b.c.png\"", "\"a_b.c.png\"", "\"a.b_c.png\""}) {
    EXPECT_NE(failures[0].what.find(name), std::string::npos) << name;
  }
  EXPECT_NE(failures[0].why.find("embed_a_b_c_png"), std::string::npos);
  EXPECT_NE(failures[1].what.find("\"x.y.xms\" and \"x_y.xms\""), std::string::npos);
}

TEST(NameCheck, ClassAndPackageNames) {
  const struct {
    std::string dirName;
    std::string parentName;
    bool accepted;
  } cases[] = {
      {"forest", "world", true},     {"3d", "world", true},  // class x3d
      {"forest", "src", true},                               // no package
      {"forest", "", true},                                  // no package either
      {"forest", "Src", true},       {"", "C:", false},
      {"my level", "world", false},  {"my.level", "world", false},
      {"forest", "my world", false}, {"forest", "2world", false},
      {"forest", "class", false},    {"forest", "package", false},
      {"forest", "import", false},   {"forest", "include", false},
      {"forest", "each", true},  // a keyword only inside "for each"
  };
  for (const auto& c : cases) {
    const ClassNames names{c.dirName, c.parentName, "x" + c.dirName};
    EXPECT_EQ(checkNames({}, names).empty(), c.accepted) << c.dirName << " in " << c.parentName;
  }
}

}  // namespace
}  // namespace embedgen
