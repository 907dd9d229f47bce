#pragma once
// TPersistent: objects that can be copied with Assign and written to object streams.
#include <QString>

#include "platform/core/ClassInfo.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TFiler;

// Declares the class's static record and the virtual accessor. The record itself is
// defined in the .cpp with TARNWICK_DEFINE_CLASS or by hand.
#define TARNWICK_CLASS(Class)                                                      \
 public:                                                                           \
  static const ::tarnwick::TClassInfo& StaticClassInfo();                          \
  const ::tarnwick::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

class TPersistent : public TObject {
 public:
  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  QString ClassName() const { return ClassInfo().ClassName(); }
  bool InheritsFrom(const TClassInfo& ancestor) const { return ClassInfo().InheritsFrom(ancestor); }

  // Copies Source into this object. The default asks Source->AssignTo(this), which by
  // default fails with "Cannot assign a <source> to a <this>".
  virtual void Assign(TPersistent* Source);
  // Adds custom (non-published) properties to a stream.
  virtual void DefineProperties(TFiler* Filer);
  // The object this one belongs to, for name paths; null by default.
  virtual TPersistent* GetOwner() const { return nullptr; }
  // What the writer asks of every object-valued property; answered without a type lookup,
  // since a document write asks it thousands of times.
  virtual class TComponent* AsComponent() { return nullptr; }
  virtual class TCollection* AsCollection() { return nullptr; }
  virtual QString GetNamePath() const;

 protected:
  virtual void AssignTo(TPersistent* Dest);
  [[noreturn]] void AssignError(TPersistent* Source);
};

}  // namespace tarnwick
