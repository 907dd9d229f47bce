#!/usr/bin/env bash
# The Layout command as a user meets it: a terminal and two actions drawn side by side and
# chained by lines, Object > Layout..., OK in its dialog, then saved. tarnwick-cli reads the
# chain back running down the page (the layered layout's default), one block under the
# other, each of the same size as drawn.
# Usage: layout-session.sh TARNWICK TARNWICK_CLI
set -euo pipefail
app=$1
cli=$2
source "$(dirname "$0")/session.sh"

start_app

# The drawing spans about 780 pixels right of the palette.
palette Terminal
drag 40 160 160 220
palette Action
drag 300 160 420 240
palette Action
drag 560 160 680 240
# Out of each block's bottom link point into the next one's top one.
drag 100 220 360 160
drag 360 240 620 160
click 700 600
menu o l
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "^Layout$" | head -1)
xdotool windowfocus --sync "$dialog"
sleep 0.5
if [ -n "${E2E_SHOT:-}" ]; then import -window root "$E2E_SHOT.dialog.png"; fi
key Return
xdotool windowfocus --sync "$win"
sleep 0.5
if [ -n "${E2E_SHOT:-}" ]; then import -window root "$E2E_SHOT"; fi
save_as layout.dgr ctrl+s
xdotool windowfocus --sync "$win"
key ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done

"$cli" info "$work/layout.dgr" >"$work/info.json"
python3 - "$work/info.json" "$(dirname "$0")" <<'PY'
import sys
sys.dont_write_bytecode = True  # keeps the source tree clean
sys.path.insert(0, sys.argv[2])
from saved_document import read
info, blocks, lines, fail = read(sys.argv[1])
blocks = {c["name"]: c for c in blocks}
if len(blocks) != 3 or len(lines) != 2:
    fail(f"expected three blocks and two lines, found {len(blocks)} and {len(lines)}")
after = {l["source"]: l["target"] for l in lines}
start = [b for b in blocks.values() if b["class"] == "TFlowTerminalBlock"]
if len(start) != 1 or start[0]["name"] not in after:
    fail("the chain does not start at the terminal")
chain = [start[0]["name"]]
while chain[-1] in after and len(chain) < 4:
    chain.append(after[chain[-1]])
if len(chain) != 3:
    fail(f"the lines do not chain the three blocks: {chain}")
for upper, lower in zip(chain, chain[1:]):
    a, b = blocks[upper], blocks[lower]
    if a["top"] + a["height"] > b["top"]:
        fail(f"{lower} is not below {upper} after the layout")
for b in blocks.values():
    if b["width"] < 100 or b["width"] > 140:
        fail(f"{b['name']} changed its size to {b['width']} x {b['height']}")
print("ok: the layout put the chain of three blocks one under the other and the file kept it")
PY
