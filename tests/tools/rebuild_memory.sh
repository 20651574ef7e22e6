#!/usr/bin/env bash
# Holding R rebuilds a scene every frame; the abandoned worlds are freed, so
# 600 rebuilds take no more memory than 100. The hanging puppets also free the
# display lists of their bones: their live heap stays level from one half of
# the run to the other.
# Usage: rebuild_memory.sh KESTROVA_RUN OUT_DIR
set -euo pipefail
run="$1" out="$2"
mkdir -p "$out"
peak() {
  "$run" --scene 200 --frames "$1" --hold "R@1-$1" --json "$out/rebuild-$1.json" 2>/dev/null
  sed -n 's/.*"peak_memory_kb": \([0-9]*\).*/\1/p' "$out/rebuild-$1.json"
}
short=$(peak 100)
long=$(peak 600)
echo "peak memory: $short KB after 100 rebuilds, $long KB after 600"
[ $((long - short)) -lt 20000 ] || { echo "memory grows with rebuilds"; exit 1; }

"$run" --scene 601 --frames 150 --hold "R@1-150" --json "$out/rebuild-601.json" 2>/dev/null
read -r first second < <(sed -n 's/.*"first_half": \([0-9]*\), "second_half": \([0-9]*\).*/\1 \2/p' "$out/rebuild-601.json")
echo "puppets: live heap peak $first KB in the first 75 rebuilds, $second KB in the next 75"
[ $((second - first)) -lt 512 ] || { echo "the puppets' memory grows with rebuilds"; exit 1; }
