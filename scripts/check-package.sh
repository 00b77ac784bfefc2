#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: lintian finds
# no errors, and the suite unpacked into a scratch root runs from there
# (vantorctl through its /usr/bin link, Monitor with the emulated keyboard)
# with the modules and skins of the package, not of the build.
# Usage: check-package.sh <build folder>
set -euo pipefail
BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  chmod -R u+w "$WORK" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

cd "$BUILD"
cpack -G DEB -B "$BUILD/package" >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log" >&2; fail "cpack failed"; }
DEB=$(ls "$BUILD"/package/orvyn-vantor_*_amd64.deb)
[ "$(echo "$DEB" | wc -l)" -eq 1 ] || fail "expected one package, found: $DEB"
echo "check-package: built $(basename "$DEB")"

# Root is fine inside a CI container; errors fail the check, warnings are shown.
lintian --no-cfg --allow-root "$DEB" >"$WORK/lintian.log" 2>&1 || true
cat "$WORK/lintian.log"
if grep -q '^E:' "$WORK/lintian.log"; then fail "lintian reports errors"; fi

ROOT=$WORK/root
dpkg -x "$DEB" "$ROOT"
chmod -R a-w "$ROOT/usr"
PROG=$ROOT/usr/lib/orvyn-vantor
for f in Monitor Option OSD kbsim vantorctl devbridge.so uitext.so "User Manual.pdf" skins/skin_Config.ini \
         ../udev/rules.d/70-orvyn-vantor.rules ../../share/man/man1/vantorctl.1.gz \
         ../../share/bash-completion/completions/vantorctl ../../share/metainfo/example.orvyn.Vantor.metainfo.xml \
         ../../../etc/xdg/autostart/orvyn-vantor-monitor.desktop; do
  [ -e "$PROG/$f" ] || fail "the package lacks ${f#../}"
done
# Every skin file the build made is in the package.
diff <(cd "$BUILD/bin/skins" && find . -type f | sort) <(cd "$PROG/skins" && find . -type f | sort) \
  || fail "the package's skins differ from the build's"
for link in Option vantorctl kbsim; do
  [ "$(readlink -f "$ROOT/usr/bin/$link")" = "$(readlink -f "$PROG/$link")" ] || fail "/usr/bin/$link is not a link to the program"
done

# From the scratch root only: no build folder on the way.
export XDG_RUNTIME_DIR=$WORK/run XDG_CONFIG_HOME=$WORK/config HOME=$WORK/home
unset ORVYN_VANTOR_HOME DISPLAY WAYLAND_DISPLAY
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
export ORVYN_KEYBOARD=emulator ORVYN_TIME_SCALE=0.01 QT_QPA_PLATFORM=offscreen
"$ROOT/usr/bin/vantorctl" --help | grep -q "^Usage: vantorctl" || fail "vantorctl --help printed no usage"
"$ROOT/usr/bin/kbsim" serve >"$WORK/kbsim.log" 2>&1 &
pids+=($!)
"$PROG/Monitor" >"$WORK/monitor.log" 2>&1 &
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
# program folder is not writable; root may write anywhere, so only a user
# sees that.
if [ "$(id -u)" -ne 0 ]; then
  find "$XDG_CONFIG_HOME/orvyn-vantor" -name config.ini | grep -q . || fail "no settings in \$XDG_CONFIG_HOME/orvyn-vantor"
fi
echo "check-package: lintian clean of errors; vantorctl and Monitor run from the unpacked package"
