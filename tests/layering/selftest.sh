#!/usr/bin/env bash
# The layering check finds what it should in a small tree of offending files (fixture/), and
# nothing else: a checker that silently passes would leave the layers unguarded.
#   selftest.sh QT_INCLUDE_ROOT
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$("$here/check-layers.sh" "$here/fixture" "$1")
rc=$?
expected=$(cat <<'END'
diagram/model/Offender.cpp:5: includes <QWidget>, a widget header (QtWidgets); diagram/model must not depend on it
diagram/model/Offender.cpp:6: includes <QtWidgets/QScrollBar>, a widget header (QtWidgets); diagram/model must not depend on it
diagram/model/Offender.cpp:7: includes "diagram/view/Diagram.h", a diagram view header; diagram/model must not depend on it
diagram/model/Offender.cpp:8: includes "../view/Diagram.h", a diagram view header; diagram/model must not depend on it
platform/gui/Painting.h:3: includes <QApplication>, a widget header (QtWidgets); platform/gui must not depend on it
platform/core/Leaky.h:2: includes <QColor>, a gui header (QtGui); platform/core must not depend on it
platform/core/Leaky.h:3: includes "platform/gui/Font.h", a gui header (QtGui); platform/core must not depend on it
platform/core/Leaky.h:4: includes "platform/widgets/WinControl.h", a widget header (QtWidgets); platform/core must not depend on it
check-layers: 8 offence(s) in 3 files
END
)
status=0
if [ "$rc" -ne 1 ]; then
  echo "expected exit code 1, got $rc"
  status=1
fi
if [ "$out" != "$expected" ]; then
  echo "unexpected report:"
  diff <(echo "$expected") <(echo "$out")
  status=1
fi
# Without Qt's headers the check cannot run, and says so instead of passing.
"$here/check-layers.sh" "$here/fixture" "$here/no-such-qt" >/dev/null 2>&1
rc=$?
if [ "$rc" -ne 2 ]; then
  echo "expected exit code 2 without Qt headers, got $rc"
  status=1
fi
[ "$status" -eq 0 ] && echo "layering self-test passed"
exit "$status"
