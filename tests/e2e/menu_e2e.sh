#!/usr/bin/env bash
# The real program under Xvfb, driven with the mouse: the start screen, a scene
# chosen in the menu, its help box, the right gravity arrow, the first-person
# game "Paesaggio", and "Esci".
# Usage: menu_e2e.sh SHOWCASE DATA_DIR OUT_DIR
set -uo pipefail
showcase="$1" data="$2" out="$3"
source "$(dirname "$0")/lib.sh"
trap stop_all EXIT
mkdir -p "$out"
start_xvfb || fail "Xvfb"

(cd "$data" && exec "$showcase") & APP_PID=$!
answer_box "Informazione" || fail "loading box"
WIN=$(wait_window "Kestrova - Kestrova Phy demo" 60) || fail "main window"

shot() { xwd -id "$WIN" -silent | convert xwd:- "$out/$1.png"; }
# Width of what is drawn (not black) in a strip of the window: WxH+X+Y.
drawn_width() {
  convert "$out/$1.png" -crop "$2" +repage -fuzz 15% -trim -format '%w' info: 2>/dev/null
}
click() {  # window-relative x y
  xdotool mousemove --window "$WIN" "$1" "$2"; sleep 0.15
  xdotool click 1; sleep 0.3
}

# Start-up builds every scene before the first frame: as long as a busy machine needs.
for _ in $(seq 60); do
  shot start
  [ "$(drawn_width start 260x70+10+40)" -gt 150 ] 2>/dev/null && break
  sleep 0.5
done
[ "$(drawn_width start 260x70+10+40)" -gt 150 ] || fail "no logo in the top-left corner"
[ "$(drawn_width start 500x40+200+265)" -gt 300 ] || fail "no 'Selezionare un demo'"

click 86 10           # "CorpiRigidi"
shot menu-open
click 60 33           # "Attrito", its first item
for _ in $(seq 60); do
  sleep 0.5
  shot scene-200
  [ "$(drawn_width scene-200 500x40+200+265)" -lt 300 ] 2>/dev/null && break
done
[ "$(drawn_width scene-200 500x40+200+265)" -lt 300 ] || fail "still on the start screen after choosing Attrito"
click 86 10
shot menu-checked     # the check mark stands next to "Attrito"
click 700 400         # closes the menu; the menu keeps the click

click 590 10          # "?"
click 610 33          # "Info demo"
answer_box "Informazioni demo" || fail "no help box"

# The arrow steps the level on the 3rd frame it is held: held until the name
# changes, however slowly a busy machine draws.
level() { convert "$out/$1.png" -crop 200x24+575+45 +repage -format '%#' info: 2>/dev/null; }
before=$(level scene-200)
xdotool mousemove --window "$WIN" 563 57; sleep 0.2
xdotool mousedown 1
for _ in $(seq 100); do
  sleep 0.05
  shot gravity-up
  [ "$(level gravity-up)" != "$before" ] && break
done
xdotool mouseup 1; sleep 0.3
[ "$(level gravity-up)" != "$before" ] || fail "the level name did not change from TERRA"

# "Paesaggio": its help box, then the game holds the pointer at the window's
# centre and the arrow up walks; Alt lets the pointer go to reach the menu.
click 498 10          # "Giochi"
click 520 33          # "Paesaggio", its first item
answer_box "Informazioni demo" || fail "no help box for Paesaggio"
xdotool windowfocus "$WIN" 2>/dev/null
view() { convert "$out/$1.png" -crop 780x480+10+110 +repage -format '%#' info: 2>/dev/null; }
sleep 5               # the player lands on the slope first
shot still
eval "$(xdotool getwindowgeometry --shell "$WIN")"
wx=$X wy=$Y
eval "$(xdotool getmouselocation --shell)"
[ $((X - wx)) -ge 398 ] && [ $((X - wx)) -le 402 ] && [ $((Y - wy)) -ge 298 ] && [ $((Y - wy)) -le 302 ] ||
  fail "the pointer is at $((X - wx)),$((Y - wy)), not at the window's centre"
xdotool keydown Up; sleep 1.5; xdotool keyup Up; sleep 0.3
shot walked
[ "$(view walked)" != "$(view still)" ] || fail "the arrow up did not walk"
xdotool key alt; sleep 0.3

click 22 10           # "File"
click 40 33           # "Esci"
wait_exit "$APP_PID" 20
APP_PID=""
[ "$EXIT_CODE" = 0 ] || fail "Esci ended with $EXIT_CODE"
echo "ok: menu, help box, gravity arrow, Paesaggio and Esci"
