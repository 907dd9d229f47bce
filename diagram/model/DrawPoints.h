#pragma once
// A plain list of points for the point lists of lines and polygon blocks. Items stream
// their coordinates; the collection's owner decides what a change means.
#include "geometry/Dot.h"
#include "platform/core/Collection.h"

namespace tarnwick {

class TDrawPoint : public TCollectionItem {
  TARNWICK_CLASS(TDrawPoint)

 public:
  explicit TDrawPoint(TCollection* Collection) : TCollectionItem(Collection) {}
  // Copies X and Y.
  void Assign(TPersistent* Source) override;

  double GetX() const { return FX; }
  void SetX(double Value);
  double GetY() const { return FY; }
  void SetY(double Value);
  TDot GetP() const { return TDot{FX, FY}; }
  void SetP(TDot Value);

 private:
  double FX = 0.0;
  double FY = 0.0;
};

class TDrawPoints : public TOwnedCollection {
  TARNWICK_CLASS(TDrawPoints)

 public:
  explicit TDrawPoints(TPersistent* AOwner) : TOwnedCollection(AOwner, TDrawPoint::StaticClassInfo()) {}
  TDrawPoint* Add() { return static_cast<TDrawPoint*>(TCollection::Add()); }
  TDrawPoint* Add(double AX, double AY);
  // Adds a copy of every point of APoints, in order (APoints may be this collection).
  void Append(TDrawPoints* APoints);
  TDrawPoint* GetItems(int Index) const { return static_cast<TDrawPoint*>(TCollection::GetItems(Index)); }

 protected:
  // For point lists whose items carry more than a position.
  TDrawPoints(TPersistent* AOwner, const TClassInfo& ItemClass) : TOwnedCollection(AOwner, ItemClass) {}
};

}  // namespace tarnwick
