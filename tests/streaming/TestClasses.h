#pragma once
// Streamable classes for the stream tests: one of every property kind, a sub-object with
// its own sub-object, a collection, a string list, references, custom properties and
// children.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/core/Properties.h"
#include "platform/core/Strings.h"

namespace tarnwick::test {

enum TShapeKind { shBox, shRound, shDiamond };
enum TShapeOption { oxA, oxB, oxC };
using TShapeOptions = TSet<TShapeOption, uint8_t>;

const TEnumTypeInfo& ShapeKindType();
const TEnumTypeInfo& ShapeOptionType();

class TSampleFill : public TPersistent {
  TARNWICK_CLASS(TSampleFill)

 public:
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  double GetAngle() const { return FAngle; }
  void SetAngle(double v) { FAngle = v; }

 private:
  TColor FColor = clWhite;
  double FAngle = 0;
};

class TSamplePen : public TPersistent {
  TARNWICK_CLASS(TSamplePen)

 public:
  TSamplePen();
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  int GetWidth() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  TShapeKind GetStyle() const { return FStyle; }
  void SetStyle(TShapeKind v) { FStyle = v; }
  TSampleFill* GetFill() const { return FFill.get(); }
  void SetFill(TSampleFill* v) { FFill->SetColor(v->GetColor()); }

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TShapeKind FStyle = shBox;
  TOwned<TSampleFill> FFill;
};

class TSampleShape;

class TSampleItem : public TCollectionItem {
  TARNWICK_CLASS(TSampleItem)

 public:
  explicit TSampleItem(TCollection* Collection);
  QString GetCaption() const { return FCaption; }
  void SetCaption(const QString& v) { FCaption = v; }
  int GetValue() const { return FValue; }
  void SetValue(int v) { FValue = v; }
  TSampleShape* GetLink() const { return FLink; }
  void SetLink(TSampleShape* v) { FLink = v; }
  TCollection* GetChildren() const { return FChildren.get(); }
  void SetChildren(TCollection* v) { FChildren->Assign(v); }

 private:
  QString FCaption;
  int FValue = 0;
  TSampleShape* FLink = nullptr;
  TOwned<TOwnedCollection> FChildren;
};

class TSampleShape : public TComponent {
  TARNWICK_CLASS(TSampleShape)

 public:
  explicit TSampleShape(TComponent* AOwner);

  int GetWidth() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  int64_t GetBig() const { return FBig; }
  void SetBig(int64_t v) { FBig = v; }
  char16_t GetLetter() const { return FLetter; }
  void SetLetter(char16_t v) { FLetter = v; }
  TShapeKind GetKind() const { return FKind; }
  void SetKind(TShapeKind v) { FKind = v; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  TShapeOptions GetOptions() const { return FOptions; }
  void SetOptions(TShapeOptions v) { FOptions = v; }
  double GetAngle() const { return FAngle; }
  void SetAngle(double v) { FAngle = v; }
  double GetScale() const { return FScale; }
  void SetScale(double v) { FScale = v; }
  float GetRatio() const { return FRatio; }
  void SetRatio(float v) { FRatio = v; }
  QString GetCaption() const { return FCaption; }
  void SetCaption(const QString& v) { FCaption = v; }
  QString GetHint() const { return FHint; }
  void SetHint(const QString& v) { FHint = v; }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  int GetCursor() const { return FCursor; }
  void SetCursor(int v) { FCursor = v; }
  uint32_t GetMask() const { return FMask; }
  void SetMask(uint32_t v) { FMask = v; }
  TSamplePen* GetPen() const { return FPen.get(); }
  void SetPen(TSamplePen* v) { FPen->SetColor(v->GetColor()); }
  TCollection* GetItems() const { return FItems.get(); }
  void SetItems(TCollection* v) { FItems->Assign(v); }
  TStrings* GetLines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  TComponent* GetLink() const { return FLink; }
  void SetLink(TComponent* v) { FLink = v; }
  int GetArea() const { return FWidth * 2; }
  int GetSecret() const { return FSecret; }
  void SetSecret(int v) { FSecret = v; }
  QString GetNote() const { return FNote; }
  void SetNote(const QString& v) { FNote = v; }

  TNotifyEvent OnClick;
  // Custom properties: "Extra" (a list of integers) and "Blob" (binary).
  std::vector<int> Extra;
  QByteArray Blob;
  // Whether owned shapes are written as child records.
  bool StreamChildren = true;
  // Owner given to children read from a stream (null: this shape).
  TComponent* ChildOwner = nullptr;

  // The reader's parent while this shape's record was read.
  TComponent* ParentSeen = nullptr;

  void ReadState(TReader* Reader) override;
  void DefineProperties(TFiler* Filer) override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return ChildOwner; }
  void SetChildOrder(TComponent* Child, int Order) override;
  void Loaded() override;

  // Names of every shape whose Loaded ran, in order, with the references it saw.
  static QStringList& LoadedLog();

 private:
  int FWidth = 10;
  int64_t FBig = 0;
  char16_t FLetter = 0;
  TShapeKind FKind = shBox;
  bool FVisible = true;
  TShapeOptions FOptions{oxA};
  double FAngle = 0;
  double FScale = 0;
  float FRatio = 0;
  QString FCaption;
  QString FHint;
  TColor FColor = clWhite;
  int FCursor = 0;
  uint32_t FMask = 0;
  int FSecret = 0;
  QString FNote;
  TOwned<TSamplePen> FPen;
  TOwned<TOwnedCollection> FItems;
  TOwned<TStringList> FLines;
  TComponent* FLink = nullptr;
};

// Re-declares Width with another default and Kind as never stored, and adds Radius.
class TSampleDerived : public TSampleShape {
  TARNWICK_CLASS(TSampleDerived)

 public:
  using TSampleShape::TSampleShape;
  int GetRadius() const { return FRadius; }
  void SetRadius(int v) { FRadius = v; }

 private:
  int FRadius = 5;
};

// Registers the sample classes with the streaming class registry (idempotent).
void RegisterSampleClasses();

// Helpers: streams as bytes.
QByteArray SaveBinary(TComponent* Root);
void LoadBinary(const QByteArray& Bytes, TComponent* Root);
QByteArray BinaryToText(const QByteArray& Bytes);
QByteArray TextToBinary(const QByteArray& Text);
// The binary form of one value written by Write.
template <class F>
QByteArray ValueBytes(F Write);

}  // namespace tarnwick::test

#include "platform/core/Stream.h"
#include "streaming/Writer.h"

template <class F>
QByteArray tarnwick::test::ValueBytes(F Write) {
  TMemoryStream m;
  {
    TWriter w(m);
    Write(w);
    w.FlushBuffer();
  }
  return m.Bytes();
}
