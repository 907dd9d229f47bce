#pragma once
// The structured members of the class-like UML blocks: attributes, operations with their
// parameters, and template parameters. Each member is an item of an owned collection;
// every change of a member tells its collection, which tells the block (or, for the
// parameters of an operation, the operation) so the compartment text follows the members.
#include <QString>

#include "platform/core/Collection.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

class TUMLBaseClassBlock;
class TUMLOperation;

enum TUMLVisibility { uvPrivate, uvProtected, uvPublic };
enum TUMLParamKind { pkNone, pkIn, pkOut, pkInOut };

const TEnumTypeInfo& UMLVisibilityType();
const TEnumTypeInfo& UMLParamKindType();
// "-", "#", "+".
QString UMLVisibilityPrefix(TUMLVisibility AVisibility);
// "", "in ", "out ", "inout ".
QString UMLParamKindPrefix(TUMLParamKind AKind);

// The member collections. An item joins its collection inside the item's base
// constructor, before its own fields exist; the report of the addition waits until the
// item is whole (ItemReady, from the item's AfterConstruction).
class TUMLMembers : public TOwnedCollection {
 public:
  TUMLMembers(TPersistent* AOwner, const TClassInfo& ItemClass) : TOwnedCollection(AOwner, ItemClass) {}
  void ItemReady(TCollectionItem* Item);

 protected:
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
  // Whether a report may go out now (no item half made).
  bool CanReport() const { return FAdding == nullptr; }

 private:
  TCollectionItem* FAdding = nullptr;
};

class TUMLAttribute : public TCollectionItem {
  TARNWICK_CLASS(TUMLAttribute)

 public:
  explicit TUMLAttribute(TCollection* Collection) : TCollectionItem(Collection) {}
  void Assign(TPersistent* Source) override;
  void AfterConstruction() override;

  const QString& GetName() const { return FName; }
  void SetName(const QString& Value);
  const QString& GetTypeName() const { return FTypeName; }
  void SetTypeName(const QString& Value);
  TUMLVisibility GetVisibility() const { return FVisibility; }
  void SetVisibility(TUMLVisibility Value);
  const QString& GetInitialValue() const { return FInitValue; }
  void SetInitialValue(const QString& Value);
  const QString& GetCustomText() const { return FCustomText; }
  void SetCustomText(const QString& Value);

 private:
  QString FCustomText;
  QString FTypeName;
  QString FName;
  TUMLVisibility FVisibility = uvPrivate;
  QString FInitValue;
};

class TUMLParameter : public TCollectionItem {
  TARNWICK_CLASS(TUMLParameter)

 public:
  explicit TUMLParameter(TCollection* Collection) : TCollectionItem(Collection) {}
  void Assign(TPersistent* Source) override;
  void AfterConstruction() override;

  const QString& GetName() const { return FName; }
  void SetName(const QString& Value);
  const QString& GetParamType() const { return FParamType; }
  void SetParamType(const QString& Value);
  TUMLVisibility GetVisibility() const { return FVisibility; }
  void SetVisibility(TUMLVisibility Value);
  const QString& GetDefaultValue() const { return FDefaultValue; }
  void SetDefaultValue(const QString& Value);
  TUMLParamKind GetParamKind() const { return FParamKind; }
  void SetParamKind(TUMLParamKind Value);
  const QString& GetCustomText() const { return FCustomText; }
  void SetCustomText(const QString& Value);

 private:
  QString FCustomText;
  QString FParamType;
  QString FName;
  TUMLVisibility FVisibility = uvPrivate;
  QString FDefaultValue;
  TUMLParamKind FParamKind = pkNone;
};

// The owner is a class block (template or signal parameters) or an operation.
class TUMLParameters : public TUMLMembers {
  TARNWICK_CLASS(TUMLParameters)

 public:
  explicit TUMLParameters(TPersistent* AOwner) : TUMLMembers(AOwner, TUMLParameter::StaticClassInfo()) {}
  TUMLParameter* Add() { return static_cast<TUMLParameter*>(TCollection::Add()); }
  TUMLParameter* GetItem(int Index) const { return static_cast<TUMLParameter*>(GetItems(Index)); }
  void SetItem(int Index, TUMLParameter* Value) { GetItem(Index)->Assign(Value); }

 protected:
  void Update(TCollectionItem* Item) override;
};

class TUMLOperation : public TCollectionItem {
  TARNWICK_CLASS(TUMLOperation)

 public:
  explicit TUMLOperation(TCollection* Collection);
  ~TUMLOperation() override;
  // Copies the parameters with the rest: an operation copied without them would read as
  // a different operation (and lose them for good when the copy replaces the original).
  void Assign(TPersistent* Source) override;
  void AfterConstruction() override;

  const QString& GetName() const { return FName; }
  void SetName(const QString& Value);
  const QString& GetReturnType() const { return FReturnType; }
  void SetReturnType(const QString& Value);
  TUMLVisibility GetVisibility() const { return FVisibility; }
  void SetVisibility(TUMLVisibility Value);
  const QString& GetCustomText() const { return FCustomText; }
  void SetCustomText(const QString& Value);
  TUMLParameters* GetParameters() const { return FParameters.get(); }
  void SetParameters(TUMLParameters* Value) { FParameters->Assign(Value); }

  // The parameter list changed: the operation's text line changes with it.
  void ParametersChanged() { Changed(false); }

 private:
  QString FCustomText;
  QString FReturnType;
  QString FName;
  TUMLVisibility FVisibility = uvPrivate;
  TOwned<TUMLParameters> FParameters;
};

class TUMLAttributes : public TUMLMembers {
  TARNWICK_CLASS(TUMLAttributes)

 public:
  explicit TUMLAttributes(TPersistent* AOwner) : TUMLMembers(AOwner, TUMLAttribute::StaticClassInfo()) {}
  TUMLAttribute* Add() { return static_cast<TUMLAttribute*>(TCollection::Add()); }
  TUMLAttribute* GetItem(int Index) const { return static_cast<TUMLAttribute*>(GetItems(Index)); }
  void SetItem(int Index, TUMLAttribute* Value) { GetItem(Index)->Assign(Value); }

 protected:
  void Update(TCollectionItem* Item) override;
};

class TUMLOperations : public TUMLMembers {
  TARNWICK_CLASS(TUMLOperations)

 public:
  explicit TUMLOperations(TPersistent* AOwner) : TUMLMembers(AOwner, TUMLOperation::StaticClassInfo()) {}
  TUMLOperation* Add() { return static_cast<TUMLOperation*>(TCollection::Add()); }
  TUMLOperation* GetItem(int Index) const { return static_cast<TUMLOperation*>(GetItems(Index)); }
  void SetItem(int Index, TUMLOperation* Value) { GetItem(Index)->Assign(Value); }

 protected:
  void Update(TCollectionItem* Item) override;
};

}  // namespace tarnwick
