#!/bin/sh
# Runs foreground_bench on a headless sway with two foot windows (as
# "nobody" when run as root, as the tests do).
#   bench/monitor/foreground-bench.sh BUILD_DIR [ROUNDS]
set -eu
build=$1
rounds=${2:-200}
here=$(cd "$(dirname "$0")" && pwd)
testbed="$here/../../tests/integration/monitor/sway-testbed.sh"
dir=$(mktemp -d /tmp/sway-bench-XXXXXX)
"$testbed" compositor "$dir" & sway=$!
trap 'kill $sway 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -S "$dir/wayland-1" ] && break; sleep 0.05; done
"$testbed" window "$dir" bench.a & "$testbed" window "$dir" bench.b &
for _ in $(seq 100); do
  n=$(SWAYSOCK=$(ls "$dir"/sway-ipc.*.sock) swaymsg -t get_tree | grep -c "\"app_id\": \"bench") || true
  [ "$n" -ge 2 ] && break
  sleep 0.05
done
WAYLAND_DISPLAY="$dir/wayland-1" SWAYSOCK=$(ls "$dir"/sway-ipc.*.sock) \
  "$build/bench/foreground_bench" sway bench.a bench.b "$rounds"
