#!/usr/bin/env bash
# The real program under Xvfb in a window resized to 1600 x 900: "Proiettili"
# chosen in the menu, the right gravity arrow clicked where it now stands
# changes the level's name, F12 writes a 1600 x 900 PNG named after the scene
# into the pictures folder, and F11 (which has no window manager to obey it
# here) leaves the program running.
# Usage: resize_e2e.sh SHOWCASE DATA_DIR OUT_DIR
set -uo pipefail
showcase="$1" data="$2" out="$3"
source "$(dirname "$0")/lib.sh"
pictures=$(mktemp -d)
trap 'stop_all; rm -rf "$pictures"' EXIT
mkdir -p "$out"
start_xvfb 2400x1200x24 || fail "Xvfb"

(cd "$data" && XDG_PICTURES_DIR="$pictures" exec "$showcase") & APP_PID=$!
answer_box "Informazione" || fail "loading box"
WIN=$(wait_window "Kestrova - Kestrova Phy demo" 60) || fail "main window"

shot() { xwd -id "$WIN" -silent | convert xwd:- "$out/$1.png"; }
click() {  # window-relative x y
  xdotool mousemove --window "$WIN" "$1" "$2"; sleep 0.15
  xdotool click 1; sleep 0.3
}
png_size() {  # IHDR: width and height as big-endian 32-bit numbers at bytes 16..23
  od -An -tu1 -j16 -N8 "$1" | awk '{print ($1*16777216+$2*65536+$3*256+$4) "x" ($5*16777216+$6*65536+$7*256+$8)}'
}

# The window stays where it was centred (moving it without a window manager
# leaves the menu bar reading the pointer at the old place); the screen is big
# enough for the whole resized window, so that pictures of it are not clipped.
xdotool windowsize "$WIN" 1600 900
for _ in $(seq 50); do
  geometry=$(xwininfo -id "$WIN" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}')
  [ "$geometry" = "1600x900" ] && break
  sleep 0.1
done
[ "$geometry" = "1600x900" ] || fail "window is $geometry, not 1600x900"

# Width of what is drawn (not black) in a strip of the window: WxH+X+Y.
drawn_width() {
  convert "$out/$1.png" -crop "$2" +repage -fuzz 15% -trim -format '%w' info: 2>/dev/null
}
# Start-up builds every scene before the first frame: as long as a busy machine needs.
for _ in $(seq 60); do
  shot start-1600x900
  [ "$(drawn_width start-1600x900 400x120+10+60)" -gt 250 ] 2>/dev/null && break
  sleep 0.5
done
[ "$(drawn_width start-1600x900 400x120+10+60)" -gt 250 ] || fail "no logo in the top-left corner"

level() { convert "$out/$1.png" -crop 300x36+1060+66 +repage -format '%#' info: 2>/dev/null; }
click 86 10           # "CorpiRigidi"
click 76 112          # "Proiettili", its fifth item
for _ in $(seq 60); do
  sleep 0.5
  shot scene-204-1600x900
  [ "$(drawn_width scene-204-1600x900 300x36+1060+66)" -gt 40 ] 2>/dev/null && break
done
[ "$(drawn_width scene-204-1600x900 300x36+1060+66)" -gt 40 ] || fail "no gravity level's name beside the arrows"
before=$(level scene-204-1600x900)

# The arrow steps the level on the 3rd frame it is held: held until the name
# changes, however slowly a busy machine draws.
xdotool mousemove --window "$WIN" 1044 87; sleep 0.2
xdotool mousedown 1
for _ in $(seq 100); do
  sleep 0.05
  shot gravity-up-1600x900
  [ "$(level gravity-up-1600x900)" != "$before" ] && break
done
xdotool mouseup 1; sleep 0.3
[ "$(level gravity-up-1600x900)" != "$before" ] || fail "the right arrow at 1044,87 did not change the level"

xdotool windowfocus "$WIN" 2>/dev/null
xdotool key --window "$WIN" F12
for _ in $(seq 100); do
  picture=$(ls "$pictures"/kestrova-204-*.png 2>/dev/null | head -n1)
  [ -n "$picture" ] && break
  sleep 0.1
done
[ -n "$picture" ] || fail "F12 wrote nothing into $pictures: $(ls "$pictures")"
sleep 0.5
[ "$(png_size "$picture")" = "1600x900" ] || fail "the picture is $(png_size "$picture")"
cp "$picture" "$out/f12-picture.png"
shot notice

xdotool key --window "$WIN" F11; sleep 0.5
xdotool key --window "$WIN" F11; sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after F11"
end_with_escape "$WIN"
[ "$EXIT_CODE" = 0 ] || fail "ended with $EXIT_CODE"
echo "ok: arrow, F12 and F11 in a 1600 x 900 window"
