#include "diagram/model/StretchHandles.h"

#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "platform/core/Properties.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

const TClassInfo& TStretchHandle::StaticClassInfo() {
  static const TClassInfo info(
      "TStretchHandle", &TCollectionItem::StaticClassInfo(),
      {FloatProp("OrX", ftDouble, &TStretchHandle::GetOrX, &TStretchHandle::SetOrX, true),
       FloatProp("OrY", ftDouble, &TStretchHandle::GetOrY, &TStretchHandle::SetOrY, true),
       EnumProp("Style", HandleStyleType(), &TStretchHandle::GetStyle, &TStretchHandle::SetStyle)},
      {}, [](TCollection* c) { return Create<TStretchHandle>(c); });
  return info;
}

TStretchHandle::TStretchHandle(TCollection* Collection) : TCollectionItem(Collection) {}

void TStretchHandle::BeforeDestruction() {
  if (TDiagramControl* owner = GetDControl()) owner->NotifyHandleDestroying(this);
  TCollectionItem::BeforeDestruction();
}

void TStretchHandle::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TStretchHandle*>(Source)) {
    FCursor = src->FCursor;
    FData = src->FData;
    SetOrPoint(src->GetOrPoint());
    return;
  }
  TCollectionItem::Assign(Source);
}

TDiagramControl* TStretchHandle::GetDControl() const {
  auto* handles = dynamic_cast<TStretchHandles*>(GetCollection());
  return handles ? handles->GetDControl() : nullptr;
}

void TStretchHandle::SetOrX(double Value) {
  if (FOrX == Value) return;
  FOrX = Value;
  Changed(false);
}

void TStretchHandle::SetOrY(double Value) {
  if (FOrY == Value) return;
  FOrY = Value;
  Changed(false);
}

void TStretchHandle::SetOrPoint(TDot Value) {
  if (FOrX == Value.X && FOrY == Value.Y) return;
  FOrX = Value.X;
  FOrY = Value.Y;
  Changed(false);
}

void TStretchHandle::SetStyle(THandleStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed(false);
}

void TStretchHandle::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed(false);
}

bool TStretchHandle::GetVisible() const {
  if (!FVisible) return false;
  TDiagramControl* owner = GetDControl();
  if (!owner) return true;
  TDiagramHost* host = owner->GetDiagramHost();
  if (host && host->GetSelBlockControl() == owner) return true;
  return owner->GetSelected() && !owner->AsMember() && !(host && host->IsShowingGroupSelection());
}

bool TStretchHandle::CanDrag() const {
  TDiagramControl* owner = GetDControl();
  if (!owner || FAlwaysMovable) return true;
  switch (FStyle) {
    case hsSize:
    case hsCustom:
      return owner->CanResize();
    case hsRotate:
      return owner->CanRotate();
    case hsRotCenter:
      return owner->CanMoveRotCenter() && owner->CanRotate();
  }
  return false;
}

TDot TStretchHandle::DiagramPoint() const {
  TDiagramControl* owner = GetDControl();
  return owner ? owner->GetHandlePoint(const_cast<TStretchHandle*>(this)) : GetOrPoint();
}

// ---- Collection ----

const TClassInfo& TStretchHandles::StaticClassInfo() {
  static const TClassInfo info("TStretchHandles", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

TStretchHandles::TStretchHandles(TDiagramControl* AControl)
    : TOwnedCollection(AControl, TStretchHandle::StaticClassInfo()), FDControl(AControl) {}

TStretchHandle* TStretchHandles::Add(double AOrX, double AOrY, TCursor ACursor, int AData, THandleStyle AStyle) {
  const TUpdateScope update(this);
  TStretchHandle* h = nullptr;
  h = Add();
  h->SetOrPoint(TDot{AOrX, AOrY});
  h->SetCursor(ACursor);
  h->SetData(AData);
  h->SetStyle(AStyle);
  return h;
}

TStretchHandle* TStretchHandles::FindByData(int AData) const {
  for (int i = 0; i < Count(); ++i)
    if (GetItems(i)->GetData() == AData) return GetItems(i);
  return nullptr;
}

TStretchHandle* TStretchHandles::FindByStyle(THandleStyle AStyle) const {
  for (int i = 0; i < Count(); ++i)
    if (GetItems(i)->GetStyle() == AStyle) return GetItems(i);
  return nullptr;
}

TStretchHandle* TStretchHandles::RotateHandle() const { return FindByStyle(hsRotate); }
TStretchHandle* TStretchHandles::RotCenterHandle() const { return FindByStyle(hsRotCenter); }

void TStretchHandles::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TStretchHandles*>(Source);
  if (!src || src->Count() <= 1 || Count() <= 1) {
    TOwnedCollection::Assign(Source);
    return;
  }
  if (src == this) return;
  const TUpdateScope update(this);
  GetItems(0)->Assign(src->GetItems(0));
  GetItems(Count() - 1)->Assign(src->GetItems(src->Count() - 1));
  const int srcInner = src->Count() - 2;
  // Surplus inner handles go from just before the last one.
  while (Count() - 2 > srcInner) Delete(Count() - 2);
  // Missing inner handles are added just before the last one.
  while (Count() - 2 < srcInner) Add()->SetIndex(Count() - 2);
  for (int i = 1; i <= srcInner; ++i) GetItems(i)->Assign(src->GetItems(i));
}

void TStretchHandles::Update(TCollectionItem*) {
  if (FDControl && !FDControl->IsDestroying()) FDControl->HandlesChanged();
}

}  // namespace tarnwick
