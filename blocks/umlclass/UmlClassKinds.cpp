// The compartment boxes that differ only by their compartments, stereotype, initial name
// and published members.
#include <QStringList>

#include "blocks/umlclass/UmlClassBlocks.h"
#include "platform/core/Properties.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {

using Base = TUMLBaseClassBlock;

TPropInfo NameProp(const char* AName) { return StringProp(AName, &Base::GetItemName, &Base::SetItemName, true); }
TPropInfo AttributesProp() {
  return ObjectProp("Attributes", TUMLAttributes::StaticClassInfo(), &Base::GetAttributes, &Base::SetAttributes);
}
TPropInfo OperationsProp() {
  return ObjectProp("Operations", TUMLOperations::StaticClassInfo(), &Base::GetOperations, &Base::SetOperations);
}
TPropInfo ParametersProp() {
  return ObjectProp("Parameters", TUMLParameters::StaticClassInfo(), &Base::GetParameters, &Base::SetParameters);
}
TPropInfo ShowAttributesProp() {
  return BoolProp("ShowAttributes", &Base::GetShowAttributes, &Base::SetShowAttributes);
}
TPropInfo ShowOperationsProp() {
  return BoolProp("ShowOperations", &Base::GetShowOperations, &Base::SetShowOperations);
}
TPropInfo ShowParametersProp() {
  return BoolProp("ShowParameters", &Base::GetShowParameters, &Base::SetShowParameters);
}

template <class T>
TClassFactory Factory() {
  return [](TComponent* owner) { return Create<T>(owner); };
}

}  // namespace

// ---- Class and its kinds ----

const TClassInfo& TUMLClassBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLClassBlock", &TUMLBaseClassBlock::StaticClassInfo(),
                               {NameProp("UMLClassName"), AttributesProp(), OperationsProp(), ParametersProp(),
                                ShowAttributesProp(), ShowOperationsProp(), ShowParametersProp()},
                               Factory<TUMLClassBlock>());
  return info;
}

TUMLClassBlock::TUMLClassBlock(TComponent* AOwner) : TUMLBaseClassBlock(AOwner) {
  SetSections(3, 1, 2, true);
  TitleCell()->SetAlignment(taCenter);
  if (TTextCell* p = ParametersCell()) {
    p->SetVisible(false);
    p->SetAlignment(taCenter);
  }
  SetItemName(QStringLiteral("Class1"));
}

const TClassInfo& TUMLMetaClassBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLMetaClassBlock", &TUMLClassBlock::StaticClassInfo(), {},
                               Factory<TUMLMetaClassBlock>());
  return info;
}

TUMLMetaClassBlock::TUMLMetaClassBlock(TComponent* AOwner) : TUMLClassBlock(AOwner) {
  SetStereotype(QStringLiteral("metaclass"));
  SetItemName(QStringLiteral("Metaclass1"));
}

const TClassInfo& TUMLBoundElementBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLBoundElementBlock", &TUMLClassBlock::StaticClassInfo(), {},
                               Factory<TUMLBoundElementBlock>());
  return info;
}

TUMLBoundElementBlock::TUMLBoundElementBlock(TComponent* AOwner) : TUMLClassBlock(AOwner) {
  SetShowAttributes(false);
  SetShowOperations(false);
  SetShowParameters(false);
}

const TClassInfo& TUMLParamClassBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLParamClassBlock", &TUMLClassBlock::StaticClassInfo(), {},
                               Factory<TUMLParamClassBlock>());
  return info;
}

TUMLParamClassBlock::TUMLParamClassBlock(TComponent* AOwner) : TUMLClassBlock(AOwner) {
  GetParameters()->Add()->SetName(QStringLiteral("Parameter1"));
}

// ---- Data type, interface, utility ----

const TClassInfo& TUMLDataTypeBlock::StaticClassInfo() {
  static const TClassInfo info(
      "TUMLDataTypeBlock", &TUMLBaseClassBlock::StaticClassInfo(),
      {NameProp("UMLDataTypeName"), AttributesProp(), OperationsProp(), ShowAttributesProp(), ShowOperationsProp()},
      Factory<TUMLDataTypeBlock>());
  return info;
}

TUMLDataTypeBlock::TUMLDataTypeBlock(TComponent* AOwner) : TUMLBaseClassBlock(AOwner) {
  SetStereotype(QStringLiteral("datatype"));
  SetSections(3, 1, 2, true);
  TitleCell()->SetAlignment(taCenter);
  ParametersCell()->SetVisible(false);
  ParametersCell()->SetAlignment(taCenter);
  SetItemName(QStringLiteral("Datatype1"));
}

QString TUMLDataTypeBlock::AttributeText(TUMLAttribute* A) {
  if (!A->GetCustomText().isEmpty()) return A->GetCustomText();
  const QString init = A->GetInitialValue().isEmpty() ? QString() : QStringLiteral(" = ") + A->GetInitialValue();
  return UMLVisibilityPrefix(A->GetVisibility()) + A->GetName() + init;
}

const TClassInfo& TUMLInterfaceBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLInterfaceBlock", &TUMLBaseClassBlock::StaticClassInfo(),
                               {NameProp("UMLInterfaceName"), OperationsProp(), ShowOperationsProp()},
                               Factory<TUMLInterfaceBlock>());
  return info;
}

