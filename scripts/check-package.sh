#!/usr/bin/env bash
# Builds the Debian package and checks it: lintian (-I --pedantic) finds no
# error, warning, hardening or duplicate-file tag; desktop-file-validate and
# appstreamcli pass its entries and metainfo; the suite unpacked into a
# scratch root runs from there (vantorctl through its /usr/bin link, Monitor
# with the emulated keyboard) with the modules and skins of the package, not
# of the build. As root in CI (or with ORVYN_PACKAGE_INSTALL=1) the package
# is also installed with apt-get, its launcher opens the window under Xvfb
# against kbsim, and a purge leaves none of its files behind.
#
# The package is built from a build folder with the hardening flags
# (ORVYN_HARDEN); for any other build folder a release build of the shipped
# programs is made in <build folder>/package-build first.
# Usage: check-package.sh <build folder>
set -euo pipefail
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
pids=()
installed=no
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "$installed" = yes ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q orvyn-vantor >/dev/null 2>&1 || true
  fi
  chmod -R u+w "$WORK" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

# --- build ------------------------------------------------------------------
if grep -q '^ORVYN_HARDEN:BOOL=ON$' "$BUILD/CMakeCache.txt"; then
  PKG=$BUILD
else
  PKG=$BUILD/package-build
  launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  generator=()
  if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
  echo "check-package: release build with hardening in $PKG"
  cmake -S "$SOURCE" -B "$PKG" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DORVYN_HARDEN=ON \
    -DORVYN_BUILD_TESTS=OFF -DORVYN_BUILD_BENCH=OFF "${launcher[@]}" >"$WORK/configure.log" 2>&1 \
    || { cat "$WORK/configure.log" >&2; fail "configuring the package build failed"; }
  cmake --build "$PKG" -j "${JOBS:-$(nproc)}" >"$WORK/build.log" 2>&1 \
    || { tail -50 "$WORK/build.log" >&2; fail "the package build failed"; }
fi

cd "$PKG"
rm -f "$PKG"/package/orvyn-vantor_*.deb
cpack -G DEB >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log" >&2; fail "cpack failed"; }
DEB=$(ls "$PKG"/package/orvyn-vantor_*_amd64.deb)
[ "$(echo "$DEB" | wc -l)" -eq 1 ] || fail "expected one package, found: $DEB"
echo "check-package: built $DEB"

# --- lintian and validators -------------------------------------------------
# Root is fine inside a CI container. Information tags are shown; errors,
# warnings, missing hardening and duplicated files fail.
lintian --no-cfg --allow-root -I --pedantic "$DEB" >"$WORK/lintian.log" 2>&1 || true
cat "$WORK/lintian.log"
if grep -q '^[EW]:' "$WORK/lintian.log"; then fail "lintian reports errors or warnings"; fi
if grep -Eq ' (hardening-[a-z-]+|[a-z-]*duplicate[a-z-]*)( |$)' "$WORK/lintian.log"; then
  fail "lintian reports missing hardening or duplicated files"
fi

