#!/usr/bin/env bash
# Installs the Debian 12 packages the suite needs to build, test and run,
# when any of them is missing: one `apt-get update`, then one install.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  dpkg-dev lintian desktop-file-utils appstream
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libhidapi-dev libudev-dev
  umockdev libumockdev-dev util-linux
  libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev libxcb-res0-dev xkb-data
  libwayland-dev wayland-protocols sway foot grim
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool openbox xauth x11-utils x11-xkb-utils dbus dbus-x11
  at-spi2-core python3-pyatspi
  fonts-liberation fonts-dejavu-core fonts-wqy-microhei
)

# --desktops: also the desktops whose foreground sources have tests of their
# own (a virtual KWin, a headless GNOME Shell, a GTK window for them), left
# out of plain CI runs.
if [ "${1:-}" = "--desktops" ]; then
  PACKAGES+=(kwin-wayland gnome-shell python3-gi gir1.2-gtk-3.0)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: every package is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
  else
    echo "install-deps: missing packages (${missing[*]}) and no root or sudo to install them" >&2
    exit 1
  fi
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
