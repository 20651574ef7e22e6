#!/usr/bin/env bash
# Holding R rebuilds a scene every frame; the abandoned worlds are freed, so
# 600 rebuilds take no more memory than 100, in the scenes with few bodies and
# with a thousand alike.
# Usage: rebuild_memory.sh KESTROVA_RUN OUT_DIR
set -euo pipefail
run="$1" out="$2"
mkdir -p "$out"
peak() {
  "$run" --scene "$1" --frames "$2" --hold "R@1-$2" --json "$out/rebuild-$1-$2.json" 2>/dev/null
  sed -n 's/.*"peak_memory_kb": \([0-9]*\).*/\1/p' "$out/rebuild-$1-$2.json"
}
for scene in 200 500; do
  short=$(peak "$scene" 100)
  long=$(peak "$scene" 600)
  echo "scene $scene peak memory: $short KB after 100 rebuilds, $long KB after 600"
  [ $((long - short)) -lt 20000 ] || { echo "memory grows with rebuilds in scene $scene"; exit 1; }
done
