#!/usr/bin/env bash
# The program as a user drives it: draw two flowchart blocks from the palette, connect them with a line, move one
# block, save with File > Save As, and check with tarnwick-cli that the saved line still
# runs between the blocks and followed the moved one.
# Usage: draw-connect-move.sh TARNWICK TARNWICK_CLI
set -euo pipefail
app=$1
cli=$2
source "$(dirname "$0")/session.sh"

start_app

key ctrl+n
palette Action
drag 200 250 300 330
palette Action
drag 500 250 600 330
# Out of the first block's right link point into the second block's left one.
drag 300 290 500 290
# A click on empty paper leaves the line's selection; then the second block moves down.
click 700 600
sleep 0.3
drag 580 320 580 450
# E2E_SHOT=file.png keeps a picture of the screen at this point for a person to look at.
if [ -n "${E2E_SHOT:-}" ]; then import -window root "$E2E_SHOT"; fi

save_as drawn.dgr

"$cli" info "$work/drawn.dgr" >"$work/info.json"
python3 - "$work/info.json" "$(dirname "$0")" <<'PY'
import sys
sys.dont_write_bytecode = True  # keeps the source tree clean
sys.path.insert(0, sys.argv[2])
from saved_document import read
info, blocks, lines, fail = read(sys.argv[1])
if len(blocks) != 2 or len(lines) != 1:
    fail(f"expected two blocks and one line, found {len(blocks)} and {len(lines)}")
a, b = sorted(blocks, key=lambda c: c["left"])
line = lines[0]
if (line["source"], line["target"]) != (a["name"], b["name"]):
    fail(f"the line runs from {line['source']} to {line['target']}, not {a['name']} to {b['name']}")
if b["top"] - a["top"] < 100:
    fail(f"the second block was not moved down (tops {a['top']} and {b['top']})")
def inside(p, c, slack=1):
    return (c["left"] - slack <= p[0] <= c["left"] + c["width"] + slack and
            c["top"] - slack <= p[1] <= c["top"] + c["height"] + slack)
end = line["points"][-1]
if not inside(end, b):
    fail(f"the line ends at {end}, outside the moved block")
if not inside(line["points"][0], a):
    fail(f"the line starts at {line['points'][0]}, outside the first block")
print("ok: two blocks, the line anchored to both, its end followed the moved block")
PY
