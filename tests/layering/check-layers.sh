#!/usr/bin/env bash
# Checks that the lower layers stay free of the upper ones, from the sources alone (no build
# needed): model code, lines, geometry, streaming and graphics never include a widget header
# or the diagram view, printing never includes the view, and the platform's core and gui
# parts never reach above themselves.
#
#   check-layers.sh SOURCE_ROOT QT_INCLUDE_ROOT
#
# QT_INCLUDE_ROOT is the folder that holds QtCore/, QtGui/ and QtWidgets/. The lists of Qt
# headers are read from there each run, so a widget class Qt adds later is caught too.
# Prints FILE:LINE of every offence and exits 1 when there is one; exits 2 when it cannot
# check at all (a missing Qt folder must not pass as "no offences").
set -euo pipefail

root=${1:?usage: check-layers.sh SOURCE_ROOT QT_INCLUDE_ROOT}
qt=${2:?usage: check-layers.sh SOURCE_ROOT QT_INCLUDE_ROOT}

for module in QtCore QtGui QtWidgets; do
  if [ -z "$(ls -A "$qt/$module" 2>/dev/null)" ]; then
    echo "check-layers: no Qt headers in $qt/$module" >&2
    exit 2
  fi
done

# A header name belongs to a module when only that module (of the three) ships it: Qt 6
# keeps forwarding headers such as qaction.h in QtWidgets for classes that moved to QtGui.
declare -A core_names=() gui_names=() widget_names=()
for f in "$qt"/QtCore/*; do core_names[${f##*/}]=1; done
for f in "$qt"/QtGui/*; do
  name=${f##*/}
  [ -n "${core_names[$name]:-}" ] || gui_names[$name]=1
done
for f in "$qt"/QtWidgets/*; do
  name=${f##*/}
  [ -n "${core_names[$name]:-}" ] || [ -n "${gui_names[$name]:-}" ] || widget_names[$name]=1
done

# Sets kind to what an included name is, or to nothing when it is allowed everywhere.
#   widgets: a QtWidgets header, or our own widget glue (platform/widgets)
#   gui:     a QtGui header, or our own gui layer (platform/gui)
#   view:    a header of the diagram view
# (No subshells here: this runs once per include line of the tree.)
classify() {
  local name=$1 quoted=$2 dir=$3
  kind=
  if [ "$quoted" = 1 ]; then
    # A quoted include may be relative to the including file; compare project paths.
    if [ -e "$dir/$name" ]; then
      name=$(realpath -m --relative-to="$root" "$dir/$name")
    fi
    case $name in
      diagram/view/*) kind=view; return ;;
      platform/widgets/*) kind=widgets; return ;;
      platform/gui/*) kind=gui; return ;;
    esac
  fi
  case $name in
    QtWidgets | QtWidgets/*) kind=widgets; return ;;
    QtGui | QtGui/*) kind=gui; return ;;
  esac
  if [ -n "${widget_names[$name]:-}" ]; then
    kind=widgets
  elif [ -n "${gui_names[$name]:-}" ]; then
    kind=gui
  fi
}

# Folder (recursively) and what it must not include.
rules=(
  "diagram/model:widgets view"
  "diagram/lines:widgets view"
  "diagram/printing:view"
  "geometry:widgets view"
  "streaming:widgets view"
  "graphics:widgets view"
  "platform/gui:widgets view"
  "platform/core:widgets gui view"
)

declare -A describe=(
  [widgets]="a widget header (QtWidgets)"
  [gui]="a gui header (QtGui)"
  [view]="a diagram view header"
)

include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]+)[>"]'
offences=0
files=0
for rule in "${rules[@]}"; do
  folder=${rule%%:*}
  forbidden=" ${rule#*:} "
  [ -d "$root/$folder" ] || continue
  files=$((files + $(find "$root/$folder" -type f \( -name '*.h' -o -name '*.cpp' \) | wc -l)))
  while IFS=: read -r file line text; do
    [[ $text =~ $include_re ]] || continue
    quoted=0
    [ "${BASH_REMATCH[1]}" = '"' ] && quoted=1
    name=${BASH_REMATCH[2]}
    shown="<$name>"
    [ "$quoted" = 1 ] && shown="\"$name\""
    classify "$name" "$quoted" "${file%/*}"
    if [ -n "$kind" ] && [[ $forbidden == *" $kind "* ]]; then
      echo "${file#"$root"/}:$line: includes $shown, ${describe[$kind]}; $folder must not depend on it"
      offences=$((offences + 1))
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' "$root/$folder" | sort -t: -k1,1 -k2,2n)
done

if [ "$offences" -gt 0 ]; then
  echo "check-layers: $offences offence(s) in $files files"
  exit 1
fi
echo "check-layers: $files files, no offences"
