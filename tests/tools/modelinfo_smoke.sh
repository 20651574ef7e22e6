#!/usr/bin/env bash
# kestrova-modelinfo reads a height map into JSON and a picture, a BVH motion
# into its bones and joints, and fails on files it cannot read.
set -euo pipefail
tool=$1
dir=$2
mkdir -p "$dir"
ter=$dir/small.ter
printf 'KESTROVA HEIGHT MAP\n [size]\ndX: 1\ndY: 1\nnX: 3\n\nnY: 2\n 4\n 5\n 6\n 7\n 8\n 12\n' > "$ter"

json=$("$tool" "$ter" --json)
for expected in '"kind": "ter"' '"nX": 3' '"nY": 2' '"heightMin": 4.0' '"heightMax": 12.0'; do
  grep -qF "$expected" <<< "$json" || { echo "missing $expected in: $json"; exit 1; }
done

rm -f "$dir/small.png"
"$tool" "$ter" --png "$dir/small.png" --camera 2 > /dev/null
[ -s "$dir/small.png" ] || { echo "no picture written"; exit 1; }

# A motion of two joints: at frame 2 the root stands at (0, 10, 0) turned 90
# degrees about z, which carries the child's offset (0, 6, 0) to (-6, 0, 0).
bvh=$dir/two-joints.bvh
printf 'HIERARCHY\nROOT Hips\n{\n OFFSET 0 0 0\n CHANNELS 6 Xposition Yposition Zposition Zrotation Xrotation Yrotation\n JOINT Spine\n {\n  OFFSET 0 6 0\n  CHANNELS 3 Zrotation Xrotation Yrotation\n }\n}\nMOTION\nFrames: 2\nFrame Time: 0.1\n0 10 0 0 0 0 0 0 0\n0 10 0 90 0 0 0 0 0\n' > "$bvh"
json=$("$tool" "$bvh" --json --frame 2 | tr -d ' \n')
for expected in '"kind":"bvh"' '"FNUMBONES":2' '"FNUMFRAMES":2' '"FPARENTNAME":"Hips"' '"joints":[[0.0,10.0,0.0],[-6.0,10.0'; do
  grep -qF "$expected" <<< "$json" || { echo "missing $expected in: $json"; exit 1; }
done
printf 'nothing here\n' > "$dir/empty.txt"

for bad in "$dir/missing.3ds" "$dir/small.png" "$dir/empty.txt"; do
  if "$tool" "$bad" > /dev/null 2>&1; then echo "$bad was read"; exit 1; fi
done
printf 'KESTROVA\ndX: 9\n' > "$dir/broken.ter"
if "$tool" "$dir/broken.ter" > /dev/null 2>&1; then echo "a broken height map was read"; exit 1; fi
echo ok
