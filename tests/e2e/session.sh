# Sourced by the end-to-end scripts: a private X server, the program's state in a temporary
# folder, and the hand's moves (keys, drags, Save As). Sets $work; cleans up on exit.
set -euo pipefail
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd tells the display number the server found free.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 2600x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
export HOME="$work" XDG_CONFIG_HOME="$work/config"

# Starts the program (arguments go to it) and places its window at the top left corner,
# 1280 x 760, focused: sets $pid and $win. Its output goes to $work/app.log.
start_app() {
  "$app" "$@" >>"$work/app.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  win=$(timeout 30 xdotool search --all --sync --onlyvisible --pid "$pid" --name "Tarnwick" | head -1)
  xdotool windowmove "$win" 0 0 windowsize "$win" 1280 760 windowfocus --sync "$win"
  sleep 1
}

# The waits leave the program time to react on a busy machine; xdotool cannot see when a
# menu has opened or a drag has been handled.
key() { xdotool key --clearmodifiers "$@"; sleep 0.6; }
# The block palette docks at the window's left, so the drawing starts right of it: x
# positions given to drag and click are counted from there.
ox=280
# A drag in screen coordinates, in small steps as a hand would move.
drag() {
  local x1=$(($1 + ox)) y1=$2 x2=$(($3 + ox)) y2=$4
  xdotool mousemove --sync "$x1" "$y1" mousedown 1
  for i in 1 2 3 4 5; do
    xdotool mousemove --sync $((x1 + (x2 - x1) * i / 5)) $((y1 + (y2 - y1) * i / 5))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.6
}
menu() { key alt+"$1"; key "$2"; }
# Arms a kind of the block palette through its search field: the typed caption leaves
# that kind first in the list, Return chooses it. The window's top left corner must be at
# 0,0 (the field sits under the palette's title).
palette() {
  xdotool mousemove --sync 120 140 click 1
  sleep 0.3
  key ctrl+a
  xdotool type --delay 40 "$1"
  key Return
}
click() { xdotool mousemove --sync $(($1 + ox)) "$2" click 1; }

# Saves into $work/NAME through the file dialog the key opens (Save As by default; Save
# on a new document asks too); fails with a screenshot when nothing was written.
save_as() {
  local file="$work/$1"
  key "${2:-ctrl+shift+s}"
  local dialog
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "Select diagram file" | head -1)
  xdotool windowfocus --sync "$dialog"
  sleep 0.5
  xdotool type --delay 20 "$file"
  key Return
  for _ in $(seq 50); do [ -s "$file" ] && break; sleep 0.1; done
  if [ ! -s "$file" ]; then
    import -window root "$work/failed.png" 2>/dev/null && cp "$work/failed.png" "/tmp/tarnwick-e2e-$1.png"
    echo "the document was not saved (screenshot: /tmp/tarnwick-e2e-$1.png)" >&2
    cat "$work"/app*.log >&2
    exit 1
  fi
}
