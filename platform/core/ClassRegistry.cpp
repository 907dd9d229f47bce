#include "platform/core/ClassRegistry.h"

#include <QHash>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"

namespace tarnwick {

namespace {
QHash<QString, const TClassInfo*>& Registry() {
  static QHash<QString, const TClassInfo*> registry;
  return registry;
}
}  // namespace

void RegisterClass(const TClassInfo& Info) { Registry().insert(Info.ClassName(), &Info); }

void UnRegisterClass(const TClassInfo& Info) {
  auto it = Registry().find(Info.ClassName());
  if (it != Registry().end() && it.value() == &Info) Registry().erase(it);
}

const TClassInfo* GetClass(const QString& ClassName) { return Registry().value(ClassName, nullptr); }

const TClassInfo& FindClass(const QString& ClassName) {
  if (const TClassInfo* info = GetClass(ClassName)) return *info;
  throw EClassNotFound(msg::ClassNotFound, ClassName);
}

}  // namespace tarnwick
