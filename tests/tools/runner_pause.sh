#!/usr/bin/env bash
# Pausing through the scene runner, on the falling puppets (a fixed step, so
# runs of the same seed repeat exactly): P freezes the world, O while paused
# lets exactly one update through however long it is held, P again resumes,
# and F2 shows the statistics panel in the picture.
# Usage: runner_pause.sh KESTROVA_RUN OUT_DIR
set -euo pipefail
run="$1" out="$2"
mkdir -p "$out"
puppets() { local name=$1; shift; "$run" --scene 600 --seed 3 --json "$out/$name.json" "$@" 2>/dev/null; }
digest() { sed -n 's/.*"world_digest": "\([0-9a-f]*\)".*/\1/p' "$out/$1.json"; }
paused() { grep -q '"paused": true' "$out/$1.json"; }

puppets one --frames 1
puppets two --frames 2
[ -n "$(digest one)" ] && [ "$(digest one)" != "$(digest two)" ] || { echo "an update did not show in the digest"; exit 1; }

# One update in frame 1, then paused from frame 2 on.
puppets frozen --frames 40 --hold P@2
paused frozen && [ "$(digest frozen)" = "$(digest one)" ] || { echo "the paused world moved"; exit 1; }
# The first update of a run comes before any gravity level is applied, so the
# runs below that pause first are compared with runs that pause first too.
# Paused on frame 1 and O held on frames 10 to 20: one update, as P on frames
# 1 and 3 gives.
puppets stepped --frames 40 --hold P@1 --hold O@10-20
puppets once --frames 3 --hold P@1 --hold P@3
paused stepped && [ "$(digest stepped)" = "$(digest once)" ] || { echo "O did not advance exactly one update"; exit 1; }
# Paused on frames 1 to 9, running again from frame 10: 31 updates in all.
puppets resumed --frames 40 --hold P@1 --hold P@10
puppets running --frames 33 --hold P@1 --hold P@3
! paused resumed && [ "$(digest resumed)" = "$(digest running)" ] || { echo "P did not resume the world"; exit 1; }

puppets plain --frames 10 --png "$out/plain.png"
puppets panel --frames 10 --hold F2@5 --png "$out/panel.png"
! cmp -s "$out/plain.png" "$out/panel.png" || { echo "F2 showed no panel"; exit 1; }
echo "pause ok"
