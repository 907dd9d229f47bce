#!/usr/bin/env bash
# A first session with the editor: two flowchart blocks from the palette, a line drawn
# between their link points, a caption typed in place, undo and redo, a layer made and
# hidden in the layer manager with the action on it, Ctrl+S into a new file through the
# save dialog, Ctrl+Q; then tarnwick-cli reads the blocks, the line, the caption and the
# hidden layer back from the file.
# Usage: editor-session.sh TARNWICK TARNWICK_CLI
set -euo pipefail
app=$1
cli=$2
source "$(dirname "$0")/session.sh"

start_app

palette Terminal
drag 200 160 320 220
palette Action
drag 200 320 320 400
# Out of the terminal's bottom link point into the action's top one.
drag 260 220 260 320
# The action takes a caption typed in place; a click on the paper ends the edit.
click 260 360
key F2
xdotool type --delay 40 "Ship order"
click 700 600
sleep 0.5
# Undo takes the caption back, redo brings it again.
key ctrl+z
key ctrl+shift+z
# A layer made in the layer manager (on the right): a click into its list, Insert adds a
# layer and opens its name.
xdotool mousemove --sync 1180 300 click 1
sleep 0.5
key Insert
xdotool type --delay 40 "Notes"
key Return
# The action goes onto it through the layer box at the end of the first tool bar row.
click 260 360
# The box is enabled once the selection has been seen.
sleep 1
xdotool mousemove --sync 450 35 click 1
sleep 0.5
key ctrl+a
xdotool type --delay 40 "Notes"
key Return
# Back in the layer manager, a click on the layer's name chooses it and Space hides it,
# and the action with it.
xdotool mousemove --sync 1180 175 click 1
sleep 0.5
key space
if [ -n "${E2E_SHOT:-}" ]; then import -window root "$E2E_SHOT.layers.png"; fi
if [ -n "${E2E_SHOT:-}" ]; then import -window root "$E2E_SHOT"; fi
save_as session.dgr ctrl+s
# Without a window manager nothing gives the focus back when the dialog closes.
xdotool windowfocus --sync "$win"
key ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  import -window root "/tmp/tarnwick-e2e-quit.png" 2>/dev/null || true
  echo "the program did not end on Ctrl+Q after saving (screenshot: /tmp/tarnwick-e2e-quit.png)" >&2
  exit 1
fi

"$cli" info "$work/session.dgr" >"$work/info.json"
python3 - "$work/info.json" "$(dirname "$0")" <<'PY'
import sys
sys.dont_write_bytecode = True  # keeps the source tree clean
sys.path.insert(0, sys.argv[2])
from saved_document import read
info, blocks, lines, fail = read(sys.argv[1])
blocks = {c["class"]: c for c in blocks}
if sorted(blocks) != ["TFlowActionBlock", "TFlowTerminalBlock"] or len(lines) != 1:
    fail(f"expected a terminal, an action and one line, found {sorted(blocks)} and {len(lines)} lines")
terminal, action = blocks["TFlowTerminalBlock"], blocks["TFlowActionBlock"]
if (lines[0]["source"], lines[0]["target"]) != (terminal["name"], action["name"]):
    fail(f"the line runs from {lines[0]['source']} to {lines[0]['target']}")
if action.get("texts") != ["Ship order"]:
    fail(f"the action's caption is {action.get('texts')}, not the typed one")
if info.get("layers") != [{"name": "Notes", "visible": False, "editable": True}]:
    fail(f"expected the hidden layer Notes, found {info.get('layers')}")
if action.get("layerName") != "Notes" or terminal.get("layerName"):
    fail(f"the action should be on Notes and the terminal on no layer")
print("ok: two blocks, the line, the typed caption and the hidden layer came back from the saved file")
PY
