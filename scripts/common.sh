# Shared steps of the two set-up commands: install what is missing, configure, build.
# Sourced by scripts/run and scripts/test; not meant to be run on its own.

ROTANTS_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ROTANTS_BUILD="${ROTANTS_BUILD:-$ROTANTS_ROOT/build}"

# Debian 12 / Ubuntu 24.04 package names the build, the tests and the benchmarks need.
ROTANTS_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev libpulse-dev libgl-dev libgif-dev
  libsndfile1-dev libsamplerate0-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
  libbenchmark-dev
  xvfb xauth
  clang libclang-rt-dev
  dbus-daemon at-spi2-core python3-pyatspi xdotool
  pulseaudio pulseaudio-utils sox
  valgrind poppler-utils
  desktop-file-utils appstream shared-mime-info
  fonts-dejavu-core fonts-liberation2 locales
)

rotants_install_missing() {
  local missing=()
  local package
  for package in "${ROTANTS_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "error: packages are missing (${missing[*]}) and sudo is not available; install them as root." >&2
      return 1
    fi
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

rotants_build() {
  cmake -S "$ROTANTS_ROOT" -B "$ROTANTS_BUILD" "$@" >/dev/null
  cmake --build "$ROTANTS_BUILD" --parallel "$(nproc)"
}
