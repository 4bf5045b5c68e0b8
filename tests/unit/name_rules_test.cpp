#include <gtest/gtest.h>

#include "catalogue/catalogue.h"

namespace embedgen {
namespace {

struct NameCase {
  std::string name;
  std::string extension;
  std::string identifier;
  std::optional<AssetKind> kind;
};

TEST(NameRules, ExtensionIdentifierAndKind) {
  const NameCase cases[] = {
      {".", "nope", ".", std::nullopt},
      {"..", "nope", "_.", std::nullopt},
      {".png", "nope", "_png", std::nullopt},  // four characters: too short to count
      {"a.png", "png", "a_png", AssetKind::pic},
      {"Tree.PNG", "png", "Tree_PNG", AssetKind::pic},
      {"sky.jpg", "jpg", "sky_jpg", AssetKind::pic},
      {"photopng", "png", "photopng", AssetKind::pic},  // no dot is looked for
      {"clip.jpeg", "peg", "clip_jpeg", std::nullopt},
      {"a.b.png", "png", "a_b_png", AssetKind::pic},
      {"abcd.", "cd.", "abcd.", std::nullopt},  // the last character keeps its dot
      {"x....", "...", "x___.", std::nullopt},
      {"leaves.XMS", "xms", "leaves_XMS", AssetKind::sprite},
      {"bird.xma", "xma", "bird_xma", AssetKind::anim},
      {"wolf.AnM", "anm", "wolf_AnM", AssetKind::creature},
      {"map.txt", "txt", "map_txt", std::nullopt},
      {"my tree.png", "png", "my tree_png", AssetKind::pic},            // only dots change
      {"\xC3\x84pfel.PNG", "png", "\xC3\x84pfel_PNG", AssetKind::pic},  // bytes pass through
      {"abc\xC3\x89", "c\xC3\x89", "abc\xC3\x89", std::nullopt},        // non-ASCII is not lower-cased
      {"", "nope", "", std::nullopt},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE("name: " + c.name);
    EXPECT_EQ(extensionOf(c.name), c.extension);
    EXPECT_EQ(identifierOf(c.name), c.identifier);
    EXPECT_EQ(kindOf(c.name), c.kind);
  }
}

}  // namespace
}  // namespace embedgen
