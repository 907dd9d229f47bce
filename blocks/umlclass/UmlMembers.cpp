#include "blocks/umlclass/UmlMembers.h"

#include "blocks/umlclass/UmlBaseClassBlock.h"
#include "platform/core/Properties.h"

namespace tarnwick {

const TEnumTypeInfo& UMLVisibilityType() {
  static const TEnumTypeInfo t("TUMLVisibility", {"uvPrivate", "uvProtected", "uvPublic"});
  return t;
}

const TEnumTypeInfo& UMLParamKindType() {
  static const TEnumTypeInfo t("TUMLParamKind", {"pkNone", "pkIn", "pkOut", "pkInOut"});
  return t;
}

QString UMLVisibilityPrefix(TUMLVisibility AVisibility) {
  switch (AVisibility) {
    case uvPrivate:
      return QStringLiteral("-");
    case uvProtected:
      return QStringLiteral("#");
    case uvPublic:
      return QStringLiteral("+");
  }
  return {};
}

QString UMLParamKindPrefix(TUMLParamKind AKind) {
  switch (AKind) {
    case pkNone:
      return {};
    case pkIn:
      return QStringLiteral("in ");
    case pkOut:
      return QStringLiteral("out ");
    case pkInOut:
      return QStringLiteral("inout ");
  }
  return {};
}

namespace {

// Stores a changed value and tells the collection; an unchanged value does nothing.
template <class T>
bool Store(T& AField, const T& AValue) {
  if (AField == AValue) return false;
  AField = AValue;
  return true;
}

// The block a member collection belongs to, when it is one and is not being read: while
// a block or its diagram loads, the compartment texts come from the document.
TUMLBaseClassBlock* ListeningBlock(TPersistent* AOwner) {
  auto* block = dynamic_cast<TUMLBaseClassBlock*>(AOwner);
  return block && !block->MembersLoading() ? block : nullptr;
}

}  // namespace

void TUMLMembers::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TOwnedCollection::Notify(Item, Action);
  if (Action == cnAdded) FAdding = Item;
}

void TUMLMembers::ItemReady(TCollectionItem* Item) {
  if (FAdding != Item) return;
  FAdding = nullptr;
  if (GetUpdateCount() == 0) Update(Item);
}

namespace {
void ReportReady(TCollectionItem* AItem) {
  if (auto* members = dynamic_cast<TUMLMembers*>(AItem->GetCollection())) members->ItemReady(AItem);
}
}  // namespace

// ---- Attribute ----

const TClassInfo& TUMLAttribute::StaticClassInfo() {
  using A = TUMLAttribute;
  static const TClassInfo info("TUMLAttribute", &TCollectionItem::StaticClassInfo(),
                               {StringProp("Name", &A::GetName, &A::SetName, true),
                                StringProp("TypeName", &A::GetTypeName, &A::SetTypeName, true),
                                EnumProp("Visibility", UMLVisibilityType(), &A::GetVisibility, &A::SetVisibility),
                                StringProp("InitialValue", &A::GetInitialValue, &A::SetInitialValue, true),
                                StringProp("CustomText", &A::GetCustomText, &A::SetCustomText, true)},
                               {}, [](TCollection* c) { return Create<TUMLAttribute>(c); });
  return info;
}

void TUMLAttribute::AfterConstruction() {
  TCollectionItem::AfterConstruction();
  ReportReady(this);
}

void TUMLAttribute::Assign(TPersistent* Source) {
  auto* a = dynamic_cast<TUMLAttribute*>(Source);
  if (!a) {
    TCollectionItem::Assign(Source);
    return;
  }
  FCustomText = a->FCustomText;
  FTypeName = a->FTypeName;
  FName = a->FName;
  FVisibility = a->FVisibility;
  FInitValue = a->FInitValue;
  Changed(false);
}

void TUMLAttribute::SetName(const QString& Value) {
  if (Store(FName, Value)) Changed(false);
}
void TUMLAttribute::SetTypeName(const QString& Value) {
  if (Store(FTypeName, Value)) Changed(false);
}
void TUMLAttribute::SetVisibility(TUMLVisibility Value) {
  if (Store(FVisibility, Value)) Changed(false);
}
void TUMLAttribute::SetInitialValue(const QString& Value) {
  if (Store(FInitValue, Value)) Changed(false);
}
void TUMLAttribute::SetCustomText(const QString& Value) {
  if (Store(FCustomText, Value)) Changed(false);
}

// ---- Parameter ----

const TClassInfo& TUMLParameter::StaticClassInfo() {
  using P = TUMLParameter;
  static const TClassInfo info("TUMLParameter", &TCollectionItem::StaticClassInfo(),
                               {StringProp("Name", &P::GetName, &P::SetName, true),
                                StringProp("ParamType", &P::GetParamType, &P::SetParamType, true),
                                StringProp("DefaultValue", &P::GetDefaultValue, &P::SetDefaultValue, true),
                                EnumProp("ParamKind", UMLParamKindType(), &P::GetParamKind, &P::SetParamKind),
                                StringProp("CustomText", &P::GetCustomText, &P::SetCustomText, true)},
                               {}, [](TCollection* c) { return Create<TUMLParameter>(c); });
  return info;
}

