#!/usr/bin/env bash
# Two programs under one X server share the clipboard: draw a block in the first, select
# all and copy; paste into a new document of the second, save it with File > Save As, and
# check with tarnwick-cli that the block arrived.
# Usage: copy-paste-between-programs.sh TARNWICK TARNWICK_CLI
set -euo pipefail
app=$1
cli=$2
source "$(dirname "$0")/session.sh"

# Starts a program and places its window in $win. Not run in a subshell, so the cleanup
# knows the program's process.
start() {
  "$app" >"$work/app$1.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  win=$(timeout 30 xdotool search --all --sync --onlyvisible --pid "$pid" --name "Tarnwick" | head -1)
  xdotool windowmove "$win" "$2" 0 windowsize "$win" 1280 760
}

start 1 0
first=$win
xdotool windowfocus --sync "$first"
sleep 1
key ctrl+n
palette Action
drag 150 250 260 330
key ctrl+a
key ctrl+c

start 2 1300
second=$win
xdotool windowfocus --sync "$second"
sleep 1
key ctrl+n
key ctrl+v
save_as pasted.dgr

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
