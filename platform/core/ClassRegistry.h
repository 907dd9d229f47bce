#pragma once
// The streaming class registry: class name -> class record, so a reader can create the
// objects a stream names.
#include <QString>

#include "platform/core/ClassInfo.h"

namespace tarnwick {

// Registers a class (and nothing else: parents are registered on their own). Registering
// the same record twice is harmless; a different record under a taken name replaces it.
void RegisterClass(const TClassInfo& Info);
void UnRegisterClass(const TClassInfo& Info);
// Null when no class of that name is registered.
const TClassInfo* GetClass(const QString& ClassName);
// Raises EClassNotFound "Class %s not found" when missing.
const TClassInfo& FindClass(const QString& ClassName);

template <class T>
void RegisterClass() {
  RegisterClass(T::StaticClassInfo());
}

}  // namespace tarnwick
