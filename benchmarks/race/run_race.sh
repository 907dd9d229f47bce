#!/usr/bin/env bash
# The export race: times `tarnwick-cli export boxes.dgr boxes.png --size netto` against the
# peer editor's headless PNG export of the same diagram, for N boxes with N-1 arrows, and
# prints a side-by-side table of wall time and peak memory (also written to RESULTS.md here).
#
#   benchmarks/race/run_race.sh [N ...]        (default: 1000 5000 50000)
#
# Environment: RUNS (default 3), PEER_TIMEOUT (seconds, default 120), CLI (our program, default
# BUILD_DIR/cli/tarnwick-cli, to time another build), BUILD_DIR (default
# build/release), WORK (scratch folder, default a fresh temporary one), SKIP_BUILD=1.
# The peer's column is filled only where its `dia` command is already on the PATH; this
# script never installs it. Without it the table shows the peer's figures measured earlier
# on this machine (from shared/bench/README.md) where there are some.
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build/release}"
RUNS="${RUNS:-3}"
PEER_TIMEOUT="${PEER_TIMEOUT:-120}"
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(1000 5000 50000)
GEN_DIA="${GEN_DIA:-$ROOT/../shared/bench/gen_dia.py}"
[ -f "$GEN_DIA" ] || GEN_DIA=/work/shared/bench/gen_dia.py
WORK="${WORK:-$(mktemp -d /tmp/tarnwick-race.XXXXXX)}"
mkdir -p "$WORK"

# The peer's figures measured earlier on this machine, used when it is not installed.
declare -A PEER_REF_TIME=([1000]="0.8" [5000]="3.3")
declare -A PEER_REF_RSS=([1000]="116" [5000]="404")

if [ "${SKIP_BUILD:-0}" != 1 ]; then
  [ -f "$BUILD_DIR/build.ninja" ] || cmake --preset release -S "$ROOT" >/dev/null
  # One target at a time: the machine is shared.
  cmake --build "$BUILD_DIR" -j2 --target tarnwick-cli
  cmake --build "$BUILD_DIR" -j2 --target tarnwick_generate_boxes
fi
CLI="${CLI:-$BUILD_DIR/cli/tarnwick-cli}"
GEN="$BUILD_DIR/benchmarks/tarnwick_generate_boxes"

HAVE_PEER=0
command -v dia >/dev/null 2>&1 && HAVE_PEER=1

# Runs a command under /usr/bin/time -v; prints "SECONDS RSS_MB STATUS".
timed() {
  local log="$WORK/time.log" status=0
  /usr/bin/time -v -o "$log" "$@" >"$WORK/run.out" 2>&1 || status=$?
  awk -v st="$status" '
    /Elapsed \(wall clock\)/ { n = split($NF, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i] }
    /Maximum resident set size/ { rss = $NF / 1024 }
    END { printf "%.2f %.0f %s\n", s, rss, st }' "$log"
}

# Median of whitespace-separated numbers.
median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
ROWS=()
for N in "${SIZES[@]}"; do
  DGR="$WORK/boxes$N.dgr" DIA="$WORK/boxes$N.dia"
  "$GEN" "$N" "$DGR"
  python3 "$GEN_DIA" "$N" "$DIA"
  OUR_T=() OUR_M=() PEER_T=() PEER_M=() PEER_NOTE=""
  for ((r = 1; r <= RUNS; r++)); do
    read -r t m st < <(timed "$CLI" export "$DGR" "$WORK/ours$N.png" --size netto)
    [ "$st" = 0 ] || { echo "tarnwick-cli export failed for N=$N:"; cat "$WORK/run.out"; exit 1; }
    OUR_T+=("$t") OUR_M+=("$m")
    echo "N=$N run $r: tarnwick ${t}s ${m}MB"
    if [ $HAVE_PEER = 1 ] && [ -z "$PEER_NOTE" ]; then
      read -r t m st < <(timed timeout "$PEER_TIMEOUT" dia -n -l -e "$WORK/peer$N.png" -t cairo-png "$DIA")
      if [ "$st" = 0 ]; then
        PEER_T+=("$t") PEER_M+=("$m")
        echo "N=$N run $r: peer ${t}s ${m}MB"
      else
        PEER_NOTE="no result (exit $st, limit ${PEER_TIMEOUT}s)"
        echo "N=$N run $r: peer $PEER_NOTE"
      fi
    fi
  done
  ot=$(median "${OUR_T[@]}") om=$(median "${OUR_M[@]}")
  if [ ${#PEER_T[@]} -gt 0 ]; then
    pt=$(median "${PEER_T[@]}") pm=$(median "${PEER_M[@]}") src="measured"
  elif [ -n "${PEER_REF_TIME[$N]:-}" ]; then
    pt=${PEER_REF_TIME[$N]} pm=${PEER_REF_RSS[$N]} src="earlier figure${PEER_NOTE:+; $PEER_NOTE}"
  else
    pt="" pm="" src="${PEER_NOTE:-not measured}"
  fi
  size=$(python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(24); print('%dx%d' % struct.unpack('>II', d[16:24]))" "$WORK/ours$N.png")
  # File sizes in MB: ours, and the peer's where it wrote one.
  ourpng=$(awk -v b="$(stat -c %s "$WORK/ours$N.png")" 'BEGIN { printf "%.2f", b / 1048576 }')
  peerpng="–"
  [ -f "$WORK/peer$N.png" ] && peerpng=$(awk -v b="$(stat -c %s "$WORK/peer$N.png")" 'BEGIN { printf "%.2f", b / 1048576 }')
  if [ -n "$pt" ]; then
    speed=$(awk -v a="$pt" -v b="$ot" 'BEGIN { printf "%.1fx", a / b }')
    mem=$(awk -v a="$om" -v b="$pm" 'BEGIN { printf "%.0f%%", 100 * a / b }')
    ROWS+=("| $N | $ot | $om | $pt | $pm | $speed | $mem | $size | $ourpng | $peerpng | $src |")
  else
    ROWS+=("| $N | $ot | $om | – | – | – | – | $size | $ourpng | $peerpng | $src |")
  fi
done

CPU=$(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)
MEM=$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
{
  echo "# Export race: tarnwick-cli against the peer editor"
  echo
  echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores ($CPU), $MEM, $(uname -sr); $RUNS runs each (alternating with the peer where it runs), medians."
  echo "Ours: \`tarnwick-cli export boxes.dgr boxes.png --size netto\` (release build);"
  echo "peer: \`dia -n -l -e boxes.png -t cairo-png boxes.dia\`. Time in seconds (wall), memory in MB (max RSS)."
  echo
  echo "| N | ours s | ours MB | peer s | peer MB | speed-up | our memory / peer's | our image | our PNG MB | peer PNG MB | peer column |"
  echo "|---|---|---|---|---|---|---|---|---|---|---|"
  printf '%s\n' "${ROWS[@]}"
  echo
  echo "Load average at the start: $LOAD_BEFORE; at the end: $(cut -d' ' -f1-3 /proc/loadavg)."
} >"$HERE/RESULTS.md"
echo
cat "$HERE/RESULTS.md"
echo
echo "Images and documents are in $WORK"
