#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks that the desktop integration
# landed and is valid: both programs, the launcher entry, the document type and the icon.
# The validators are required (scripts/setup installs them): a missing tool fails the test
# rather than letting a broken file pass unchecked.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

for tool in desktop-file-validate xmllint update-mime-database; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing tool: $tool (run scripts/setup)"
    exit 1
  fi
done

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

status=0
for f in bin/tarnwick bin/tarnwick-cli \
         share/applications/tarnwick.desktop \
         share/mime/packages/tarnwick.xml \
         share/icons/hicolor/scalable/apps/tarnwick.svg; do
  if [ ! -e "$prefix/$f" ]; then
    echo "not installed: $f"
    status=1
  fi
done
for f in bin/tarnwick bin/tarnwick-cli; do
  if [ -e "$prefix/$f" ] && [ ! -x "$prefix/$f" ]; then
    echo "not executable: $f"
    status=1
  fi
done
[ $status -eq 0 ] || exit $status

# desktop-file-validate exits 0 on hints; any error or warning line fails the test.
desktop_out=$(desktop-file-validate "$prefix/share/applications/tarnwick.desktop" 2>&1) || {
  echo "$desktop_out"; exit 1; }
if grep -qE 'error:|warning:' <<<"$desktop_out"; then
  echo "$desktop_out"
  exit 1
fi

xmllint --noout "$prefix/share/mime/packages/tarnwick.xml" "$prefix/share/icons/hicolor/scalable/apps/tarnwick.svg"

# The mime database compiler rejects what xmllint cannot: an unknown element or a bad
# magic rule. Compiling the package must produce the type's own entry. The prefix joins the
# data folders only so the compiler does not warn that nobody would find it.
XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
  update-mime-database "$prefix/share/mime" >/dev/null 2>"$work/mime.err" || {
  cat "$work/mime.err"; exit 1; }
if [ -s "$work/mime.err" ]; then
  cat "$work/mime.err"
  exit 1
fi
generated="$prefix/share/mime/application/x-tarnwick-diagram.xml"
[ -f "$generated" ] || { echo "mime type not compiled: $generated"; exit 1; }
grep -q 'Tarnwick diagram' "$generated" || { echo "mime comment missing"; exit 1; }
grep -q 'application/x-tarnwick-diagram' "$prefix/share/mime/globs2" || {
  echo "*.dgr glob not compiled"; exit 1; }
grep -qF '*.dgr' "$prefix/share/mime/globs2"
# Both saved forms are recognised by content, so a document renamed without its
# extension still opens in the editor.
for sig in 'object ' 'TPF0'; do
  grep -qaF "$sig" "$prefix/share/mime/magic" || { echo "magic for '$sig' not compiled"; exit 1; }
done
echo "desktop integration installed and valid"
