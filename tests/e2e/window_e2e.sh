#!/usr/bin/env bash
# The real program under Xvfb: the loading box, the window and its drawable,
# the end by Escape and by a close request, both with exit code 0.
# Usage: window_e2e.sh SHOWCASE DATA_DIR CLOSE_REQUEST OUT_DIR
set -uo pipefail
showcase="$1" data="$2" close_request="$3" out="$4"
source "$(dirname "$0")/lib.sh"
trap stop_all EXIT
mkdir -p "$out"
start_xvfb || fail "Xvfb"

run_until() {  # $1 = how to end: escape | close
  (cd "$data" && exec "$showcase") & APP_PID=$!
  answer_box "Informazione" || fail "loading box"
  local win
  win=$(wait_window "Kestrova - Kestrova Phy demo" 60) || fail "main window"
  local geometry
  geometry=$(xwininfo -id "$win" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}')
  [ "$geometry" = "800x600" ] || fail "drawable is $geometry, not 800x600"
  sleep 1
  xwd -id "$win" -silent | convert xwd:- "$out/window-$1.png" 2>/dev/null || true
  # Asked again if the program is still there: a busy machine may deliver the
  # first request before the window takes keys.
  for _ in 1 2 3 4 5 6; do
    if [ "$1" = escape ]; then
      xdotool windowfocus "$win" 2>/dev/null; xdotool key --window "$win" Escape
    else
      "$close_request" "$win"
    fi
    wait_exit "$APP_PID" 10
    [ "$EXIT_CODE" = timeout ] || break
  done
  APP_PID=""
  [ "$EXIT_CODE" = 0 ] || fail "ended by $1 with $EXIT_CODE"
  echo "ok: ended by $1 with exit code 0"
}

run_until escape
run_until close