TUMLInterfaceBlock::TUMLInterfaceBlock(TComponent* AOwner) : TUMLBaseClassBlock(AOwner) {
  SetStereotype(QStringLiteral("interface"));
  SetSections(2, -1, 1, true);
  TitleCell()->SetAlignment(taCenter);
  ParametersCell()->SetVisible(false);
  ParametersCell()->SetAlignment(taCenter);
  SetItemName(QStringLiteral("Interface1"));
}

const TClassInfo& TUMLUtilityBlock::StaticClassInfo() {
  static const TClassInfo info(
      "TUMLUtilityBlock", &TUMLBaseClassBlock::StaticClassInfo(),
      {NameProp("UMLUtilityName"), AttributesProp(), OperationsProp(), ShowAttributesProp(), ShowOperationsProp()},
      Factory<TUMLUtilityBlock>());
  return info;
}

TUMLUtilityBlock::TUMLUtilityBlock(TComponent* AOwner) : TUMLBaseClassBlock(AOwner) {
  SetStereotype(QStringLiteral("utility"));
  SetSections(3, 1, 2, true);
  TitleCell()->SetAlignment(taCenter);
  ParametersCell()->SetVisible(false);
  ParametersCell()->SetAlignment(taCenter);
  SetItemName(QStringLiteral("Utility1"));
}

// ---- Signal and exception ----

const TClassInfo& TUMLSignalBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLSignalBlock", &TUMLBaseClassBlock::StaticClassInfo(),
                               {NameProp("UMLSignalName"), ParametersProp(), ShowParametersProp()},
                               Factory<TUMLSignalBlock>());
  return info;
}

TUMLSignalBlock::TUMLSignalBlock(TComponent* AOwner) : TUMLSignalBlock(AOwner, "signal", "Signal1") {}

TUMLSignalBlock::TUMLSignalBlock(TComponent* AOwner, const QString& AStereotype, const QString& AName)
    : TUMLBaseClassBlock(AOwner) {
  SetStereotype(AStereotype);
  SetSections(2, -1, -1, false);
  TitleCell()->SetAlignment(taCenter);
  UpdateParametersVisibility();
  SetItemName(AName);
}

TTextCell* TUMLSignalBlock::ParametersCell() const {
  TTextCells* cells = GetTextCells();
  return cells->Count() > 1 ? cells->GetItems(1) : nullptr;
}

void TUMLSignalBlock::ParametersChanged(TUMLParameters* AParameters) {
  TTextCell* cell = ParametersCell();
  if (!cell) return;
  QStringList lines;
  for (int i = 0; i < AParameters->Count(); ++i) lines << ParameterText(AParameters->GetItem(i));
  cell->SetText(lines.join(QStringLiteral("\r\n")));
  UpdateParametersVisibility();
}

void TUMLSignalBlock::UpdateParametersVisibility() {
  // A compartment of its own: shown while the flag is set, empty or not.
  if (TTextCell* cell = ParametersCell()) cell->SetVisible(FShowParameters);
}

const TClassInfo& TUMLExceptionBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLExceptionBlock", &TUMLSignalBlock::StaticClassInfo(), {},
                               Factory<TUMLExceptionBlock>());
  return info;
}

TUMLExceptionBlock::TUMLExceptionBlock(TComponent* AOwner) : TUMLSignalBlock(AOwner, "exception", "Exception1") {}

// ---- Object ----

const TClassInfo& TUMLObjectBlock::StaticClassInfo() {
  using O = TUMLObjectBlock;
  static const TClassInfo info(
      "TUMLObjectBlock", &TUMLBaseClassBlock::StaticClassInfo(),
      {StringProp("UMLObjectName", &O::GetObjectName, &O::SetObjectName, true),
       StringProp("UMLClassName", &O::GetClassName, &O::SetClassName, true), AttributesProp(), ShowAttributesProp()},
      Factory<TUMLObjectBlock>());
  return info;
}

TUMLObjectBlock::TUMLObjectBlock(TComponent* AOwner) : TUMLBaseClassBlock(AOwner) {
  SetSections(2, 1, -1, true);
  TTextCell* title = TitleCell();
  title->SetAlignment(taCenter);
  TFontStyles style = title->GetFont()->GetStyle();
  style.Include(fsUnderline);
  title->GetFont()->SetStyle(style);
  ParametersCell()->SetVisible(false);
  ParametersCell()->SetAlignment(taCenter);
  SetObjectName(QStringLiteral("Object1"));
}

void TUMLObjectBlock::SetObjectName(const QString& Value) {
  FObjectName = Value;
  FItemName = Value;
  if (!MembersLoading()) UpdateTitle();
}

void TUMLObjectBlock::SetClassName(const QString& Value) {
  FClassName = Value;
  if (!MembersLoading()) UpdateTitle();
}

void TUMLObjectBlock::UpdateTitle() {
  TTextCell* title = TitleCell();
  if (!title) return;
  title->SetText(FClassName.isEmpty() ? FObjectName : FObjectName + QStringLiteral(" : ") + FClassName);
}

}  // namespace tarnwick
