# Shared by the real-window tests: an X server of their own with a window
# manager, the program's main window in it, screenshots and the colours in them.
#   source real-window.sh; start_x; start_program DIR COMMAND; wait_main_window
# After wait_main_window: $window, its geometry ($X $Y $WIDTH $HEIGHT), and
# $gx $gy, the result grid's client origin on the screen.

work=$(mktemp -d)
cleanup() {
  kill "${program:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

start_x() {
  unset QT_QPA_PLATFORM      # a real window, whatever the tests around it use
  export ODBCINI="$work/odbc.ini"   # no data sources: the embedded catalogue
  : >"$ODBCINI"
  # The server picks a free display and tells its number once it is ready.
  Xvfb -displayfd 3 -screen 0 1280x860x24 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 1 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$work/display")
  # A window manager frames the windows, as on a desktop.
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}

start_program() {  # start_program DIR COMMAND: runs COMMAND in DIR
  (cd "$1" && exec "$2") >"$work/out.log" 2>"$work/err.log" &
  program=$!
}

fail() {
  [[ -n "${VORLAK_E2E_KEEP:-}" ]] && cp "$work"/*.png "$work"/*.log "$VORLAK_E2E_KEEP"/ 2>/dev/null

  echo "$1"
  cat "$work/err.log"
  exit 1
}

still_running() {  # still_running WHEN
  kill -0 "$program" 2>/dev/null || fail "the program ended $1"
}

wait_main_window() {
  window=""
  for _ in $(seq 1 300); do
    window=$(xdotool search --name "V1.0.0.0" 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || fail "no main window"
  sleep 3   # the first search runs two seconds after start
  still_running early
  # Framed by the window manager and sized to fit its frame: the size holds still.
  local before="" now=""
  for _ in $(seq 1 50); do
    now=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null; xdotool getwindowgeometry "$window" 2>/dev/null)
    [[ "$now" == *"_NET_FRAME_EXTENTS(CARDINAL)"* && "$now" == "$before" ]] && break
    before=$now
    sleep 0.2
  done
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # xdotool counts a reparented window's frame twice: its place on the screen from xwininfo.
  X=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
  # The layout puts the grid's client area there.
  gx=$((X + 11)) gy=$((Y + 160))
}

shoot() {  # shoot [NAME]: a screenshot, by default the one pixel reads
  import -window root "$work/${1:-shot}.png"
}

pixel() {  # pixel X Y: the colour at a point of the grid's client area in the latest screenshot
  convert "$work/shot.png" -format '%[pixel:p{'$((gx + $1))','$((gy + $2))'}]' info:
}

expect() {  # expect X Y COLOUR WHAT
  local got; got=$(pixel "$1" "$2")
  [[ "$got" == "$3" ]] || fail "$4: at $1,$2 $got, not $3"
}

expect_soon() {  # expect_soon X Y COLOUR WHAT: the same, given up to 5 seconds to come true
  local got
  for _ in $(seq 1 25); do
    shoot
    got=$(pixel "$1" "$2")
    [[ "$got" == "$3" ]] && return 0
    sleep 0.2
  done
  fail "$4: at $1,$2 $got, not $3"
}

area() {  # area NAME X Y W H: a part of the grid's client area in screenshot NAME, as pixels
  convert "$work/$1.png" -crop "$4x$5+$((gx + $2))+$((gy + $3))" +repage rgb:-
}

finish() {  # finish MESSAGE: the program's own complaints, then MESSAGE
  grep -vE 'XDG_RUNTIME_DIR|propagateSizeHints' "$work/err.log" >&2 || true
  echo "$1"
}
