#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and runs every test: the normal build
# with all tests, the AddressSanitizer/UBSan build with all tests, and a
# short run of every fuzz target. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
JOBS=${JOBS:-$(nproc)}
FUZZ_SECONDS=${FUZZ_SECONDS:-6}

bash scripts/install-deps.sh

run_tests() { # <build dir>
  # The desktop tests run where their desktop is installed: a headless sway
  # and foot (always, from install-deps.sh), KWin and GNOME Shell (only with
  # install-deps.sh --desktops).
  local skip=() absent=()
  command -v sway >/dev/null 2>&1 && command -v foot >/dev/null 2>&1 || absent+=(wayland)
  command -v kwin_wayland >/dev/null 2>&1 || absent+=(kde)
  command -v gnome-shell >/dev/null 2>&1 || absent+=(gnome)
  if [ ${#absent[@]} -gt 0 ]; then
    skip=(-LE "$(IFS='|'; echo "${absent[*]}")")
  fi
  # Tests get a private X server (for the xcb window tests) and D-Bus session.
  dbus-run-session -- xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" \
    ctest --test-dir "$1" --output-on-failure -j "$JOBS" --timeout 600 "${skip[@]}"
}

# A clean build's time goes mostly into the tests: they share a precompiled
# GoogleTest header, and line tables (-g1) are all the debug information a
# failure's backtrace needs.
echo "== build (RelWithDebInfo) [${SECONDS}s]"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVYN_TEST_PCH=ON \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
cmake --build build -j "$JOBS"
echo "== tests [${SECONDS}s]"
run_tests build

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer) [${SECONDS}s]"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVYN_SANITIZE=ON -DORVYN_BUILD_BENCH=OFF \
  -DORVYN_TEST_PCH=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1
cmake --build build-asan -j "$JOBS"
echo "== tests under sanitizers [${SECONDS}s]"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_tests build-asan
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== fuzz targets (${FUZZ_SECONDS}s each) [${SECONDS}s]"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVYN_BUILD_FUZZ=ON -DORVYN_BUILD_TESTS=OFF -DORVYN_BUILD_BENCH=OFF -DORVYN_BUILD_GUI=OFF -DORVYN_SANITIZE=ON
cmake --build build-fuzz -j "$JOBS"
bash scripts/run-fuzzers.sh build-fuzz/fuzz "$FUZZ_SECONDS"
echo "== all tests passed [${SECONDS}s]"
