# Debian packages the project needs, installed quietly and only when missing.
# Sourced by test.sh and run.sh; both run as root on a fresh Debian 12 machine.

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libicu-dev libfontconfig-dev
                fonts-wqy-microhei fonts-wine fonts-liberation2)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev unzip python3
               zip libxml2-dev libreoffice-writer-nogui poppler-utils xvfb xauth openbox x11-utils libxcb1-dev
               weston qt6-wayland xdotool icewm xfwm4 fluxbox dbus-daemon mutter)

ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root, or install them with apt-get)" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
