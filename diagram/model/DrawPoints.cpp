#include "diagram/model/DrawPoints.h"

#include "platform/core/Properties.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

const TClassInfo& TDrawPoint::StaticClassInfo() {
  static const TClassInfo info("TDrawPoint", &TCollectionItem::StaticClassInfo(),
                               {FloatProp("X", ftDouble, &TDrawPoint::GetX, &TDrawPoint::SetX, true),
                                FloatProp("Y", ftDouble, &TDrawPoint::GetY, &TDrawPoint::SetY, true)},
                               {}, [](TCollection* c) { return Create<TDrawPoint>(c); });
  return info;
}

void TDrawPoint::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TDrawPoint*>(Source)) {
    SetP(src->GetP());
    return;
  }
  TCollectionItem::Assign(Source);
}

void TDrawPoint::SetX(double Value) {
  if (FX == Value) return;
  FX = Value;
  Changed(false);
}

void TDrawPoint::SetY(double Value) {
  if (FY == Value) return;
  FY = Value;
  Changed(false);
}

void TDrawPoint::SetP(TDot Value) {
  if (FX == Value.X && FY == Value.Y) return;
  FX = Value.X;
  FY = Value.Y;
  Changed(false);
}

const TClassInfo& TDrawPoints::StaticClassInfo() {
  static const TClassInfo info("TDrawPoints", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

TDrawPoint* TDrawPoints::Add(double AX, double AY) {
  const TUpdateScope update(this);
  TDrawPoint* p = nullptr;
  p = Add();
  p->SetP(TDot{AX, AY});
  return p;
}

void TDrawPoints::Append(TDrawPoints* APoints) {
  if (!APoints) return;
  // The count is taken first, so appending a collection to itself doubles it once.
  const int count = APoints->Count();
  const TUpdateScope update(this);
  for (int i = 0; i < count; ++i) Add()->Assign(APoints->GetItems(i));
}

}  // namespace tarnwick
