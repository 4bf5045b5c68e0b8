#!/usr/bin/env bash
# Installs the Apache Royale compiler from the npm registry into a folder of
# the build (never globally). A failed install leaves the as3 test skipped.
#   install-compiler.sh DIR
set -u
dir=$1
version=0.9.12
if [ -x "$dir/node_modules/@apache-royale/royale-js/royale-asjs/js/bin/asjsc" ]; then exit 0; fi
if ! command -v npm >/dev/null; then
  echo "npm not found: the as3 test will be skipped"
  exit 0
fi
mkdir -p "$dir"
npm install --prefix "$dir" --no-audit --no-fund --loglevel=error "@apache-royale/royale-js@$version" ||
  echo "could not install @apache-royale/royale-js@$version: the as3 test will be skipped"
exit 0
