#pragma once
// Stretch handles: the points of a control the user drags to resize, rotate or reshape
// it, kept in the control's original coordinate rectangle.
#include "diagram/model/DiagramControlTypes.h"
#include "platform/core/Collection.h"
#include "platform/core/Colors.h"

namespace tarnwick {

class TStretchHandle : public TCollectionItem {
  TARNWICK_CLASS(TStretchHandle)

 public:
  explicit TStretchHandle(TCollection* Collection);
  void BeforeDestruction() override;
  // Copies position, cursor and data.
  void Assign(TPersistent* Source) override;

  TDiagramControl* GetDControl() const;

  double GetOrX() const { return FOrX; }
  void SetOrX(double Value);
  double GetOrY() const { return FOrY; }
  void SetOrY(double Value);
  TDot GetOrPoint() const { return TDot{FOrX, FOrY}; }
  void SetOrPoint(TDot Value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  int GetData() const { return FData; }
  void SetData(int Value) { FData = Value; }
  THandleStyle GetStyle() const { return FStyle; }
  void SetStyle(THandleStyle Value);
  bool GetAlwaysMovable() const { return FAlwaysMovable; }
  void SetAlwaysMovable(bool Value) { FAlwaysMovable = Value; }

  // Whether the handle shows: its own flag and, with a control, that control's selection
  // (the selection block's handles always show).
  bool GetVisible() const;
  bool GetVisibleFlag() const { return FVisible; }
  void SetVisible(bool Value);
  // Whether the user may drag it, by its style and the control's permissions.
  bool CanDrag() const;
  TDot DiagramPoint() const;

 private:
  double FOrX = 0.0;
  double FOrY = 0.0;
  TCursor FCursor = crSizeNWSE;
  int FData = 0;
  THandleStyle FStyle = hsSize;
  bool FVisible = true;
  bool FAlwaysMovable = false;
};

class TStretchHandles : public TOwnedCollection {
  TARNWICK_CLASS(TStretchHandles)

 public:
  explicit TStretchHandles(TDiagramControl* AControl);
  TDiagramControl* GetDControl() const { return FDControl; }
  TStretchHandle* Add() { return static_cast<TStretchHandle*>(TCollection::Add()); }
  TStretchHandle* Add(double AOrX, double AOrY, TCursor ACursor, int AData, THandleStyle AStyle);
  TStretchHandle* GetItems(int Index) const { return static_cast<TStretchHandle*>(TCollection::GetItems(Index)); }
  TStretchHandle* FindByData(int AData) const;
  TStretchHandle* RotateHandle() const;
  TStretchHandle* RotCenterHandle() const;
  // Keeps the identity of the first and last handles (a line's end handles) when both
  // collections have more than one handle; inner handles are matched, added or deleted
  // just before the last one.
  void Assign(TPersistent* Source) override;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TStretchHandle* FindByStyle(THandleStyle AStyle) const;
  TDiagramControl* FDControl;
};

}  // namespace tarnwick
