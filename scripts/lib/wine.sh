#!/usr/bin/env bash
# The printing core for Windows: builds it and its tests with mingw-w64 in
# $VELMORA_BUILD-mingw, then runs them under Wine in a throw-away prefix.
# Called by scripts/test; any failure fails the run.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

VELMORA_WINE_PACKAGES=(cmake ninja-build googletest wine64 g++-mingw-w64-x86-64-posix)
export VELMORA_WINE=/usr/lib/wine/wine64

ensure_packages "${VELMORA_WINE_PACKAGES[@]}"

echo "== Windows build (mingw-w64), tests under Wine"
configure_and_build "$VELMORA_BUILD-mingw" \
  -DCMAKE_TOOLCHAIN_FILE="$VELMORA_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_BUILD_APP=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$VELMORA_ROOT/scripts/lib/wine-exec"

WINEPREFIX="$(mktemp -d /tmp/velmora-wine-XXXXXX)"
export WINEPREFIX WINEDEBUG=-all
# No .NET or HTML engine: the tests need neither, and installing them
# would ask for downloads.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_cleanup() {
  "$(dirname "$VELMORA_WINE")/wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$WINEPREFIX.boot.log"
}
trap wine_cleanup EXIT

# One wineboot per run; every test then starts in the ready prefix.
# Its chatter on a headless machine goes to a log, shown if it fails.
if ! "$VELMORA_WINE" wineboot --init >"$WINEPREFIX.boot.log" 2>&1; then
  cat "$WINEPREFIX.boot.log" >&2
  exit 1
fi
"$(dirname "$VELMORA_WINE")/wineserver" -w

cd "$VELMORA_BUILD-mingw"
ctest --output-on-failure -j "$JOBS"
