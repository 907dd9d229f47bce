#pragma once
// The vertex list of a polygon block and the routines the block runs on it. Vertices are
// absolute positions in diagram units, stored without the block's rotation; each knows the
// stretch handle the user drags it by.
#include "diagram/model/DrawPoints.h"

namespace tarnwick {

class TStretchHandle;

class TPolygonPoint : public TDrawPoint {
  TARNWICK_CLASS(TPolygonPoint)

 public:
  explicit TPolygonPoint(TCollection* Collection) : TDrawPoint(Collection) {}
  // Copies X and Y only: a handle belongs to one vertex of one block.
  void Assign(TPersistent* Source) override;

  TStretchHandle* GetHandle() const { return FHandle; }
  // Set by the owning block only.
  void SetHandle(TStretchHandle* Value) { FHandle = Value; }

 private:
  TStretchHandle* FHandle = nullptr;
};

class TPolygonPoints : public TDrawPoints {
  TARNWICK_CLASS(TPolygonPoints)

 public:
  explicit TPolygonPoints(TPersistent* AOwner) : TDrawPoints(AOwner, TPolygonPoint::StaticClassInfo()) {}
  TPolygonPoint* Add() { return static_cast<TPolygonPoint*>(TCollection::Add()); }
  TPolygonPoint* Add(double AX, double AY) { return static_cast<TPolygonPoint*>(TDrawPoints::Add(AX, AY)); }
  TPolygonPoint* GetItems(int Index) const { return static_cast<TPolygonPoint*>(TCollection::GetItems(Index)); }
  // Writing an item copies X and Y into the item already there.
  void SetItems(int Index, TDrawPoint* Value) { GetItems(Index)->Assign(Value); }

  // The first vertex dragged by AHandle; null for no handle or no such vertex.
  TPolygonPoint* PointOfHandle(const TStretchHandle* AHandle) const;
  // The vertices in order followed by the first again; empty for an empty list, which has
  // no first vertex to close with.
  TDotArray ClosedDots() const;
  TDotArray Dots() const;
  // Writes APoints into the vertices one by one (the counts must match).
  void SetDots(const TDotArray& APoints);
};

// The bounding box of the points: (0, 0, 0, 0) for none.
TSquare PolygonBounds(const TDotArray& APoints);
TSquare PolygonBounds(const TPolygonPoints& APoints);
// Scales and moves the points from their bounding box onto R. A box without width (height)
// puts every X (Y) on R's left (top) edge.
void MapPolygonToRect(TDotArray& APoints, const TSquare& R);
// Turns the points by ADegrees (clockwise on the screen) about the centre of their box.
void RotatePolygon(TDotArray& APoints, double ADegrees);

}  // namespace tarnwick