void TUMLParameter::AfterConstruction() {
  TCollectionItem::AfterConstruction();
  ReportReady(this);
}

void TUMLParameter::Assign(TPersistent* Source) {
  auto* p = dynamic_cast<TUMLParameter*>(Source);
  if (!p) {
    TCollectionItem::Assign(Source);
    return;
  }
  FCustomText = p->FCustomText;
  FParamType = p->FParamType;
  FName = p->FName;
  FVisibility = p->FVisibility;
  FDefaultValue = p->FDefaultValue;
  FParamKind = p->FParamKind;
  Changed(false);
}

void TUMLParameter::SetName(const QString& Value) {
  if (Store(FName, Value)) Changed(false);
}
void TUMLParameter::SetParamType(const QString& Value) {
  if (Store(FParamType, Value)) Changed(false);
}
void TUMLParameter::SetVisibility(TUMLVisibility Value) {
  if (Store(FVisibility, Value)) Changed(false);
}
void TUMLParameter::SetDefaultValue(const QString& Value) {
  if (Store(FDefaultValue, Value)) Changed(false);
}
void TUMLParameter::SetParamKind(TUMLParamKind Value) {
  if (Store(FParamKind, Value)) Changed(false);
}
void TUMLParameter::SetCustomText(const QString& Value) {
  if (Store(FCustomText, Value)) Changed(false);
}

const TClassInfo& TUMLParameters::StaticClassInfo() {
  static const TClassInfo info("TUMLParameters", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

void TUMLParameters::Update(TCollectionItem*) {
  if (!CanReport()) return;
  if (auto* operation = dynamic_cast<TUMLOperation*>(GetOwner())) {
    operation->ParametersChanged();
    return;
  }
  if (TUMLBaseClassBlock* block = ListeningBlock(GetOwner())) block->ParametersChanged(this);
}

// ---- Operation ----

const TClassInfo& TUMLOperation::StaticClassInfo() {
  using O = TUMLOperation;
  static const TClassInfo info(
      "TUMLOperation", &TCollectionItem::StaticClassInfo(),
      {StringProp("Name", &O::GetName, &O::SetName, true),
       StringProp("ReturnType", &O::GetReturnType, &O::SetReturnType, true),
       EnumProp("Visibility", UMLVisibilityType(), &O::GetVisibility, &O::SetVisibility),
       StringProp("CustomText", &O::GetCustomText, &O::SetCustomText, true),
       ObjectProp("Parameters", TUMLParameters::StaticClassInfo(), &O::GetParameters, &O::SetParameters)},
      {}, [](TCollection* c) { return Create<TUMLOperation>(c); });
  return info;
}

TUMLOperation::TUMLOperation(TCollection* Collection) : TCollectionItem(Collection) {
  FParameters = MakeOwned<TUMLParameters>(this);
  FParameters->SetPropName(QStringLiteral("Parameters"));
}

TUMLOperation::~TUMLOperation() = default;

void TUMLOperation::AfterConstruction() {
  TCollectionItem::AfterConstruction();
  ReportReady(this);
}

void TUMLOperation::Assign(TPersistent* Source) {
  auto* o = dynamic_cast<TUMLOperation*>(Source);
  if (!o) {
    TCollectionItem::Assign(Source);
    return;
  }
  FCustomText = o->FCustomText;
  FReturnType = o->FReturnType;
  FName = o->FName;
  FVisibility = o->FVisibility;
  FParameters->Assign(o->FParameters.get());
  Changed(false);
}

void TUMLOperation::SetName(const QString& Value) {
  if (Store(FName, Value)) Changed(false);
}
void TUMLOperation::SetReturnType(const QString& Value) {
  if (Store(FReturnType, Value)) Changed(false);
}
void TUMLOperation::SetVisibility(TUMLVisibility Value) {
  if (Store(FVisibility, Value)) Changed(false);
}
void TUMLOperation::SetCustomText(const QString& Value) {
  if (Store(FCustomText, Value)) Changed(false);
}

// ---- Collections ----

const TClassInfo& TUMLAttributes::StaticClassInfo() {
  static const TClassInfo info("TUMLAttributes", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

void TUMLAttributes::Update(TCollectionItem*) {
  if (!CanReport()) return;
  if (TUMLBaseClassBlock* block = ListeningBlock(GetOwner())) block->AttributesChanged(this);
}

const TClassInfo& TUMLOperations::StaticClassInfo() {
  static const TClassInfo info("TUMLOperations", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

void TUMLOperations::Update(TCollectionItem*) {
  if (!CanReport()) return;
  if (TUMLBaseClassBlock* block = ListeningBlock(GetOwner())) block->OperationsChanged(this);
}

}  // namespace tarnwick
