"""A saved document as `tarnwick-cli info` describes it, for the end-to-end checks: the
JSON, its blocks and lines (a line is what reports the points it draws), and a failure
that shows the whole description."""
import json
import sys


def read(path):
    info = json.load(open(path))
    blocks = [c for c in info["controls"] if "points" not in c]
    lines = [c for c in info["controls"] if "points" in c]

    def fail(message):
        print(message, file=sys.stderr)
        print(json.dumps(info, indent=1), file=sys.stderr)
        sys.exit(1)

    return info, blocks, lines, fail
