#!/usr/bin/env bash
# The installed program under Xvfb, started from a folder of its own: the
# install's layout and desktop entry; --scene 200 finds its data next to the
# install and shows the scene; one loop of the tour names every scene once and
# a key ends it.
# Usage: install_e2e.sh BUILD_DIR OUT_DIR
set -uo pipefail
build="$1" out="$2"
source "$(dirname "$0")/lib.sh"
trap stop_all EXIT
rm -rf "$out" && mkdir -p "$out/elsewhere"
prefix="$out/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

program="$prefix/bin/kestrova-phy"
[ -x "$program" ] || fail "no $program"
for f in KevaPhy.ico logoKestrova.tga Arrow01.tga Arrow01_2.tga grotta.ter "citta incas.3ds" castello1.3ds grass.tga; do
  [ -s "$prefix/share/kestrova-phy/$f" ] || fail "no data file $f"
done
for size in 16 32 48 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/kestrova-phy.png"
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "icon $icon"
done
desktop-file-validate "$prefix/share/applications/kestrova-phy.desktop" || fail "desktop entry"
"$program" --version | grep -q '^Kestrova Phy [0-9]' || fail "--version"
"$program" --tour 0 >/dev/null 2>"$out/bad-option.txt"
[ $? = 2 ] && grep -q -- '--tour' "$out/bad-option.txt" || fail "a bad --tour value does not end with status 2"
echo "ok: installed layout"

start_xvfb || fail "Xvfb"
cd "$out/elsewhere" || fail "cd"

# The scene's floor lit in the middle of the window, and the logo drawn from its
# texture (a missing file leaves a white quad and a message box).
scene_shown() { awk -v f="$floor" -v l="$logo" 'BEGIN { exit !(f > 0.3 && l > 0.05 && l < 0.6) }'; }
"$program" --scene 200 --no-info >"$out/scene.out" 2>"$out/scene.err" & APP_PID=$!
win=$(wait_window "Kestrova - Kestrova Phy demo" 90) || fail "main window"
# Every scene is built before the first frame: a busy machine takes a while.
for _ in $(seq 120); do
  sleep 1
  kill -0 "$APP_PID" 2>/dev/null || fail "the program ended: $(cat "$out/scene.err")"
  xwd -id "$win" -silent | convert xwd:- "$out/scene-200.png" || fail "screenshot"
  floor=$(convert "$out/scene-200.png" -crop 200x50+290+370 -colorspace Gray -format '%[fx:mean]' info:)
  logo=$(convert "$out/scene-200.png" -crop 240x30+20+65 -colorspace Gray -format '%[fx:mean]' info:)
  scene_shown && break
done
scene_shown || fail "no scene 200 (floor $floor) or no logo (logo $logo), see $out/scene-200.png"
end_with_escape "$win"
[ "$EXIT_CODE" = 0 ] || fail "scene 200 ended with $EXIT_CODE"
echo "ok: --scene 200 from another folder (floor $floor, logo $logo)"

# The tour: every scene of --help's list once, in that order, then the first again.
"$program" --help | awk '/^scenes:/ { on = 1; next } on { print $1 }' >"$out/scenes.txt"
[ "$(wc -l <"$out/scenes.txt")" -ge 20 ] || fail "--help lists $(wc -l <"$out/scenes.txt") scenes"
"$program" --tour 1 --no-info >"$out/tour.out" 2>"$out/tour.err" & APP_PID=$!
win=$(wait_window "Kestrova - Kestrova Phy demo" 90) || fail "main window (tour)"
scenes=$(wc -l <"$out/scenes.txt")
for _ in $(seq 3000); do
  [ "$(grep -c '^tour: [0-9]' "$out/tour.out")" -gt "$scenes" ] && break
  kill -0 "$APP_PID" 2>/dev/null || fail "the tour ended the program: $(tail -3 "$out/tour.err")"
  sleep 0.1
done
grep '^tour: [0-9]' "$out/tour.out" | head -n "$scenes" | awk '{ print $2 }' | diff - "$out/scenes.txt" \
  || fail "the tour's first loop differs from the scene list"
[ "$(grep '^tour: [0-9]' "$out/tour.out" | sed -n "$((scenes + 1))p" | awk '{ print $2 }')" = "$(head -n1 "$out/scenes.txt")" ] \
  || fail "the tour does not start over"
echo "ok: one loop of the tour, $scenes scenes"

# A key is the user taking over: the tour ends and the scene stays.
for _ in 1 2 3 4 5; do
  xdotool windowfocus "$win" 2>/dev/null; xdotool key --window "$win" d
  sleep 1
  grep -q '^tour: ended' "$out/tour.out" && break
done
grep -q '^tour: ended' "$out/tour.out" || fail "a key does not end the tour"
changes=$(grep -c '^tour: [0-9]' "$out/tour.out")
sleep 3
[ "$(grep -c '^tour: [0-9]' "$out/tour.out")" = "$changes" ] || fail "the tour goes on after a key"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended with the tour"
end_with_escape "$win"
[ "$EXIT_CODE" = 0 ] || fail "the tour ended with $EXIT_CODE"
echo "ok: a key ends the tour"
