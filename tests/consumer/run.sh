#!/usr/bin/env bash
# Installs the build tree into a scratch prefix, checks that only public headers were
# installed, then configures, builds and runs the consumer program against the package.
set -euo pipefail
build_dir=$1
src_dir=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
include="$work/prefix/include/tarnwick"
# Headers no public header includes stay out of the package.
if [ -e "$include/streaming/ReaderInternals.h" ]; then
  echo "internal header installed: streaming/ReaderInternals.h"
  exit 1
fi
cmake -S "$src_dir" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
out=$(QT_QPA_PLATFORM=offscreen "$work/build/consumer")
echo "$out"
[ "$out" = "Block1 2 2.5 1.5
TDiagramBlock TTextBlock TDiagramBezier " ]
