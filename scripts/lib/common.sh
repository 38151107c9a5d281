# Shared by the scripts: the repo root, package installs, the build trees.
set -euo pipefail

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
VELMORA_BUILD="${VELMORA_BUILD:-$VELMORA_ROOT/build}"
JOBS="$(nproc 2>/dev/null || echo 2)"

# What building and running the window needs on Debian 12.
VELMORA_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libicu-dev googletest fonts-arphic-uming
)

_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages of the arguments that are not installed yet.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    _sudo apt-get update -qq
    _sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}"
  fi
}

# configure_and_build DIR [cmake args...]: configures once, builds incrementally.
configure_and_build() {
  local dir="$1"; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" -j "$JOBS"
}
