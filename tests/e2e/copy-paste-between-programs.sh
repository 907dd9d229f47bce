#!/usr/bin/env bash
# Two programs under one X server share the clipboard: draw a block in the first, select
# all and copy; paste into a new document of the second, save it with File > Save As, and
# check with tarnwick-cli that the block arrived.
# Usage: copy-paste-between-programs.sh TARNWICK TARNWICK_CLI
set -euo pipefail
app=$1
cli=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
export HOME="$work" XDG_CONFIG_HOME="$work/config"

key() { xdotool key --clearmodifiers "$@"; sleep 0.6; }
drag() {
  local x1=$1 y1=$2 x2=$3 y2=$4
  xdotool mousemove --sync "$x1" "$y1" mousedown 1
  for i in 1 2 3 4 5; do
    xdotool mousemove --sync $((x1 + (x2 - x1) * i / 5)) $((y1 + (y2 - y1) * i / 5))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.6
}
# Starts a program and places its window; prints the window.
start() {
  "$app" >"$work/app$1.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local win
  win=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name "Tarnwick" | head -1)
  xdotool windowmove "$win" "$2" 0 windowsize "$win" 620 760
  echo "$win"
}

first=$(start 1 0)
xdotool windowfocus --sync "$first"
sleep 1
key ctrl+n
key alt+i
key b
drag 150 250 260 330
key ctrl+a
key ctrl+c

second=$(start 2 640)
xdotool windowfocus --sync "$second"
sleep 1
key ctrl+n
key ctrl+v
key ctrl+shift+s
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "Save Diagram As" | head -1)
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool type --delay 20 "$work/pasted.dgr"
key Return
for _ in $(seq 50); do [ -s "$work/pasted.dgr" ] && break; sleep 0.1; done
if [ ! -s "$work/pasted.dgr" ]; then
  import -window root "$work/failed.png" 2>/dev/null && cp "$work/failed.png" /tmp/tarnwick-e2e-paste-failed.png
  echo "the document was not saved (screenshot: /tmp/tarnwick-e2e-paste-failed.png)" >&2
  cat "$work/app1.log" "$work/app2.log" >&2
  exit 1
fi

"$cli" info "$work/pasted.dgr" >"$work/info.json"
python3 - "$work/info.json" <<'PY'
import json, sys
info = json.load(open(sys.argv[1]))
blocks = [c for c in info["controls"] if "points" not in c]
if len(blocks) != 1 or info["controlCount"] != 1:
    print(f"expected the one copied block, found {info['controlCount']} controls", file=sys.stderr)
    print(json.dumps(info, indent=1), file=sys.stderr)
    sys.exit(1)
if blocks[0]["width"] < 50 or blocks[0]["height"] < 40:
    print(f"the pasted block is not the drawn one: {blocks[0]}", file=sys.stderr)
    sys.exit(1)
print("ok: the block drawn in one program arrived in the other")
PY
