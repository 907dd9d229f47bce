#pragma once
// Text cells: every text of a control lives in a cell, a rectangle in the control's
// original coordinate rectangle with its own text, font, angle, alignment and frame. The
// cell keeps geometry and appearance; its control maps it onto the diagram.
#include <QString>

#include "diagram/model/DiagramControlTypes.h"
#include "platform/core/Collection.h"
#include "platform/core/Colors.h"

namespace tarnwick {

class TFont;
class TPen;
class TBrush;
class TTextCell;

class TTextCellFrame : public TPersistent {
  TARNWICK_CLASS(TTextCellFrame)

 public:
  explicit TTextCellFrame(TTextCell* ACell);
  ~TTextCellFrame() override;
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  // The frame's brush and pen are made on first use: most cells never show a frame, and
  // every block has a cell.
  TBrush* GetBrush() const;
  void SetBrush(TBrush* Value);
  TPen* GetPen() const;
  void SetPen(TPen* Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetAutoFrame() const { return FAutoFrame; }
  void SetAutoFrame(bool Value);
  int GetAutoFrameMargin() const { return FAutoFrameMargin; }
  void SetAutoFrameMargin(int Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);

 private:
  void Changed();

  TTextCell* FTextCell;
  TColor FColor = clWhite;
  mutable TOwned<TBrush> FBrush;
  mutable TOwned<TPen> FPen;
  bool FTransparent = true;
  bool FAutoFrame = false;
  int FAutoFrameMargin = 0;
  bool FVisible = false;
};

class TTextCell : public TCollectionItem {
  TARNWICK_CLASS(TTextCell)

 public:
  explicit TTextCell(TCollection* Collection);
  ~TTextCell() override;
  void BeforeDestruction() override;
  void Assign(TPersistent* Source) override;

  TDiagramControl* GetDControl() const;

  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetClip() const { return FClip; }
  void SetClip(bool Value);
  double GetAngle() const { return FAngle; }
  // A different angle also stops the cell from following its control's angle.
  void SetAngle(double Value);
  double GetLeft() const { return FLeft; }
  void SetLeft(double Value);
  double GetTop() const { return FTop; }
  void SetTop(double Value);
  double GetWidth() const { return FWidth; }
  void SetWidth(double Value);
  double GetHeight() const { return FHeight; }
  void SetHeight(double Value);
  double GetRight() const { return FLeft + FWidth; }
  double GetBottom() const { return FTop + FHeight; }
  void SetBounds(double ALeft, double ATop, double AWidth, double AHeight);
  TSquare GetBoundsRect() const { return TSquare{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  // Normalised before it is stored.
  void SetBoundsRect(const TSquare& Value);
  const QString& GetText() const { return FText; }
  void SetText(const QString& Value);
  TFont* GetFont() const { return FFont.get(); }
  // Copies the font; any change of the cell font stops it from following the control's.
  void SetFont(TFont* Value);
  bool GetDControlFont() const { return FDControlFont; }
  void SetDControlFont(bool Value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TVertAlign GetVertAlign() const { return FVertAlign; }
  void SetVertAlign(TVertAlign Value);
  bool GetRotateFont() const { return FRotateFont; }
  void SetRotateFont(bool Value);
  bool GetDControlAngle() const { return FDControlAngle; }
  void SetDControlAngle(bool Value);
  TTextCellFrame* GetCellFrame() const { return FCellFrame.get(); }
  void SetCellFrame(TTextCellFrame* Value) { FCellFrame->Assign(Value); }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  TObject* GetObj() const { return FObj; }
  void SetObj(TObject* Value) { FObj = Value; }
  bool GetParentTransparency() const { return FParentTransparency; }
  void SetParentTransparency(bool Value);
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);

  // The cell rectangle in diagram units (mapped by the control, not rotated).
  TSquare GetDiagramRect() const;
  // The rectangle the last painting covered when that is known and counts for hit
  // testing; the cell rectangle otherwise. Diagram units.
  TSquare GetPaintedRect() const;
  // Painting reports the covered rectangle here, in original-rectangle units.
  void SetPaintedRect(const TSquare& AOriginalRect);
  bool GetPaintedRectCalculated() const { return FPaintedRectCalculated; }

  // The control pushes its font and angle into the cells that follow them; these write
  // without switching the follow flags off.
  void FollowControlFont(TFont* AFont);
  void FollowControlAngle(double AAngle);

 private:
  friend class TTextCells;
  friend class TTextCellFrame;
  void FontChanged();
  void ItemChanged() { Changed(false); }

  bool FWordWrap = true;
  bool FClip = false;
  double FAngle = 0.0;
  double FHeight = 0.0;
  double FTop = 0.0;
  double FLeft = 0.0;
  double FWidth = 0.0;
  QString FText;
  TOwned<TFont> FFont;
  bool FDControlFont = true;
  TAlignment FAlignment = taCenter;
  TVertAlign FVertAlign = vaTop;
  bool FRotateFont = true;
  bool FDControlAngle = true;
  TOwned<TTextCellFrame> FCellFrame;
  bool FVisible = true;
  TObject* FObj = nullptr;
  bool FParentTransparency = true;
  int FTransparency = 0;
  bool FReadOnly = false;
  TSquare FPaintedRect;
  bool FPaintedRectCalculated = false;
  bool FFollowingFont = false;  // the font is being copied from the control
};

class TTextCells : public TOwnedCollection {
  TARNWICK_CLASS(TTextCells)

 public:
  explicit TTextCells(TDiagramControl* AControl);
  TDiagramControl* GetDControl() const { return FDControl; }
  TTextCell* Add() { return static_cast<TTextCell*>(TCollection::Add()); }
  TTextCell* GetItems(int Index) const { return static_cast<TTextCell*>(TCollection::GetItems(Index)); }
  void SetItems(int Index, TTextCell* Value) { GetItems(Index)->Assign(Value); }

 protected:
  // Forgets the changed cell's painted rectangle and tells the control.
  void Update(TCollectionItem* Item) override;

 private:
  TDiagramControl* FDControl;
};

}  // namespace tarnwick
