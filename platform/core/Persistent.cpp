#include "platform/core/Persistent.h"

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"

namespace tarnwick {

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info("TPersistent", nullptr, {});
  return info;
}

void TPersistent::Assign(TPersistent* Source) {
  if (Source) {
    Source->AssignTo(this);
    return;
  }
  AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* Source) {
  QString sourceName = Source ? Source->ClassName() : QStringLiteral("nil");
  throw EConvertError(msg::AssignError, sourceName, ClassName());
}

void TPersistent::DefineProperties(TFiler*) {}

QString TPersistent::GetNamePath() const { return ClassName(); }

}  // namespace tarnwick
