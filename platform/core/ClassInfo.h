#pragma once
// Class information of streamable classes: the class name, the parent's record, a factory,
// and the ordered table of published properties. Streams are written and read only through
// these tables (plus DefineProperties), so a property's kind, accessors, stored rule and
// default decide exactly what a document holds.
#include <QString>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/core/TypeInfo.h"

namespace tarnwick {

class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;
struct TClassInfo;

enum TTypeKind { tkInteger, tkInt64, tkChar, tkEnumeration, tkSet, tkFloat, tkString, tkClass, tkMethod };
enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };
enum TStoredKind { skAlways, skNever, skPredicate };

// "No default" is held as this sentinel, so a property declared without a default is
// written whenever its stored rule allows.
inline constexpr int64_t NoDefault = std::numeric_limits<int32_t>::min();

struct TPropInfo {
  QString Name;
  // The name as a stream carries it, made once when the class table is built.
  std::string NameUtf8;
  TTypeKind Kind = tkInteger;
  TFloatType FloatType = ftDouble;            // tkFloat: the property's own width
  const TEnumTypeInfo* EnumType = nullptr;    // tkEnumeration; tkSet: the member type
  const TIdentMap* Idents = nullptr;          // tkInteger: names for values (colours...)
  const TClassInfo* ObjectClass = nullptr;  // tkClass: the declared class
  int OrdSize = 4;                            // tkSet: bytes of the set's storage

  // Accessors by kind. Ordinals (integers, characters, enumerations, set masks) travel as
  // int64_t; a missing setter means the property is read-only.
  std::function<int64_t(TPersistent&)> GetOrd;
  std::function<void(TPersistent&, int64_t)> SetOrd;
  std::function<double(TPersistent&)> GetFloat;
  std::function<void(TPersistent&, double)> SetFloat;
  std::function<QString(TPersistent&)> GetStr;
  std::function<void(TPersistent&, const QString&)> SetStr;
  std::function<TPersistent*(TPersistent&)> GetObject;
  std::function<void(TPersistent&, TPersistent*)> SetObject;
  std::function<bool(TPersistent&)> HasHandler;  // tkMethod: is a handler assigned

  TStoredKind Stored = skAlways;
  std::function<bool(TPersistent&)> StoredFn;
  int64_t Default = NoDefault;

  bool HasDefault() const { return Default != NoDefault; }
  bool IsReadOnly() const;
  bool IsStored(TPersistent& instance) const;
  // Whether the instance's value counts as the default, by the kind's rule: ordinals equal
  // the declared default; floats are 0 with any default declared; strings are empty with a
  // default declared; objects are empty or unnamed components.
  bool IsDefaultValue(TPersistent& instance) const;

  // Fluent modifiers used when a table is declared.
  TPropInfo&& WithDefault(int64_t value) &&;
  TPropInfo&& WithoutDefault() &&;
  TPropInfo&& NotStored() &&;
  TPropInfo&& StoredIf(std::function<bool(TPersistent&)> predicate) &&;
};

// Creates an instance for the stream reader; owner may be null.
using TClassFactory = std::function<TPersistent*(TComponent* owner)>;
// Creates a collection item inside a collection.
using TItemFactory = std::function<TCollectionItem*(TCollection* collection)>;

struct TClassInfo {
  TClassInfo(QString className, const TClassInfo* parent, std::vector<TPropInfo> own,
             TClassFactory factory = {}, TItemFactory itemFactory = {});

  const QString& ClassName() const { return FClassName; }
  const TClassInfo* Parent() const { return FParent; }
  // The parent's table followed by this class's additions; a re-declared property
  // replaces the parent's entry in the parent's slot.
  const std::vector<TPropInfo>& Properties() const { return FProperties; }
  // Letter case ignored; null when the class has no such property.
  const TPropInfo* FindProperty(const QString& name) const;
  bool InheritsFrom(const TClassInfo& ancestor) const;

  bool CanCreate() const { return static_cast<bool>(FFactory); }
  TPersistent* CreateInstance(TComponent* owner) const;
  bool CanCreateItem() const { return static_cast<bool>(FItemFactory); }
  TCollectionItem* CreateItem(TCollection* collection) const;

 private:
  QString FClassName;
  const TClassInfo* FParent;
  std::vector<TPropInfo> FProperties;
  TClassFactory FFactory;
  TItemFactory FItemFactory;
};

}  // namespace tarnwick
