#!/usr/bin/env bash
# Runs every fuzz target in <folder> for <seconds>, each from its seed corpus
# in fuzz/<folder>/corpus/<target> when there is one (fuzz/ mirrors src/ and
# tools/, so <folder> may be nested: fuzz/option/skin).
set -euo pipefail
dir=${1:?fuzz binary folder}
seconds=${2:-15}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob globstar
count=0
for target in "$dir"/*; do
  [ -x "$target" ] && [ -f "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=()
  for seed in "$root"/fuzz/**/corpus/"$name"; do seeds+=("$seed"); done
  echo "-- $name"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$work" "${seeds[@]}" 2>&1 | tail -n 12
  rm -rf "$work"
  count=$((count + 1))
done
echo "run-fuzzers: $count targets ran without a finding"
