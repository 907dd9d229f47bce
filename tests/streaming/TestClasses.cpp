#include "tests/streaming/TestClasses.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"
#include "streaming/Reader.h"
#include "streaming/TextConvert.h"

namespace tarnwick::test {

const TEnumTypeInfo& ShapeKindType() {
  static const TEnumTypeInfo t("TShapeKind", {"shBox", "shRound", "shDiamond"});
  return t;
}

const TEnumTypeInfo& ShapeOptionType() {
  static const TEnumTypeInfo t("TShapeOption", {"oxA", "oxB", "oxC"});
  return t;
}

const TClassInfo& TSampleFill::StaticClassInfo() {
  static const TClassInfo info("TSampleFill", &TPersistent::StaticClassInfo(),
                               {ColorProp("Color", &TSampleFill::GetColor, &TSampleFill::SetColor, clWhite),
                                FloatProp("Angle", ftDouble, &TSampleFill::GetAngle, &TSampleFill::SetAngle, true)});
  return info;
}

TSamplePen::TSamplePen() : FFill(MakeOwned<TSampleFill>()) {}

const TClassInfo& TSamplePen::StaticClassInfo() {
  static const TClassInfo info(
      "TSamplePen", &TPersistent::StaticClassInfo(),
      {ColorProp("Color", &TSamplePen::GetColor, &TSamplePen::SetColor, clBlack),
       IntProp("Width", &TSamplePen::GetWidth, &TSamplePen::SetWidth, 1),
       EnumProp("Style", ShapeKindType(), &TSamplePen::GetStyle, &TSamplePen::SetStyle, shBox),
       ObjectProp("Fill", TSampleFill::StaticClassInfo(), &TSamplePen::GetFill, &TSamplePen::SetFill)});
  return info;
}

TSampleItem::TSampleItem(TCollection* Collection)
    : TCollectionItem(Collection), FChildren(MakeOwned<TOwnedCollection>(this, TSampleItem::StaticClassInfo())) {}

const TClassInfo& TSampleItem::StaticClassInfo() {
  static const TClassInfo info(
      "TSampleItem", &TCollectionItem::StaticClassInfo(),
      {StringProp("Caption", &TSampleItem::GetCaption, &TSampleItem::SetCaption, true),
       IntProp("Value", &TSampleItem::GetValue, &TSampleItem::SetValue, 0),
       ObjectProp("Link", TSampleShape::StaticClassInfo(), &TSampleItem::GetLink, &TSampleItem::SetLink),
       ObjectProp("Children", TCollection::StaticClassInfo(), &TSampleItem::GetChildren, &TSampleItem::SetChildren)},
      {}, [](TCollection* c) { return Create<TSampleItem>(c); });
  return info;
}

TSampleShape::TSampleShape(TComponent* AOwner)
    : TComponent(AOwner),
      FPen(MakeOwned<TSamplePen>()),
      FItems(MakeOwned<TOwnedCollection>(this, TSampleItem::StaticClassInfo())),
      FLines(MakeOwned<TStringList>()) {}

namespace {

TPropInfo CharProp(const QString& name, char16_t (TSampleShape::*get)() const, void (TSampleShape::*set)(char16_t)) {
  TPropInfo p = IntProp(name, get, set, 0);
  p.Kind = tkChar;
  return p;
}

}  // namespace

const TClassInfo& TSampleShape::StaticClassInfo() {
  static const TClassInfo info(
      "TSampleShape", &TComponent::StaticClassInfo(),
      {IntProp("Width", &TSampleShape::GetWidth, &TSampleShape::SetWidth, 10),
       Int64Prop("Big", &TSampleShape::GetBig, &TSampleShape::SetBig, 0),
       CharProp("Letter", &TSampleShape::GetLetter, &TSampleShape::SetLetter),
       EnumProp("Kind", ShapeKindType(), &TSampleShape::GetKind, &TSampleShape::SetKind, shBox),
       BoolProp("Visible", &TSampleShape::GetVisible, &TSampleShape::SetVisible, true),
       SetProp("Options", ShapeOptionType(), &TSampleShape::GetOptions, &TSampleShape::SetOptions,
               TShapeOptions{oxA}.Mask()),
       FloatProp("Angle", ftDouble, &TSampleShape::GetAngle, &TSampleShape::SetAngle, true),
       FloatProp("Scale", ftDouble, &TSampleShape::GetScale, &TSampleShape::SetScale),
       FloatProp("Ratio", ftSingle, &TSampleShape::GetRatio, &TSampleShape::SetRatio, true),
       StringProp("Caption", &TSampleShape::GetCaption, &TSampleShape::SetCaption, true),
       StringProp("Hint", &TSampleShape::GetHint, &TSampleShape::SetHint),
       ColorProp("Color", &TSampleShape::GetColor, &TSampleShape::SetColor, clWhite),
       CursorProp("Cursor", &TSampleShape::GetCursor, &TSampleShape::SetCursor, 0),
       IntProp("Mask", &TSampleShape::GetMask, &TSampleShape::SetMask, 0),
       ObjectProp("Pen", TSamplePen::StaticClassInfo(), &TSampleShape::GetPen, &TSampleShape::SetPen),
       ObjectProp("Items", TCollection::StaticClassInfo(), &TSampleShape::GetItems, &TSampleShape::SetItems),
       ObjectProp("Lines", TStrings::StaticClassInfo(), &TSampleShape::GetLines, &TSampleShape::SetLines),
       ObjectProp("Link", TComponent::StaticClassInfo(), &TSampleShape::GetLink, &TSampleShape::SetLink),
       IntProp("Area", &TSampleShape::GetArea, nullptr),
       IntProp("Secret", &TSampleShape::GetSecret, &TSampleShape::SetSecret).NotStored(),
       StringProp("Note", &TSampleShape::GetNote, &TSampleShape::SetNote).StoredIf([](TPersistent& p) {
         return static_cast<TSampleShape&>(p).GetWidth() > 1000;
       }),
       EventProp("OnClick", &TSampleShape::OnClick)},
      [](TComponent* owner) { return Create<TSampleShape>(owner); });
  return info;
}

void TSampleShape::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineProperty(
      "Extra",
      [this](TReader& r) {
        Extra.clear();
        r.ReadListBegin();
        while (!r.EndOfList()) Extra.push_back(r.ReadInteger());
        r.ReadListEnd();
      },
      [this](TWriter& w) {
        w.WriteListBegin();
        for (int v : Extra) w.WriteInteger(v);
        w.WriteListEnd();
      },
      !Extra.empty());
  Filer->DefineBinaryProperty(
      "Blob", [this](TStream& s) { Blob = s.ReadAll(); }, [this](TStream& s) { s.WriteBuffer(Blob); }, !Blob.isEmpty());
}

