#!/usr/bin/env bash
# Holding R rebuilds a scene every frame; the abandoned worlds are freed and the
# hidden records of the scenes that only append (the wall and cylinders of 208,
# the pins of 301 and 303) give their parts back, so 600 rebuilds take no more
# memory than 100. In the city and the castle every rebuild reads the scenery
# again: 300 rebuilds take at most a tenth more than 50. The hanging puppets
# also free the display lists of their bones: their live heap stays level from
# one half of the run to the other. PART (appending, sceneries or puppets) runs
# one of these three checks, so that they may run side by side; all by default.
# Usage: rebuild_memory.sh KESTROVA_RUN OUT_DIR [PART]
set -euo pipefail
run="$1" out="$2" part="${3:-all}"
mkdir -p "$out"
peak() {
  "$run" --scene "$1" --frames "$2" --hold "R@1-$2" --json "$out/rebuild-$1-$2.json" 2>/dev/null
  sed -n 's/.*"peak_memory_kb": \([0-9]*\).*/\1/p' "$out/rebuild-$1-$2.json"
}
appending() {
  for scene in 200 208 301 303 500; do
    short=$(peak "$scene" 100)
    long=$(peak "$scene" 600)
    echo "scene $scene: peak memory $short KB after 100 rebuilds, $long KB after 600"
    [ $((long - short)) -lt 20000 ] || { echo "scene $scene: memory grows with rebuilds"; exit 1; }
  done
}

sceneries() {
  for scene in 701 702; do
    short=$(peak "$scene" 50)
    long=$(peak "$scene" 300)
    echo "scene $scene: peak memory $short KB after 50 rebuilds, $long KB after 300"
    [ $((long * 10)) -le $((short * 11)) ] || { echo "scene $scene: memory grows with rebuilds"; exit 1; }
  done
}

puppets() {
  "$run" --scene 601 --frames 150 --hold "R@1-150" --json "$out/rebuild-601.json" 2>/dev/null
  read -r first second < <(sed -n 's/.*"first_half": \([0-9]*\), "second_half": \([0-9]*\).*/\1 \2/p' "$out/rebuild-601.json")
  echo "puppets: live heap peak $first KB in the first 75 rebuilds, $second KB in the next 75"
  [ $((second - first)) -lt 512 ] || { echo "the puppets' memory grows with rebuilds"; exit 1; }
}

case "$part" in
  appending | sceneries | puppets) "$part" ;;
  all) appending; sceneries; puppets ;;
  *) echo "PART is appending, sceneries or puppets, not '$part'" >&2; exit 2 ;;
esac
