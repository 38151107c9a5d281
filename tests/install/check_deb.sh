#!/usr/bin/env bash
# check_deb.sh CPACK CPACK_CONFIG VERSION: builds the .deb into a scratch
# directory and checks its metadata and file list with dpkg-deb.
set -euo pipefail
cpack="$1" config="$2" version="$3"

for tool in dpkg-deb dpkg-shlibdeps file desktop-file-validate; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed (./scripts/test installs it)"
    exit 77
  fi
done

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cpack" -G DEB --config "$config" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
debs=("$out"/velmora_"$version"_*.deb)
[ -f "${debs[0]}" ] || { ls -l "$out"; echo "FAIL: no velmora_${version}_*.deb"; exit 1; }
deb="${debs[0]}"
echo "Built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
  fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends="$(field Depends)"
echo "Depends: $depends"
# The Qt 6 and ICU runtimes the program links, and the Song face.
for package in libqt6widgets6 libqt6gui6 libqt6core6 libicu72 fonts-arphic-uming; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

# Exactly these files, nothing else (no test programs, no libraries).
expected="./usr/bin/velmora
./usr/share/applications/velmora.desktop
./usr/share/icons/hicolor/32x32/apps/velmora.png
./usr/share/metainfo/com.example.velmora.metainfo.xml"
actual="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)"
if [ "$actual" != "$expected" ]; then
  fail "file list differs"
  diff <(echo "$expected") <(echo "$actual") || true
fi

root="$out/root"
dpkg-deb -x "$deb" "$root"
[ -x "$root/usr/bin/velmora" ] || fail "usr/bin/velmora is not executable"
file -b "$root/usr/bin/velmora" | grep -q ELF || fail "usr/bin/velmora is no ELF program"
file -b "$root/usr/share/icons/hicolor/32x32/apps/velmora.png" | grep -q "PNG image data, 32 x 32" ||
  fail "the icon is no 32x32 PNG"
desktop-file-validate "$root/usr/share/applications/velmora.desktop" ||
  fail "the packaged desktop entry is not valid"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/com.example.velmora.metainfo.xml" ||
  fail "the metainfo names no release $version"

[ "$failures" -eq 0 ] || exit 1
echo "The package is sound."