ROOT=$WORK/root
dpkg -x "$DEB" "$ROOT"
for entry in "$ROOT"/usr/share/applications/*.desktop "$ROOT"/etc/xdg/autostart/*.desktop; do
  desktop-file-validate "$entry" || fail "desktop-file-validate: ${entry#"$ROOT"}"
done
appstreamcli validate --no-net --pedantic "$ROOT"/usr/share/metainfo/*.metainfo.xml \
  || fail "appstreamcli finds fault with the metainfo"

# --- contents ---------------------------------------------------------------
chmod -R a-w "$ROOT/usr"
PROG=$ROOT/usr/lib/orvyn-vantor
for f in Monitor Option OSD kbsim vantorctl devbridge.so uitext.so "User Manual.pdf" skins/skin_Config.ini \
         ../udev/rules.d/70-orvyn-vantor.rules ../../share/man/man1/vantorctl.1.gz \
         ../../share/man/man1/orvyn-vantor.1.gz ../../share/man/man1/orvyn-vantor-monitor.1.gz \
         "../../share/doc/orvyn-vantor/User Manual.pdf" "../../share/orvyn-vantor/User Manual.pdf" ../../share/applications/orvyn-vantor-option.desktop \
         ../../share/applications/orvyn-vantor-monitor.desktop ../../share/icons/hicolor/48x48/apps/orvyn-vantor.png \
         ../../share/bash-completion/completions/vantorctl ../../share/metainfo/example.orvyn.Vantor.metainfo.xml \
         ../../../etc/xdg/autostart/orvyn-vantor-monitor.desktop; do
  [ -e "$PROG/$f" ] || fail "the package lacks ${f#../}"
done
# Every skin file the build made is in the package.
diff <(cd "$PKG/bin/skins" && find . -type f | sort) <(cd "$PROG/skins" && find . -type f | sort) \
  || fail "the package's skins differ from the build's"
# On PATH: lower-case names only, and no development tools.
for link in orvyn-vantor:Option orvyn-vantor-monitor:Monitor vantorctl:vantorctl; do
  [ "$(readlink -f "$ROOT/usr/bin/${link%%:*}")" = "$(readlink -f "$PROG/${link#*:}")" ] \
    || fail "/usr/bin/${link%%:*} is not a link to ${link#*:}"
done
[ "$(ls "$ROOT/usr/bin" | sort | tr '\n' ' ')" = "orvyn-vantor orvyn-vantor-monitor vantorctl " ] \
  || fail "unexpected names in /usr/bin: $(ls "$ROOT/usr/bin" | tr '\n' ' ')"
# One copy of each file: no two regular files with the same contents. A skin
# set is one unit a user may swap for another; its pictures repeat by design.
dupes=$(find "$ROOT" -type f ! -path "$PROG/skins/*" -exec md5sum {} + | sort | uniq -w32 -D)
[ -z "$dupes" ] || fail "files shipped twice: $dupes"
for entry in "$ROOT"/usr/share/applications/*.desktop; do
  grep -q '^StartupWMClass=' "$entry" || fail "${entry#"$ROOT"} has no StartupWMClass"
done
grep -q '/etc/udev/rules.d/' "$ROOT/usr/lib/udev/rules.d/70-orvyn-vantor.rules" \
  || fail "the udev rule does not say to copy it to /etc/udev/rules.d/ for other ids"
version=$(dpkg-deb -f "$DEB" Version)

# --- run from the scratch root -----------------------------------------------
# From the scratch root only: no build folder on the way.
export XDG_RUNTIME_DIR=$WORK/run XDG_CONFIG_HOME=$WORK/config HOME=$WORK/home
unset ORVYN_VANTOR_HOME DISPLAY WAYLAND_DISPLAY
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
export ORVYN_KEYBOARD=emulator ORVYN_TIME_SCALE=0.01 QT_QPA_PLATFORM=offscreen
"$ROOT/usr/bin/vantorctl" --help | grep -q "^Usage: vantorctl" || fail "vantorctl --help printed no usage"
"$ROOT/usr/bin/vantorctl" --version | grep -q "^vantorctl $version " \
  || fail "vantorctl --version does not print the package version $version"
"$PROG/kbsim" serve >"$WORK/kbsim.log" 2>&1 &
pids+=($!)
"$ROOT/usr/bin/orvyn-vantor-monitor" >"$WORK/monitor.log" 2>&1 &
pids+=($!)
# Monitor finds its device module and the keyboard, vantorctl its language
# module: the status reads the keyboard as connected.
for _ in $(seq 50); do
  if "$ROOT/usr/bin/vantorctl" status >"$WORK/status.txt" 2>&1; then break; fi
  sleep 0.1
done
grep -q "Keyboard: connected" "$WORK/status.txt" || { cat "$WORK/status.txt" "$WORK/monitor.log" >&2; fail "Monitor from the package did not reach the keyboard"; }
"$ROOT/usr/bin/vantorctl" profile 2 || fail "vantorctl profile 2 failed"
[ "$("$ROOT/usr/bin/vantorctl" profile | cut -f1)" = 2 ] || fail "the profile did not change"
# An installed suite keeps its settings in ~/.config/orvyn-vantor/ as its
# program folder is not writable; root may write anywhere (the scratch root
# is not under /usr/), so only a user sees that here. Installed for real
# below, root's settings are checked as well.
if [ "$(id -u)" -ne 0 ]; then
  find "$XDG_CONFIG_HOME/orvyn-vantor" -name config.ini | grep -q . || fail "no settings in \$XDG_CONFIG_HOME/orvyn-vantor"
fi
"$ROOT/usr/bin/orvyn-vantor-monitor" --quit >/dev/null 2>&1 || true
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
wait 2>/dev/null || true
pids=()
echo "check-package: lintian and validators clean; vantorctl and Monitor run from the unpacked package"

# --- install, start, purge ---------------------------------------------------
if [ "$(id -u)" -ne 0 ] || { [ -z "${CI:-}" ] && [ -z "${ORVYN_PACKAGE_INSTALL:-}" ]; }; then
  echo "check-package: not installed for real (only as root in CI, or with ORVYN_PACKAGE_INSTALL=1)"
  exit 0
fi
if dpkg-query -W -f='${Status}' orvyn-vantor 2>/dev/null | grep -q "installed"; then
  echo "check-package: orvyn-vantor is already installed on this machine; not installing over it"
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
installed=yes
apt-get install -y -q --no-install-recommends "$DEB" >"$WORK/apt.log" 2>&1 \
  || { cat "$WORK/apt.log" >&2; fail "apt-get install of the package failed"; }
dpkg -L orvyn-vantor >"$WORK/files.txt"
for name in orvyn-vantor orvyn-vantor-monitor vantorctl; do
  [ "$(command -v "$name")" = "/usr/bin/$name" ] || fail "$name is not on PATH once installed"
done
! PATH=/usr/local/bin:/usr/bin:/bin command -v kbsim >/dev/null || fail "kbsim is on PATH once installed"

# The launcher opens the window: it has its title, the class the entry names
# and an icon. Monitor and the keyboard as a user has them.
export XDG_RUNTIME_DIR=$WORK/run2 XDG_CONFIG_HOME=$WORK/config2 HOME=$WORK/home2
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
unset QT_QPA_PLATFORM
wmclass=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/orvyn-vantor-option.desktop)
cat >"$WORK/window.sh" <<'EOF'
set -euo pipefail
/usr/lib/orvyn-vantor/kbsim serve >"$1/kbsim2.log" 2>&1 &
kbsim=$!
orvyn-vantor-monitor >"$1/monitor2.log" 2>&1 &
monitor=$!
orvyn-vantor >"$1/option.log" 2>&1 &
option=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name "^Orvyn Vantor Keyboard Option\$" 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
status=0
if [ -z "$window" ]; then
  echo "no window" >"$1/window.txt"
  status=1
else
  xprop -id "$window" WM_CLASS _NET_WM_ICON >"$1/window.txt" 2>&1 || status=1
fi
orvyn-vantor-monitor --quit >/dev/null 2>&1 || true
kill "$option" "$monitor" "$kbsim" 2>/dev/null || true
wait 2>/dev/null || true
exit $status
EOF
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$WORK/window.sh" "$WORK" \
  || { cat "$WORK/window.txt" "$WORK/option.log" "$WORK/monitor2.log" >&2 2>/dev/null; fail "the installed launcher opened no window"; }
grep -q "^WM_CLASS(STRING) = .*, \"$wmclass\"\$" "$WORK/window.txt" \
  || { cat "$WORK/window.txt" >&2; fail "the window's class is not the entry's StartupWMClass ($wmclass)"; }
[ -d "$XDG_CONFIG_HOME/orvyn-vantor/config" ] \
  || fail "the installed suite made no settings folder in \$XDG_CONFIG_HOME/orvyn-vantor"
# xprop shows the icon's sizes as pictures ("Icon (16 x 16):").
if ! grep -q 'Icon (' "$WORK/window.txt"; then
  cat "$WORK/window.txt" >&2
  fail "the window has no icon (_NET_WM_ICON)"
fi

apt-get purge -y -q orvyn-vantor >"$WORK/purge.log" 2>&1 || { cat "$WORK/purge.log" >&2; fail "apt-get purge failed"; }
installed=no
# Nothing of the package is left: no file it listed, no folder of its own.
left=()
while IFS= read -r path; do
  if [ -L "$path" ] || [ -f "$path" ]; then
    left+=("$path")
  elif [ -d "$path" ] && [[ "$path" == *orvyn-vantor* ]]; then
    left+=("$path/")
  fi
done <"$WORK/files.txt"
[ ${#left[@]} -eq 0 ] || { find "${left[@]}" -maxdepth 2 >&2; fail "the purge left: ${left[*]}"; }
! dpkg-query -W orvyn-vantor >/dev/null 2>&1 || fail "dpkg still knows orvyn-vantor after the purge"
echo "check-package: installed with apt-get, the launcher opened the window, the purge left nothing"
