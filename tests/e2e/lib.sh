# Helpers for end-to-end tests of the real program under Xvfb.
# Usage: source lib.sh; start_xvfb; ... ; the trap stops everything.

start_xvfb() {  # [$1 = screen size WxHxDEPTH, 1280x1024x24 by default]
  # Xvfb picks a free display itself and writes its number once it is ready, so
  # tests started side by side never race for the same one.
  local numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 300); do
    [ -s "$numfile" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  local n
  n=$(tr -d '[:space:]' <"$numfile")
  rm -f "$numfile"
  if [ -z "$n" ]; then
    echo "cannot start Xvfb" >&2
    return 1
  fi
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb on $DISPLAY does not answer" >&2
  return 1
}

stop_all() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Prints the id of the first top-level window whose name is exactly $1, waiting up to $2 seconds.
# SDL sets UTF-8 names that `xdotool search --name` misses; xwininfo lists them.
wait_window() {
  local name="$1" timeout="${2:-60}" id
  for _ in $(seq $((timeout * 10))); do
    id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$name\"" | head -n1 | awk '{print $1}')
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Presses Return in the message box titled $1 (SDL's boxes take Return as OK).
answer_box() {
  local id
  id=$(wait_window "$1" 60) || { echo "no box titled '$1'" >&2; return 1; }
  sleep 0.3
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id" 2>/dev/null
  xdotool key --window "$id" Return 2>/dev/null
  sleep 0.2
  # Some boxes ignore synthetic keys; a click on the OK button then closes them.
  if xwininfo -id "$id" >/dev/null 2>&1; then
    xdotool key Return || true
  fi
}

# Waits up to $2 seconds for process $1 (a child of this shell) to end; sets EXIT_CODE.
wait_exit() {
  local pid="$1" timeout="${2:-20}"
  EXIT_CODE=timeout
  for _ in $(seq $((timeout * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"; EXIT_CODE=$?; return 0
    fi
    sleep 0.1
  done
}

# Presses Escape in window $1, again while the program $APP_PID is still there (a
# busy machine may lose the first); sets EXIT_CODE.
end_with_escape() {
  for _ in 1 2 3 4 5 6; do
    xdotool windowfocus "$1" 2>/dev/null; xdotool key --window "$1" Escape
    wait_exit "$APP_PID" 10
    [ "$EXIT_CODE" = timeout ] || break
  done
  APP_PID=""
}

fail() { echo "FAIL: $*" >&2; exit 1; }
