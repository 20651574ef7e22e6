#!/usr/bin/env bash
# The data generator writes the same bytes on every run: two runs into fresh
# folders give identical files, and the build's data folder holds the same.
# Usage: datagen_repeatable.sh KESTROVA_DATAGEN DATA_DIR OUT_DIR
set -euo pipefail
datagen="$1" data="$2" out="$3"
rm -rf "$out/first" "$out/second"
"$datagen" "$out/first"
"$datagen" "$out/second"
count=0
while IFS= read -r -d '' file; do
  name="${file#"$out/first/"}"
  cmp -s "$file" "$out/second/$name" || { echo "$name differs between two runs"; exit 1; }
  cmp -s "$file" "$data/$name" || { echo "$name differs from the build's data folder"; exit 1; }
  count=$((count + 1))
done < <(find "$out/first" -type f -print0)
[ "$count" -ge 21 ] || { echo "only $count files written"; exit 1; }
echo "datagen repeatable: $count files"
