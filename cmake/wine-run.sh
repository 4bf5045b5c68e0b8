#!/bin/sh
# Runs a Windows program under Wine, quietly, in the Wine prefix that
# WINEPREFIX names (the tests give each build tree its own), else one per user.
#   wine-run.sh PROGRAM ARGS...   run a program
#   wine-run.sh --start           create the prefix and keep its server running,
#                                 so that limits a test puts on one program
#                                 (ulimit -f) do not fall on the server it starts
#   wine-run.sh --stop            stop the server
: "${WINEPREFIX:=${TMPDIR:-/tmp}/embedgen-wine-$(id -u)}"
export WINEPREFIX
export WINEDEBUG=-all
case "$1" in
  --start)
    /usr/lib/wine/wineserver -k 2>/dev/null
    mkdir -p "$WINEPREFIX" &&
      /usr/lib/wine/wineserver -p 600 </dev/null >/dev/null 2>&1 &&
      exec /usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1 ;;
  --stop)
    exec /usr/lib/wine/wineserver -k ;;
esac
exec /usr/lib/wine/wine64 "$@"
