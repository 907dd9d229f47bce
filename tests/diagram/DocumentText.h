#pragma once
// A diagram's document in its text form, for tests that save, load and compare documents.
#include <QString>
#include <QStringList>
#include <algorithm>

#include "diagram/view/Diagram.h"
#include "platform/core/Stream.h"

namespace tarnwick::test {

inline QString SaveText(TdvDiagram* D) {
  TMemoryStream s;
  D->SaveToStream(s, true);
  return QString::fromUtf8(s.Bytes());
}

inline void LoadText(TdvDiagram* D, const QString& Text) {
  TMemoryStream s;
  const QByteArray bytes = Text.toUtf8();
  s.Write(bytes.constData(), bytes.size());
  s.SetPosition(0);
  D->LoadFromStream(s, true);
}

// The first line where two texts differ, for readable failures; empty when equal.
inline QString FirstDifference(const QString& A, const QString& B) {
  const QStringList a = A.split('\n'), b = B.split('\n');
  for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
    const QString x = i < a.size() ? a[i] : "<none>", y = i < b.size() ? b[i] : "<none>";
    if (x != y) return QString("line %1: '%2' vs '%3'").arg(i + 1).arg(x.trimmed(), y.trimmed());
  }
  return {};
}

}  // namespace tarnwick::test
