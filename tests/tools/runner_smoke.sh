#!/usr/bin/env bash
# The scene runner writes an 800 x 600 PNG of the last frame (or one of --size) and a JSON report,
# lists the scenes with their keys, repeats a scene exactly with a fixed seed, also after another
# run in the same process,
# grabs a body with either grab button,
# and plays a BVH motion as the model viewer does.
# Usage: runner_smoke.sh KESTROVA_RUN OUT_DIR SAMPLES_DIR
set -euo pipefail
run="$1" out="$2" samples="$3"
mkdir -p "$out"
rm -f "$out/a.png" "$out/a.json"
"$run" --frames 30 --png "$out/a.png" --json "$out/a.json" 2>/dev/null

[ -s "$out/a.png" ] || { echo "no PNG"; exit 1; }
# IHDR: width and height as big-endian 32-bit numbers at bytes 16..23.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print ($1*16777216+$2*65536+$3*256+$4) "x" ($5*16777216+$6*65536+$7*256+$8)}'; }
size=$(png_size "$out/a.png")
[ "$size" = "800x600" ] || { echo "PNG is $size"; exit 1; }
# --size resizes the window before the first frame.
"$run" --frames 2 --size 1024x400 --png "$out/wide.png" 2>/dev/null
[ "$(png_size "$out/wide.png")" = "1024x400" ] || { echo "--size 1024x400 gave $(png_size "$out/wide.png")"; exit 1; }
if "$run" --size 1024 2>/dev/null; then echo "--size 1024 was not refused"; exit 1; fi
for key in '"scene": 0' '"frames": 30' '"startup_ms"' '"frame_ms"' '"median"' '"p95"' '"max"' '"physics_ms"' '"bodies"' \
  '"nonfinite_bodies": 0' '"heap_peak_kb"'; do
  grep -q "$key" "$out/a.json" || { echo "JSON lacks $key"; cat "$out/a.json"; exit 1; }
done
"$run" --list-scenes | grep -qx "201 R D 1 2" || { echo "scene list lacks 201 and its keys"; exit 1; }

# The joints scene spins its bridge planks at random: the same seed, the same picture.
for n in 1 2; do "$run" --scene 201 --frames 40 --seed 7 --png "$out/seed7-$n.png" 2>/dev/null; done
cmp -s "$out/seed7-1.png" "$out/seed7-2.png" || { echo "--seed 7 gave two different pictures"; exit 1; }
# Runs joined by --then share one start-up and write their own reports: the joints scene played
# after the start screen looks as it does alone.
rm -f "$out/then-start.json"
"$run" --frames 5 --json "$out/then-start.json" --then --scene 201 --frames 40 --seed 7 --png "$out/seed7-then.png" 2>/dev/null
grep -q '"frames": 5' "$out/then-start.json" && cmp -s "$out/seed7-1.png" "$out/seed7-then.png" ||
  { echo "the joints scene after --then differs from the scene alone"; exit 1; }
if "$run" --list-scenes --then --frames 2 2>/dev/null; then echo "--list-scenes was joined by --then"; exit 1; fi

# The middle button and Ctrl with the left one both grab the top box of the wall and lift it away.
grab="430,95@50-100 --move 640,60@60"
for how in none middle ctrl-left; do
  press=""; [ "$how" = none ] || press="--press-$how $grab"
  # shellcheck disable=SC2086
  "$run" --scene 204 --frames 100 --seed 3 $press --png "$out/grab-$how.png" 2>/dev/null
done
cmp -s "$out/grab-middle.png" "$out/grab-ctrl-left.png" || { echo "Ctrl+left grabbed otherwise than the middle button"; exit 1; }
if cmp -s "$out/grab-none.png" "$out/grab-middle.png"; then echo "the middle button grabbed nothing"; exit 1; fi

# The vehicle scene reports its car: driven with UP it stands on the ground, gone towards -z.
"$run" --scene 808 --frames 60 --hold UP@20-60 --json "$out/v.json" 2>/dev/null
grep -q '"ground_contact": true' "$out/v.json" || { echo "car not on the ground"; cat "$out/v.json"; exit 1; }
z=$(sed -n 's/.*"position": \[[^,]*, [^,]*, \([-0-9.e+]*\)\].*/\1/p' "$out/v.json")
awk -v z="$z" 'BEGIN { exit !(z < -5) }' || { echo "car at z = $z"; exit 1; }
# The walk moves a frame per displayed frame: after 30 frames the joints stand elsewhere than after one.
for n in 1 30; do "$run" --model "$samples/walk.bvh" --frames "$n" --json "$out/walk$n.json" 2>/dev/null; done
grep -q '"motion_frame": 30' "$out/walk30.json" || { echo "walk not at frame 30"; cat "$out/walk30.json"; exit 1; }
for key in '"load_ms"' '"median"' '"p95"'; do
  grep -q "$key" "$out/walk30.json" || { echo "walk JSON lacks $key"; cat "$out/walk30.json"; exit 1; }
done
joints() { grep -o '"joints": .*' "$1"; }
[ -n "$(joints "$out/walk1.json")" ] && [ "$(joints "$out/walk1.json")" != "$(joints "$out/walk30.json")" ] ||
  { echo "the walk's joints did not move"; exit 1; }
if "$run" --model "$out/missing.txt" 2>/dev/null; then echo "a missing model was not refused"; exit 1; fi
echo "runner ok"
