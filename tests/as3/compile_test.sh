#!/usr/bin/env bash
# Compiles the classes that embedgen writes with a real ActionScript 3
# compiler (Apache Royale's asjsc), which parses and type-checks them and
# resolves every [Embed] source. Exits 77 (skipped) when the compiler is not
# installed.
#
#   compile_test.sh EMBEDGEN ROYALE_JS_DIR
set -uo pipefail

embedgen=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
royale=$2/royale-asjs
here=$(cd "$(dirname "$0")" && pwd)
examples=$here/../../examples/game/src/world/forest

if [ ! -x "$royale/js/bin/asjsc" ] || ! command -v java >/dev/null; then
  echo "SKIPPED: no ActionScript compiler at $royale (see tests/as3/install-compiler.sh)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/src
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs embedgen in src/$1, which must succeed.
generate() {
  (cd "$src/$1" && "$embedgen" >/dev/null) || fail "embedgen refused $1"
}

# Compiles $1.as in src; $2 is "pass", or "fail" with an error line matching $3.
compile() {
  local log=$work/$1.log
  (cd "$src" && ROYALE_HOME=$royale "$royale/js/bin/asjsc" -debug=true -source-path=. \
    -js-output="$work/out-$1" "$1.as") >"$log" 2>&1
  local status=$?
  if [ "$2" = pass ]; then
    if [ $status -ne 0 ] || ! grep -q "successfully compiled" "$log"; then
      fail "$1.as did not compile:"; grep -E "Error|error" "$log" | head -20
    fi
  elif [ $status -eq 0 ] || ! grep -q "Error" "$log"; then
    fail "$1.as compiled, but should not have"
  elif ! grep -q -- "$3" "$log"; then
    fail "$1.as failed for another reason than '$3':"; cat "$log"
  fi
}

mkdir -p "$src"
cp "$here/project/gfxLoad.as" "$here/project/Main.as" "$src/"

# The example tree.
mkdir -p "$src/world"
cp -r "$examples" "$src/world/forest"
generate world/forest

# An empty folder, and a folder whose parent is src (no package).
mkdir -p "$src/world/empty" "$src/items"
cp "$examples/sky.jpg" "$src/items/sword.jpg"
generate world/empty
generate items

# Every kind, with names as they come: upper-case extensions, several dots,
# a leading digit, non-ASCII letters, an unrelated file and a sub-folder.
mixed=$src/level/mixed
mkdir -p "$mixed/maps.xms"
for name in Hero.PNG 3d_box.png "Äpfel.png" tree.v2.png; do cp "$examples/Tree.PNG" "$mixed/$name"; done
cp "$examples/sky.jpg" "$mixed/photo.final.JPG"
for name in tiles.XMS hero.walk.xma boss.final.ANM "Ölfass.anm" readme.txt; do echo x >"$mixed/$name"; done
generate level/mixed

compile Main pass

# The other side: a name that embedgen refuses would not have compiled. The
# class it would have written for "my tree.png" is the one it writes for
# "mytree.png" with the name put back.
rm -rf "$src/world/forest" "$src/world/xForest.as" "$src/level" "$src/Main.as"
mkdir -p "$src/world/forest"
cp "$examples/Tree.PNG" "$src/world/forest/my tree.png"
if (cd "$src/world/forest" && "$embedgen" >/dev/null 2>&1); then fail "embedgen accepted 'my tree.png'"; fi
mv "$src/world/forest/my tree.png" "$src/world/forest/mytree.png"
generate world/forest
mv "$src/world/forest/mytree.png" "$src/world/forest/my tree.png"
sed -i 's/mytree/my tree/g' "$src/world/xForest.as"
grep -q 'embed_my tree_png' "$src/world/xForest.as" || fail "could not build the refused class"
cp "$here/project/Refused.as" "$src/"
compile Refused fail "embed_my tree_png"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all generated classes compiled; the refused name did not"
