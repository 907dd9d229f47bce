#pragma once
// Reads and re-applies what an object's published table would put in a document: every
// property that is stored, writable and not at its default, sub-objects descended into,
// in table order, as "Path=value" texts.
#include <QString>
#include <QStringList>

#include "platform/core/ClassInfo.h"
#include "platform/core/Persistent.h"

namespace tarnwick::testing {

inline QString ValueText(const TPropInfo& p, TPersistent& obj) {
  switch (p.Kind) {
    case tkFloat:
      return QString::number(p.GetFloat(obj), 'g', 17);
    case tkString:
      return p.GetStr(obj);
    default:
      return QString::number(p.GetOrd(obj));
  }
}

inline QStringList StoredValues(TPersistent& obj, const QString& prefix = {}) {
  QStringList out;
  for (const TPropInfo& p : obj.ClassInfo().Properties()) {
    if (p.Kind == tkMethod || !p.IsStored(obj) || p.IsReadOnly() || p.IsDefaultValue(obj)) continue;
    if (p.Kind == tkClass) {
      if (TPersistent* sub = p.GetObject(obj)) out += StoredValues(*sub, prefix + p.Name + ".");
      continue;
    }
    out << prefix + p.Name + "=" + ValueText(p, obj);
  }
  return out;
}

// The names StoredValues would list, without values.
inline QStringList StoredNames(TPersistent& obj) {
  QStringList out;
  for (const QString& v : StoredValues(obj)) out << v.section('=', 0, 0);
  return out;
}

inline QStringList PropertyNames(const TClassInfo& info) {
  QStringList out;
  for (const TPropInfo& p : info.Properties()) out << p.Name;
  return out;
}

// Applies "Path=value" texts in the order given, as a reader meeting them in a document.
inline void ApplyValues(TPersistent& obj, const QStringList& values) {
  for (const QString& entry : values) {
    const QString path = entry.section('=', 0, 0);
    const QString value = entry.section('=', 1);
    TPersistent* target = &obj;
    const QStringList parts = path.split('.');
    for (int i = 0; i + 1 < parts.size(); ++i) target = target->ClassInfo().FindProperty(parts[i])->GetObject(*target);
    const TPropInfo* p = target->ClassInfo().FindProperty(parts.last());
    switch (p->Kind) {
      case tkFloat:
        p->SetFloat(*target, value.toDouble());
        break;
      case tkString:
        p->SetStr(*target, value);
        break;
      default:
        p->SetOrd(*target, value.toLongLong());
        break;
    }
  }
}

}  // namespace tarnwick::testing
