#!/usr/bin/env bash
# Installs the build tree into a scratch prefix, then configures, builds and runs the
# consumer program against the installed package.
set -euo pipefail
build_dir=$1
src_dir=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
cmake -S "$src_dir" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
out=$("$work/build/consumer")
echo "$out"
[ "$out" = "Block1 2 2.5 1.5" ]