void TSampleShape::ReadState(TReader* Reader) {
  TComponent::ReadState(Reader);
  ParentSeen = Reader->GetParent();
}

void TSampleShape::GetChildren(const TGetChildProc& Proc, TComponent*) {
  if (!StreamChildren) return;
  for (int i = 0; i < GetComponentCount(); ++i)
    if (auto* shape = dynamic_cast<TSampleShape*>(GetComponents(i))) Proc(shape);
}

void TSampleShape::SetChildOrder(TComponent* Child, int Order) {
  LoadedLog() << QStringLiteral("order %1=%2").arg(Child->GetName()).arg(Order);
}

void TSampleShape::Loaded() {
  TComponent::Loaded();
  QString entry = GetName();
  if (FLink) entry += "->" + FLink->GetName();
  LoadedLog() << entry;
}

QStringList& TSampleShape::LoadedLog() {
  static QStringList log;
  return log;
}

const TClassInfo& TSampleDerived::StaticClassInfo() {
  static const TClassInfo info(
      "TSampleDerived", &TSampleShape::StaticClassInfo(),
      {IntProp("Radius", &TSampleDerived::GetRadius, &TSampleDerived::SetRadius),
       IntProp("Width", &TSampleShape::GetWidth, &TSampleShape::SetWidth, 20),
       EnumProp("Kind", ShapeKindType(), &TSampleShape::GetKind, &TSampleShape::SetKind, shBox).NotStored()},
      [](TComponent* owner) { return Create<TSampleDerived>(owner); });
  return info;
}

void RegisterSampleClasses() {
  RegisterClass<TSampleShape>();
  RegisterClass<TSampleDerived>();
}

QByteArray SaveBinary(TComponent* Root) {
  TMemoryStream m;
  WriteComponent(m, Root);
  return m.Bytes();
}

void LoadBinary(const QByteArray& Bytes, TComponent* Root) {
  TMemoryStream m(Bytes);
  ReadComponent(m, Root);
}

QByteArray BinaryToText(const QByteArray& Bytes) {
  TMemoryStream in(Bytes), out;
  ConvertBinaryToText(in, out);
  return out.Bytes();
}

QByteArray TextToBinary(const QByteArray& Text) {
  TMemoryStream in(Text), out;
  ConvertTextToBinary(in, out);
  return out.Bytes();
}

}  // namespace tarnwick::test
