#include "platform/core/ClassInfo.h"

#include "platform/core/Component.h"

namespace tarnwick {

bool TPropInfo::IsReadOnly() const {
  switch (Kind) {
    case tkInteger:
    case tkInt64:
    case tkChar:
    case tkEnumeration:
    case tkSet:
      return !SetOrd;
    case tkFloat:
      return !SetFloat;
    case tkString:
      return !SetStr;
    case tkClass:
      return !SetObject;
    case tkMethod:
      return false;
  }
  return true;
}

bool TPropInfo::IsStored(TPersistent& instance) const {
  switch (Stored) {
    case skAlways:
      return true;
    case skNever:
      return false;
    case skPredicate:
      return StoredFn ? StoredFn(instance) : true;
  }
  return true;
}

bool TPropInfo::IsDefaultValue(TPersistent& instance) const {
  switch (Kind) {
    case tkInteger:
    case tkInt64:
    case tkChar:
    case tkEnumeration:
    case tkSet:
      return HasDefault() && GetOrd && GetOrd(instance) == Default;
    case tkFloat:
      return HasDefault() && GetFloat && GetFloat(instance) == 0.0;
    case tkString:
      return HasDefault() && GetStr && GetStr(instance).isEmpty();
    case tkClass: {
      TPersistent* v = GetObject ? GetObject(instance) : nullptr;
      if (!v) return true;
      TComponent* c = v->AsComponent();
      // A non-component sub-object is always descended into.
      return c != nullptr && c->GetName().isEmpty();
    }
    case tkMethod:
      return !HasHandler || !HasHandler(instance);
  }
  return false;
}

TPropInfo&& TPropInfo::WithDefault(int64_t value) && {
  Default = value;
  return std::move(*this);
}

TPropInfo&& TPropInfo::WithoutDefault() && {
  Default = NoDefault;
  return std::move(*this);
}

TPropInfo&& TPropInfo::NotStored() && {
  Stored = skNever;
  StoredFn = nullptr;
  return std::move(*this);
}

TPropInfo&& TPropInfo::StoredIf(std::function<bool(TPersistent&)> predicate) && {
  Stored = skPredicate;
  StoredFn = std::move(predicate);
  return std::move(*this);
}

TClassInfo::TClassInfo(QString className, const TClassInfo* parent, std::vector<TPropInfo> own,
                       TClassFactory factory, TItemFactory itemFactory)
    : FClassName(std::move(className)),
      FParent(parent),
      FFactory(std::move(factory)),
      FItemFactory(std::move(itemFactory)) {
  if (FParent) FProperties = FParent->Properties();
  for (auto& p : own) {
    bool replaced = false;
    for (auto& existing : FProperties)
      if (existing.Name.compare(p.Name, Qt::CaseInsensitive) == 0) {
        existing = std::move(p);  // a re-declared property keeps its parent's slot
        replaced = true;
        break;
      }
    if (!replaced) FProperties.push_back(std::move(p));
  }
  for (auto& p : FProperties) {
    const QByteArray utf8 = p.Name.toUtf8();
    p.NameUtf8.assign(utf8.constData(), static_cast<size_t>(utf8.size()));
  }
}

const TPropInfo* TClassInfo::FindProperty(const QString& name) const {
  for (const auto& p : FProperties)
    if (p.Name.compare(name, Qt::CaseInsensitive) == 0) return &p;
  return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    if (c == &ancestor) return true;
  return false;
}

TPersistent* TClassInfo::CreateInstance(TComponent* owner) const {
  return FFactory ? FFactory(owner) : nullptr;
}

TCollectionItem* TClassInfo::CreateItem(TCollection* collection) const {
  return FItemFactory ? FItemFactory(collection) : nullptr;
}

}  // namespace tarnwick
