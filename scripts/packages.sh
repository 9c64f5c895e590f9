# The Debian packages the build needs, and a function that installs those
# missing (through sudo when not root). Sourced by scripts/run and scripts/test.
VANTIX_BUILD_PACKAGES=(
  build-essential cmake ninja-build git ccache
  qt6-base-dev qt6-multimedia-dev libgl-dev
  pkg-config libxcb1-dev libxcb-ewmh-dev
  libsqlite3-dev sqlite3 zlib1g-dev libxxhash-dev
  xdg-utils
)
# Only the tests and the fuzz targets need these.
VANTIX_TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb
)
# scripts/package-test needs these besides: file (CPack finds the programs to
# check with dpkg-shlibdeps), the manual reader, and the validators of the
# desktop entry and the AppStream metadata.
VANTIX_PACKAGE_TEST_PACKAGES=(
  file man-db desktop-file-utils appstream
)

vantix_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing Debian packages: ${missing[*]}" >&2
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
