#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the suite and runs it against the
# keyboard emulator: kbsim (the keyboard), Monitor (resident) and Option
# (the configuration window). Ctrl+C stops everything.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

BIN=$ROOT/build/bin
export ORVYN_KEYBOARD=emulator
export ORVYN_VANTOR_HOME=${ORVYN_VANTOR_HOME:-$ROOT/build/home}
mkdir -p "$ORVYN_VANTOR_HOME/config"

missing=()
for program in kbsim Monitor Option; do
  [ -x "$BIN/$program" ] || missing+=("$program")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "run-emulator: built, but these programs do not exist yet: ${missing[*]}" >&2
  exit 1
fi

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT INT TERM

"$BIN/kbsim" serve --log "$ORVYN_VANTOR_HOME/kbsim.log" &
pids+=($!)
sleep 0.5
"$BIN/Monitor" &
pids+=($!)
sleep 1.5
echo "run-emulator: kbsim and Monitor are running; press the emulator's keys with"
echo "  $BIN/kbsim press profile 2     (see '$BIN/kbsim help')"
"$BIN/Option"
