#!/usr/bin/env bash
# Crash recovery: a block is drawn, autosave (every second here) keeps it, the program is
# killed with SIGKILL. The next start offers the document back; restored and saved, it
# holds the block.
# Usage: autosave-recovery.sh TARNWICK TARNWICK_CLI
set -euo pipefail
app=$1
cli=$2
source "$(dirname "$0")/session.sh"
export TARNWICK_AUTOSAVE_SECONDS=1

start_app
palette Decision
drag 200 200 340 300
sleep 3
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true

"$app" >"$work/app2.log" 2>&1 &
pid=$!
pids+=("$pid")
timeout 30 xdotool search --all --sync --onlyvisible --pid "$pid" --name "^Tarnwick$" >/dev/null
sleep 1
# The question names an untitled diagram; Yes restores it.
key alt+y
win=$(timeout 30 xdotool search --all --sync --onlyvisible --pid "$pid" --name "Tarnwick" | head -1)
xdotool windowmove "$win" 0 0 windowsize "$win" 1280 760 windowfocus --sync "$win"
sleep 1
save_as recovered.dgr ctrl+s

"$cli" info "$work/recovered.dgr" >"$work/info.json"
python3 - "$work/info.json" <<'PY'
import json, sys
info = json.load(open(sys.argv[1]))
classes = [c["class"] for c in info["controls"]]
if classes != ["TFlowDecisionBlock"]:
    print(f"expected the drawn decision back, found {classes}", file=sys.stderr)
    sys.exit(1)
print("ok: the block drawn before the kill came back")
PY
